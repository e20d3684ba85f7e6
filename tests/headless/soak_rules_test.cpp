// The rules the soak checks after every step: a new game in the shop keeps them all, and each
// way of breaking one is named.
#include "headless/soak_rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <sstream>

#include "game/scene_list.h"
#include "new_game.h"

namespace tolmark {
namespace {

struct Shop {
  std::ostringstream transcript;
  HeadlessDesktop desk{transcript};
  GameState s = testing_support::NewGame();
  Shop() {
    desk.SetSceneWindows(SceneWindowsOf(kSceneList));
    desk.ShowWindow(Window::frmShop);
  }
  std::optional<std::string> Broken() {
    return FirstBrokenRule(s, desk);
  }
};

TEST(SoakRules, ANewGameInTheShopKeepsThemAll) {
  Shop shop;
  EXPECT_EQ(shop.Broken(), std::nullopt);
}

// "a flag of 1" -> "AFlagOf1": a test name from a case's words.
std::string NameOf(std::string_view words) {
  std::string name;
  bool upper = true;
  for (const char ch : words) {
    if (std::isalnum(static_cast<unsigned char>(ch)) == 0) {
      upper = true;
      continue;
    }
    name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(ch))) : ch;
    upper = false;
  }
  return name;
}

struct BrokenCase {
  const char* what;
  std::function<void(Shop&)> breakIt;
  const char* named;  // part of the description
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.what; }

class SoakRuleBroken : public testing::TestWithParam<BrokenCase> {};

TEST_P(SoakRuleBroken, IsNamed) {
  Shop shop;
  GetParam().breakIt(shop);
  const auto broken = shop.Broken();
  ASSERT_TRUE(broken.has_value()) << GetParam().what;
  EXPECT_NE(broken->find(GetParam().named), std::string::npos) << *broken;
}

const BrokenCase kBrokenCases[] = {
    {"a flag of 1", [](Shop& x) { x.s.ShopOpen = 1; }, "ShopOpen is 1"},
    {"a collected flag of 1", [](Shop& x) { x.s.Collected[59] = 1; }, "Collected[59] is 1"},
    {"an empty stock row", [](Shop& x) { x.s.ShopStock[1].Count = 0; }, "ShopStock[1].Count is 0"},
    {"51 pieces", [](Shop& x) { x.s.ShopStock[0].Count = 51; }, "ShopStock[0].Count is 51"},
    {"a weapon twice",
     [](Shop& x) { x.s.ShopStock[2].WeaponId = x.s.ShopStock[0].WeaponId; },
     "a second time"},
    {"stock above capacity", [](Shop& x) { x.s.StockCapacity = x.s.StockCount - 1; },
     "above StockCapacity"},
    {"bag pieces not the bag's",
     [](Shop& x) {
       x.s.Bag[0] = {5, 3};
       x.s.BagCount = 1;
       x.s.BagPieces = 2;
     },
     "BagPieces is 2, the bag holds 3"},
    {"HP above MaxHP", [](Shop& x) { x.s.HP = x.s.MaxHP + 1; }, "HP is"},
    {"HP -1 in the shop", [](Shop& x) { x.s.HP = -1; }, "HP is -1"},
    {"Gold -1 in the shop", [](Shop& x) { x.s.Gold = -1; }, "Gold is -1"},
    {"Gold past its cap", [](Shop& x) { x.s.Gold = kGoldCap + 1; }, "Gold is 1000000000"},
    {"Reputation 1000", [](Shop& x) { x.s.Reputation = 1000; }, "Reputation is 1000"},
    {"no scene window", [](Shop& x) { x.desk.CloseWindow(Window::frmShop); },
     "0 scene windows"},
    {"the road beside the shop", [](Shop& x) { x.desk.ShowWindow(Window::frmField); },
     "2 scene windows are on screen, not 1: frmShop frmField"},
    {"a small window without its flag", [](Shop& x) { x.desk.ShowWindow(Window::frmStatus); },
     "frmStatus is open"},
    {"a flag without its window", [](Shop& x) { x.s.OrderListOpen = kTrue; },
     "frmOrder is closed"},
    {"the road's bag list in the shop", [](Shop& x) { x.desk.ShowWindow(Window::frmFItem); },
     "frmFItem is open, but its scene frmField is not on screen"},
    {"the market short of a piece while browsing",
     [](Shop& x) {
       x.desk.CloseWindow(Window::frmShop);
       x.desk.ShowWindow(Window::frmArms);
       x.desk.ShowWindow(Window::frmASell);
       x.s.MarketGoods[0] = {"木刀", 0, 9, 10, 10};
     },
     "frmArms's own rule: market row 0"},
};
INSTANTIATE_TEST_SUITE_P(Each, SoakRuleBroken, testing::ValuesIn(kBrokenCases),
                         [](const auto& info) { return NameOf(info.param.what); });

struct AllowedCase {
  const char* what;
  std::function<void(Shop&)> setUp;
};

void PrintTo(const AllowedCase& c, std::ostream* os) { *os << c.what; }

class SoakRuleHolds : public testing::TestWithParam<AllowedCase> {};

TEST_P(SoakRuleHolds, ForTheRulesOwnMarks) {
  Shop shop;
  GetParam().setUp(shop);
  EXPECT_EQ(shop.Broken(), std::nullopt) << GetParam().what;
}

void OnTheRoad(Shop& x) {
  x.desk.CloseWindow(Window::frmShop);
  x.desk.ShowWindow(Window::frmField);
}

const AllowedCase kAllowedCases[] = {
    {"a find leaves HP at -1 on the road",
     [](Shop& x) {
       OnTheRoad(x);
       x.s.HP = -1;
     }},
    {"a find leaves Gold at -1 on the road",
     [](Shop& x) {
       OnTheRoad(x);
       x.s.Gold = -1;
     }},
    {"the road's window lingers after the hand-over to the town",
     [](Shop& x) {
       OnTheRoad(x);
       x.desk.ShowWindow(Window::frmArms);
       x.s.SceneEntry = entry::kToTown;
     }},
    {"the town's lists while the road's window lingers",
     [](Shop& x) {
       OnTheRoad(x);
       x.desk.ShowWindow(Window::frmArms);
       x.desk.ShowWindow(Window::frmASell);
       x.s.SceneEntry = entry::kToTown;
       x.s.SceneName = "frmArms";
       x.s.CommandBusy = kTrue;
     }},
    {"the market's lists once the hero gave up",
     [](Shop& x) {
       x.desk.CloseWindow(Window::frmShop);
       x.desk.ShowWindow(Window::frmArms);
       x.desk.ShowWindow(Window::frmASell);
       x.s.MarketGoods[0] = {"木刀", 0, 9, 10, 10};
       x.s.CommandBusy = kTrue;
     }},
};
INSTANTIATE_TEST_SUITE_P(Each, SoakRuleHolds, testing::ValuesIn(kAllowedCases),
                         [](const auto& info) { return NameOf(info.param.what); });

}  // namespace
}  // namespace tolmark
