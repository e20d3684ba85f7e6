// The ending: the king's story and the closing notes as scripts, the stage of the epilogue,
// the last bag stocked with its silent losses, and the game marked cleared.
#include "town/ending_epilogue.h"
#include "town/ending_story.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "town_fixture.h"

namespace tolmark::town {
namespace {

using testing::NewGame;

// Following each row's next code from the first row must visit every row once, in order, and
// leave the script at `exit`.
void ExpectChain(Lines script, std::int32_t first, std::int32_t exit) {
  std::int32_t code = first;
  std::size_t visited = 0;
  while (const LineRow* row = FindLine(script, code)) {
    ASSERT_LT(visited, script.size()) << "a loop at " << code;
    EXPECT_EQ(row, &script[visited]) << code;
    ++visited;
    code = row->next;
  }
  EXPECT_EQ(visited, script.size());
  EXPECT_EQ(code, exit);
}

TEST(EndingStory, OneLineAClickFrom700ToTheEpilogue) {
  ExpectChain(KingsStory(), 700, 725);
  ExpectChain(ClosingNotes(), 730, 734);
}

struct StoryCase {
  std::int32_t code;
  bool wagon;
  Speaker speaker;
  std::string_view line;
  int pauseAfterMs;
  friend void PrintTo(const StoryCase& c, std::ostream* os) { *os << "code " << c.code; }
};

class EndingStoryTest : public ::testing::TestWithParam<StoryCase> {};

TEST_P(EndingStoryTest, WhoSaysWhat) {
  const StoryCase& c = GetParam();
  GameState s = NewGame();
  s.DealAmount = 2044000;
  s.WagonHired = AsFlag(c.wagon);
  const LineRow* row = FindLine(c.code < 730 ? KingsStory() : ClosingNotes(), c.code);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->speaker, c.speaker);
  EXPECT_EQ(EndingRowLine(*row, s), c.line);
  EXPECT_EQ(row->pauseAfterMs, c.pauseAfterMs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, EndingStoryTest, ::testing::Values(
  StoryCase{700, true,  Speaker::Visitor, "馬車代と合わせて2044000カリムじゃな",           0},
  StoryCase{700, false, Speaker::Visitor, "今回の武器代は2044000カリムだ",                  0},
  StoryCase{701, true,  Speaker::Visitor, "あんたの所はこれで最後か",                       0},
  StoryCase{702, false, Speaker::Hero,    "何でこんなに武器を集めてるんだ？",               0},
  StoryCase{708, false, Speaker::Hero,    "ドラゴン？",                                     0},
  StoryCase{715, false, Speaker::Visitor, "………………………",                                 0},
  StoryCase{722, false, Speaker::Visitor, "あやつめ、怒りやがる。短気な奴じゃ",             0},
  StoryCase{723, false, Speaker::Hero,    "……………………………",                               2000},
  StoryCase{724, false, Speaker::Hero,    "あんたが悪い！！",                               0},
  StoryCase{730, false, Speaker::Hero,    "引き続き楽しめるよう、データをセーブしましたので、", 0},
  StoryCase{733, false, Speaker::Hero,    "どうぞご覧下さい",                               0}
));
// clang-format on

TEST(EndingStory, HeroSpeaksOnlyHisOwnLines) {
  const std::vector<std::int32_t> heroLines = {702, 708, 710, 713, 718, 723, 724};
  for (const LineRow& row : KingsStory()) {
    const bool hero = std::find(heroLines.begin(), heroLines.end(), row.code) != heroLines.end();
    EXPECT_EQ(row.speaker, hero ? Speaker::Hero : Speaker::Visitor) << row.code;
  }
}

TEST(EndingEpilogue, BeginningMakesClicksHarmlessAndClearsTheStage) {
  GameState s = NewGame();
  s.PendingAction = 725;
  s.VisitorPicture = 122;
  s.VisitorX = 1500;
  BeginEpilogue(s);
  EXPECT_EQ(s.PendingAction, 726);
  EXPECT_EQ(s.VisitorPicture, 146);
  EXPECT_EQ(s.VisitorFrames, 2);
  EXPECT_EQ(s.VisitorX, 0);
  EXPECT_EQ(s.VisitorY, 0);
  EXPECT_EQ(s.VisitorFrame, 1);
}

struct MergeCase {
  const char* what;
  std::vector<StockEntry> stock;
  std::int32_t capacity;
  std::vector<StockEntry> bag;
  std::vector<StockEntry> stockAfter;
  int lost;
  std::vector<std::int32_t> collected;  // weapons that must be marked collected afterwards
  friend void PrintTo(const MergeCase& c, std::ostream* os) { *os << c.what; }
};

class EndingMergeTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(EndingMergeTest, StockAfterTheLastBag) {
  const MergeCase& c = GetParam();
  GameState s = NewGame();
  s.Collected.fill(kFalse);
  s.StockCapacity = c.capacity;
  s.StockCount = static_cast<std::int32_t>(c.stock.size());
  std::copy(c.stock.begin(), c.stock.end(), s.ShopStock.begin());
  s.BagCount = static_cast<std::int32_t>(c.bag.size());
  std::copy(c.bag.begin(), c.bag.end(), s.Bag.begin());

