// The field table against the game state's own declarations, and reading, writing and JSON.
#include "model/state_fields.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "new_game.h"

namespace tolmark {
namespace {

using testing_support::NewGame;

// Member names of every struct declared in game_state.h, in declaration order.
std::map<std::string, std::vector<std::string>> DeclaredMembers() {
  std::ifstream header(TOLMARK_GAME_STATE_HEADER);
  EXPECT_TRUE(header) << TOLMARK_GAME_STATE_HEADER;
  const std::regex structOpen(R"(^struct (\w+) \{)");
  const std::regex member(R"(^\s+[\w:]+(<[^;()]*>)?\s+(\w+)\s*(=[^;()]*|\{[^;()]*\})?;)");
  std::map<std::string, std::vector<std::string>> members;
  std::string current;
  std::string line;
  std::smatch m;
  while (std::getline(header, line)) {
    if (std::regex_search(line, m, structOpen)) {
      current = m[1];
    } else if (line.rfind("};", 0) == 0) {
      current.clear();
    } else if (!current.empty() && std::regex_search(line, m, member)) {
      members[current].push_back(m[2]);
    }
  }
  return members;
}

// The keys of the outermost JSON object, in order.
std::vector<std::string> TopLevelKeys(const std::string& json) {
  std::vector<std::string> keys;
  int depth = 0;
  bool expectKey = false;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const char c = json[i];
    if (c == '"') {
      std::string text;
      for (++i; json[i] != '"'; ++i) {
        if (json[i] == '\\') ++i;
        text += json[i];
      }
      if (depth == 1 && expectKey) keys.push_back(text);
      expectKey = false;
    } else if (c == '{' || c == '[') {
      ++depth;
      expectKey = depth == 1;
    } else if (c == '}' || c == ']') {
      --depth;
    } else if (c == ',') {
      expectKey = depth == 1;
    }
  }
  return keys;
}

TEST(StateFields, JsonHasEveryFieldOfTheGameStateInDeclarationOrder) {
  const auto declared = DeclaredMembers();
  ASSERT_TRUE(declared.contains("GameState"));
  ASSERT_GT(declared.at("GameState").size(), 100u) << "the header scan found too few fields";
  EXPECT_EQ(TopLevelKeys(StateJson(NewGame())), declared.at("GameState"));
}

TEST(StateFields, EveryMemberOfEveryRecordCanBeReadByName) {
  const std::map<std::string, std::string> whereFound = {
      {"WeaponRecord", "Catalogue[0]"},  {"StockEntry", "ShopStock[0]"},
      {"OrderEntry", "RoyalOrder[3]"},   {"MarketEntry", "MarketGoods[9]"},
      {"PurchaseEntry", "TownPurchases[9]"}, {"MonsterRecord", "Monsters[28]"},
  };
  const GameState s = NewGame();
  for (const auto& [record, members] : DeclaredMembers()) {
    if (record == "GameState") continue;
    ASSERT_TRUE(whereFound.contains(record)) << "a new record with no field path: " << record;
    for (const std::string& member : members) {
      std::string error;
      const std::string path = whereFound.at(record) + "." + member;
      EXPECT_TRUE(ReadField(s, path, &error)) << path << ": " << error;
    }
  }
}

TEST(StateFields, ReadsValuesOfEveryKind) {
  GameState s = NewGame();
  s.ActiveScene = Window::frmArms;
  const struct {
    const char* path;
    FieldKind kind;
    const char* text;
  } cases[] = {
      {"Gold", FieldKind::Number, "1000"},
      {"ShopRank", FieldKind::Number, "1"},
      {"Collected[2]", FieldKind::Flag, "-1"},
      {"Collected[59]", FieldKind::Flag, "0"},
      {"ShopStock[2].Count", FieldKind::Number, "3"},
      {"RoyalOrder[0].Wanted", FieldKind::Number, "50"},
      {"RoyalOrder[1].WeaponId", FieldKind::Number, "32"},
      {"ActiveScene", FieldKind::Window, "frmArms"},
      {"ShopOpen", FieldKind::Flag, "0"},
      {"Catalogue[23].Name", FieldKind::Text, s.Catalogue[23].Name.c_str()},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto reading = ReadField(s, c.path, &error);
    ASSERT_TRUE(reading) << c.path << ": " << error;
    EXPECT_EQ(reading->kind, c.kind) << c.path;
    EXPECT_EQ(reading->text, c.text) << c.path;
  }
}

TEST(StateFields, WritesAndRefusesWhatDoesNotFit) {
  const struct {
    const char* path;
    const char* text;
    bool accepted;
  } cases[] = {
      {"Gold", "-25", true},
      {"Gold", "2147483648", false},  // beyond 32 bits
      {"Gold", "12x", false},
      {"Gold", "", false},
      {"TickInterval", "500", true},
      {"TickInterval", "40000", false},  // beyond 16 bits
      {"ShopOpen", "-1", true},
      {"ShopOpen", "1", false},  // a flag is -1 or 0, never 1
      {"Collected[60]", "-1", true},
      {"Collected[61]", "-1", false},
      {"ShopStock[60].WeaponId", "7", true},
      {"Bag[100].Count", "2", true},
      {"Bag[101].Count", "2", false},
      {"SceneName", "frmField", true},
      {"ActiveScene", "frmField", true},
      {"ActiveScene", "frmNowhere", false},
      {"RoyalOrder[0]", "5", false},  // a record, not one value
      {"RoyalOrder", "5", false},
      {"Gold[0]", "5", false},
      {"RoyalOrder[0].Nothing", "5", false},
      {"Nothing", "5", false},
      {"ShopStock[2].", "5", false},
      {"ShopStock[x].Count", "5", false},
      {"ShopStock[-1].Count", "5", false},
  };
  for (const auto& c : cases) {
    GameState s = NewGame();
    std::string error;
    EXPECT_EQ(WriteField(s, c.path, c.text, &error), c.accepted) << c.path << " = " << c.text;
    if (c.accepted) {
      EXPECT_EQ(ReadField(s, c.path, &error)->text, c.text) << c.path;
    } else {
      EXPECT_FALSE(error.empty()) << c.path;
    }
  }
}

TEST(StateFields, JsonListsOnlyUsedEntriesAndEscapesStrings) {
  GameState s = NewGame();
  s.Bag[0] = {5, 2};
  s.Bag[1] = {9, 1};  // beyond BagCount: stale, not listed
  s.BagCount = 1;
  s.TownPurchaseCount = 0;
  s.StockCount = 500;  // a broken count must not read past the stock
  s.SceneName = std::string("a\"b\\c\nd\x01") + "\xff" + "店";
  const std::string json = StateJson(s);
  EXPECT_NE(json.find(R"("Bag":[{"WeaponId":5,"Count":2}])"), std::string::npos);
  EXPECT_NE(json.find(R"("TownPurchases":[])"), std::string::npos);
  EXPECT_NE(json.find(R"("SceneName":"a\"b\\c\nd\u0001\ufffd店")"), std::string::npos);
  EXPECT_NE(json.find(R"("ActiveScene":"frmShop")"), std::string::npos);
  EXPECT_NE(json.find(R"("Collected":[-1,-1,-1,0,)"), std::string::npos);
  EXPECT_EQ(json.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace tolmark
