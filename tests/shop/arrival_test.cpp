// The choice of visitor after a successful arrival roll.
#include "shop/arrival.h"

#include <gtest/gtest.h>

#include "new_game.h"

namespace tolmark::shop {
namespace {

using testing_support::NewGame;

// Draw values that give k (of 45), h (of 15) and the buy/sell draw (of 11).
double OfN(int value, int n) { return (value + 0.5) / n; }

struct ArrivalCase {
  const char* what;
  std::int32_t chapter;
  std::int32_t reputation;
  std::int32_t storyState;
  std::int16_t shopRank;
  std::int32_t gold;
  std::int32_t stockCount;
  int k, h, sellDraw;
  bool comes;
  std::int32_t picture;
  std::int32_t eventCode;
  std::int32_t storyStateAfter;
  Flag buys;
};

class ArrivalTest : public ::testing::TestWithParam<ArrivalCase> {};

TEST_P(ArrivalTest, ChoosesTheVisitor) {
  const ArrivalCase& c = GetParam();
  GameState s = NewGame();
  s.Chapter = c.chapter;
  s.Reputation = c.reputation;
  s.StoryState = c.storyState;
  s.ShopRank = c.shopRank;
  s.StockCapacity = 15;
  s.Gold = c.gold;
  s.StockCount = c.stockCount;
  s.CustomerBuys = kTrue;
  ScriptedRandom random;
  random.Queue(OfN(c.k, 45));
  random.Queue(OfN(c.h, 15));
  random.Queue(OfN(c.sellDraw, 11));
  EXPECT_EQ(ChooseVisitor(s, random), c.comes) << c.what;
  EXPECT_EQ(s.EventActive, AsFlag(c.comes)) << c.what;
  if (c.comes) {
    EXPECT_EQ(s.VisitorPicture, c.picture) << c.what;
    EXPECT_EQ(s.CustomerBuys, c.buys) << c.what;
  }
  EXPECT_EQ(s.EventCode, c.eventCode) << c.what;
  EXPECT_EQ(s.StoryState, c.storyStateAfter) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Visitors, ArrivalTest, ::testing::Values(
  //           what                          ch  rep  st rk  gold     stock k  h  sell comes pic ev after buys
  ArrivalCase{"fairy buys",                  1,  10,  0, 1, 1000,       3, 9, 4, 5, true,  45, 0, 0, kTrue},
  ArrivalCase{"rich lady sells",             1,  10,  0, 1, 1000,       3, 39, 4, 0, true, 90, 0, 0, kFalse},
  ArrivalCase{"empty shop, buyer stays away",1,  10,  0, 1, 1000,       0, 0, 4, 5, false, 60, 0, 0, kTrue},
  ArrivalCase{"empty shop, seller comes",    1,  10,  0, 1, 1000,       0, 0, 4, 0, true,  60, 0, 0, kFalse},
  ArrivalCase{"errand asked",                1, 100,  0, 1, 1000,       3, 0, 4, 5, true,  32, 1, 1, kTrue},
  ArrivalCase{"hammer delivered",            1, 100,  3, 1, 1000,       3, 0, 4, 5, true,  32, 1, 3, kTrue},
  ArrivalCase{"errand running: customer",    1, 100,  1, 1, 1000,       3, 1, 4, 5, true,  72, 0, 1, kTrue},
  ArrivalCase{"enlarge to rank 2",           2,  10,  4, 1, 100000,     3, 0, 0, 5, true,  32, 2, 4, kTrue},
  ArrivalCase{"enlarge to rank 3",           3,  10,  6, 2, 1000000,    3, 0, 0, 5, true,  32, 2, 6, kTrue},
  ArrivalCase{"too poor: customer, no 4",    3,  10,  7, 2, 999999,     3, 2, 0, 5, true,  51, 0, 7, kTrue},
  ArrivalCase{"royal messenger",             2,  10,  5, 1, 1000,       3, 0, 3, 5, true,  84, 3, 5, kTrue},
  ArrivalCase{"weapons collected",           3,  10,  7, 2, 1000,       3, 0, 3, 5, true,  32, 4, 7, kTrue},
  ArrivalCase{"sword forged",                3,  10,  8, 2, 1000,       3, 0, 1, 5, true,  32, 5, 8, kTrue},
  ArrivalCase{"sword, stock full: customer", 3,  10,  8, 2, 1000,      15, 0, 1, 5, true,  60, 0, 8, kTrue},
  ArrivalCase{"sword, wrong h: customer",    3,  10,  8, 2, 1000,       3, 0, 2, 5, true,  60, 0, 8, kTrue}
));
// clang-format on

TEST(ArrivalCustomers, EachDrawOfFortyFiveGivesItsCustomer) {
  EXPECT_EQ(CustomerPictureOfDraw(9), 45);
  EXPECT_EQ(CustomerPictureOfDraw(19), 66);
  EXPECT_EQ(CustomerPictureOfDraw(29), 78);
  EXPECT_EQ(CustomerPictureOfDraw(39), 90);
  EXPECT_EQ(CustomerPictureOfDraw(44), 84);
}

}  // namespace
}  // namespace tolmark::shop