  int calls = 0;
  EXPECT_EQ(StockTheLastBag(s, [&] { ++calls; }), c.lost);
  EXPECT_EQ(calls, c.lost) << "one pause for each lot lost";
  EXPECT_EQ(std::vector<StockEntry>(s.ShopStock.begin(), s.ShopStock.begin() + s.StockCount),
            c.stockAfter);
  EXPECT_EQ(std::vector<StockEntry>(s.Bag.begin(), s.Bag.begin() + s.BagCount), c.bag)
      << "the bag itself is left as it is";
  for (std::int32_t w : c.collected) {
    EXPECT_EQ(s.Collected[static_cast<std::size_t>(w)], kTrue) << w;
  }
}

// A stock of 15 kinds: weapons 0..14, 3 pieces each.
std::vector<StockEntry> FullStock() {
  std::vector<StockEntry> stock;
  for (std::int32_t w = 0; w < 15; ++w) stock.push_back({w, 3});
  return stock;
}

std::vector<StockEntry> FullStockWith(std::int32_t weapon, std::int32_t count) {
  std::vector<StockEntry> stock = FullStock();
  stock[static_cast<std::size_t>(weapon)].Count = count;
  return stock;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bags, EndingMergeTest, ::testing::Values(
  MergeCase{"25 stocked and 25 carried make 50",
    {{23, 25}}, 15, {{23, 25}}, {{23, 50}}, 0, {}},
  MergeCase{"25 stocked and 26 carried: 50 and a loss",
    {{23, 25}}, 15, {{23, 26}}, {{23, 50}}, 1, {}},
  MergeCase{"a new kind takes the next entry and is collected",
    {{0, 3}}, 15, {{51, 10}, {0, 2}}, {{0, 5}, {51, 10}}, 0, {51}},
  MergeCase{"a new kind with the stock full is lost but collected",
    FullStock(), 15, {{51, 10}}, FullStock(), 1, {51}},
  MergeCase{"a full stock still takes more of a stocked kind",
    FullStock(), 15, {{4, 48}, {60, 1}}, FullStockWith(4, 50), 2, {60}},
  MergeCase{"the last free entry goes to the first new kind",
    {{0, 3}}, 2, {{51, 10}, {44, 5}}, {{0, 3}, {51, 10}}, 1, {51, 44}},
  MergeCase{"a stock counted past its capacity takes no new kind",
    FullStock(), 14, {{51, 10}}, FullStock(), 1, {51}},
  MergeCase{"an empty bag changes nothing",
    {{0, 3}}, 15, {}, {{0, 3}}, 0, {}}
));
// clang-format on

TEST(EndingEpilogue, NoEntryIsWrittenPastTheStock) {
  GameState s = NewGame();
  s.StockCapacity = 99;  // only a tampered save holds one
  s.StockCount = kWeaponCount;
  for (std::int32_t w = 0; w < kWeaponCount; ++w) s.ShopStock[static_cast<std::size_t>(w)] = {w, 1};
  s.Bag[0] = {60, 1};
  s.ShopStock[60] = {59, 1};
  s.BagCount = 1;
  EXPECT_EQ(StockTheLastBag(s, nullptr), 1);
  EXPECT_EQ(s.StockCount, kWeaponCount);
}

struct ClearedCase {
  bool wagon;
  std::int32_t capacityAfter;
};

class EndingClearedTest : public ::testing::TestWithParam<ClearedCase> {};

TEST_P(EndingClearedTest, BagSizeAndClearedFlagBeforeTheSave) {
  GameState s = NewGame();
  s.WagonHired = AsFlag(GetParam().wagon);
  s.SavedBagCapacity = 37;
  s.BagCapacity = 100;
  s.Bag[0] = {23, 5};
  s.BagCount = 1;
  SettleTheEnding(s, nullptr);
  EXPECT_EQ(s.BagCapacity, GetParam().capacityAfter);
  EXPECT_EQ(s.GameCleared, -1);
  EXPECT_EQ(s.ShopStock[static_cast<std::size_t>(s.StockCount - 1)], (StockEntry{23, 5}));
}

INSTANTIATE_TEST_SUITE_P(Wagon, EndingClearedTest,
                         ::testing::Values(ClearedCase{true, 37}, ClearedCase{false, 100}));

}  // namespace
}  // namespace tolmark::town
