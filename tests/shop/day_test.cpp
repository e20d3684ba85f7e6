// The day's money: living cost, closing on a customer, fainting, enlarging the shop.
#include "shop/day.h"

#include <gtest/gtest.h>

#include "new_game.h"
#include "shop/deal.h"
#include "shop/shop_codes.h"

namespace tolmark::shop {
namespace {

using testing_support::NewGame;

TEST(ShopDay, LivingCostTakesAllTheMoneyWhenThereIsLess) {
  struct Case {
    std::int32_t level;
    std::int16_t rank;
    std::int32_t gold;
    std::int32_t charged;
    std::int32_t goldAfter;
  };
  for (const Case c : {Case{1, 1, 150, 150, 0}, Case{1, 1, 1000, 350, 650}, Case{4, 2, 5000, 1200, 3800},
                       Case{10, 3, 5500, 5500, 0}, Case{10, 3, -20, -20, 0}}) {
    GameState s = NewGame();
    s.Level = c.level;
    s.ShopRank = c.rank;
    s.Gold = c.gold;
    s.DealAmount = LivingCost(s);
    ChargeLivingCost(s);
    EXPECT_EQ(s.DealAmount, c.charged) << c.level << "/" << c.rank << "/" << c.gold;
    EXPECT_EQ(s.Gold, c.goldAfter) << c.level << "/" << c.rank << "/" << c.gold;
  }
}

TEST(ShopDay, GameOverAtLevelTenForEachRank) {
  struct Case {
    std::int16_t rank;
    std::int32_t gold;
    std::int32_t penalty;
    std::int32_t goldAfter;
  };
  for (const Case c : {Case{1, 10000, 1600, 8400}, Case{2, 30000, 23000, 7000}, Case{3, 100000, 106000, 0}}) {
    GameState s = NewGame();
    s.Level = 10;
    s.ShopRank = c.rank;
    s.Gold = c.gold;
    s.Reputation = 301;
    s.HP = 0;
    s.MaxHP = 90;
    s.ScenePhase = 21;
    EXPECT_EQ(GameOverPenalty(s), c.penalty) << c.rank;
    ApplyGameOverLosses(s);
    EXPECT_EQ(s.Gold, c.goldAfter) << c.rank;
    EXPECT_EQ(s.Reputation, 150) << c.rank;
    EXPECT_EQ(s.HP, 90) << c.rank;
    EXPECT_EQ(s.ScenePhase, 0) << c.rank;
    EXPECT_EQ(s.DefeatsCount, 1) << c.rank;
  }
}

TEST(ShopDay, ClosingOnACustomerCancelsTheTradeAndCostsReputation) {
  GameState s = NewGame();
  s.Level = 3;
  s.Reputation = 20;
  s.EventActive = kTrue;
  s.PendingAction = code::CloseAnswered;
  s.ScenePhase = 21;
  ScriptedRandom random;
  random.Queue(0.0);  // weight 0 counts as 1
  random.Queue(0.9);  // Int(3.6) = 3
  CancelVisitForClosing(s, random);
  EXPECT_EQ(s.DealReputation, 1);
  EXPECT_EQ(s.Reputation, 12);
  EXPECT_EQ(s.Answer, 9999);
  EXPECT_EQ(s.EventActive, kFalse);
  EXPECT_EQ(s.PendingAction, code::Idle);
  EXPECT_EQ(s.ScenePhase, 0);

  s.Reputation = 3;
  random.Queue(0.9);
  random.Queue(0.9);
  CancelVisitForClosing(s, random);
  EXPECT_EQ(s.Reputation, 0);
}

TEST(ShopDay, EnlargingGoesToThirtyFiveRowsThenSixty) {
  GameState s = NewGame();
  s.Gold = 1200000;
  s.DealAmount = 100000;
  EnlargeShop(s);
  EXPECT_EQ(s.ShopRank, 2);
  EXPECT_EQ(s.StockCapacity, 35);
  EXPECT_EQ(s.Gold, 1100000);
  s.DealAmount = 1000000;
  EnlargeShop(s);
  EXPECT_EQ(s.ShopRank, 3);
  EXPECT_EQ(s.StockCapacity, 60);
  EXPECT_EQ(s.Gold, 100000);
}

}  // namespace
}  // namespace tolmark::shop
