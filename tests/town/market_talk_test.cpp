// The market opening for a visit (the day's choice and prices, in draw order) and the dealer's
// greeting with the hero's purse.
#include "town/market_opening.h"
#include "town/market_talk.h"

#include <gtest/gtest.h>

#include <ostream>

#include "model/random.h"
#include "town/town_windows.h"
#include "town_fixture.h"

namespace tolmark::town {
namespace {

using testing::NewGame;
using testing::OfN;

TEST(MarketOpening, ChoiceIsDrawnFirstThenEachRowsPriceUntilItIsHalfOrMore) {
  GameState s = NewGame();
  s.TownPurchaseCount = 4;
  s.SelectedRow = 7;
  s.SelectedBuyRow = 3;
  ScriptedRandom rnd;
  rnd.Queue(OfN(1, 2));  // the choice: the assortment that starts with ササニシキ
  rnd.Queue(0.0);        // ササニシキ (530): 0 is below 265 and is drawn again
  rnd.Queue(0.9);        // Int(0.9 × 530 × 0.7) = Int(333.9)
  for (int row = 1; row < kMarketRows; ++row) rnd.Queue(0.99);

  EXPECT_EQ(OpenMarket(s, rnd), 1);
  EXPECT_EQ(rnd.Queued(), 0u);
  EXPECT_EQ(s.MarketGoods[0].WeaponId, 12);
  EXPECT_EQ(s.MarketGoods[0].OfferPrice, 333);
  EXPECT_EQ(s.MarketGoods[1].WeaponId, 32);
  EXPECT_EQ(s.MarketGoods[1].OfferPrice, 2494);  // Int(0.99 × 3600 × 0.7) = Int(2494.8)
  EXPECT_EQ(s.MarketGoods[9].WeaponId, 26);
  for (const MarketEntry& row : s.MarketGoods) EXPECT_EQ(row.Count, 10) << row.Name;
  EXPECT_EQ(s.TownPurchaseCount, 0);
  EXPECT_EQ(s.SelectedRow, 0);
  EXPECT_EQ(s.SelectedBuyRow, 0);
}

TEST(MarketOpening, ChoiceZeroOpensTheOtherAssortment) {
  GameState s = NewGame();
  ScriptedRandom rnd;
  rnd.Queue(OfN(0, 2));
  EXPECT_EQ(OpenMarket(s, rnd), 0);
  EXPECT_EQ(s.MarketGoods[0].WeaponId, 24);
  EXPECT_EQ(s.MarketGoods[9].WeaponId, 44);
}

struct StoryCase {
  std::int32_t chapter, storyBefore, storyAfter;
};

class MarketStoryTest : public ::testing::TestWithParam<StoryCase> {};

TEST_P(MarketStoryTest, OnlyChapterTwoAtFourMovesOn) {
  GameState s = NewGame();
  s.Chapter = GetParam().chapter;
  s.StoryState = GetParam().storyBefore;
  ScriptedRandom rnd;
  OpenMarket(s, rnd);
  EXPECT_EQ(s.StoryState, GetParam().storyAfter);
}

INSTANTIATE_TEST_SUITE_P(Chapters, MarketStoryTest,
                         ::testing::Values(StoryCase{2, 4, 5}, StoryCase{2, 3, 3},
                                           StoryCase{2, 5, 5}, StoryCase{1, 4, 4},
                                           StoryCase{3, 4, 4}));

struct GreetingCase {
  std::int32_t code;
  std::int32_t gold;
  Speaker speaker;
  std::string_view line;
  std::int32_t next;
  bool openLists;
  friend void PrintTo(const GreetingCase& c, std::ostream* os) { *os << "code " << c.code; }
};

class MarketShopArmsTest : public ::testing::TestWithParam<GreetingCase> {};

TEST_P(MarketShopArmsTest, LineNextCodeAndLists) {
  const GreetingCase& c = GetParam();
  GameState s = NewGame();
  s.PendingAction = c.code;
  s.Gold = c.gold;
  const Outcome step = ShopArmsTalk(s);
  EXPECT_EQ(step.speaker, c.speaker);
  EXPECT_EQ(step.line, c.line);
  EXPECT_EQ(step.next.value_or(0), c.next);
  EXPECT_EQ(step.then == ShowMarketLists, c.openLists);
  EXPECT_EQ(s.PendingAction, c.code) << "the step function moves the code";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, MarketShopArmsTest, ::testing::Values(
  GreetingCase{1, 1000,    Speaker::Visitor, "いらっしゃい。ここは武器屋だよ", 2, false},
  GreetingCase{2, 1000,    Speaker::Visitor, "何を買うんだい？",               3, false},
  GreetingCase{3, 1234567, Speaker::Hero,    "所持金額：1,234,567",           4, true},
  GreetingCase{4, 0,       Speaker::Hero,    "所持金額：0",                   4, false},
  GreetingCase{4, 999,     Speaker::Hero,    "所持金額：999",                 4, false},
  GreetingCase{0, 1000,    Speaker::Visitor, "",                              0, false},
  GreetingCase{5, 1000,    Speaker::Visitor, "",                              0, false}
));
// clang-format on

}  // namespace
}  // namespace tolmark::town
