// Whole lots: the wagon's load, the holy-beast weapons handed over, the strongest sword.
#include "shop/stock_moves.h"

#include <gtest/gtest.h>

#include <vector>

#include "new_game.h"

namespace tolmark::shop {
namespace {

using testing_support::NewGame;

GameState WithStock(std::vector<StockEntry> stock) {
  GameState s = NewGame();
  s.StockCapacity = 60;
  s.StockCount = static_cast<std::int32_t>(stock.size());
  for (std::size_t i = 0; i < stock.size(); ++i) s.ShopStock[i] = stock[i];
  return s;
}

std::vector<StockEntry> Stock(const GameState& s) {
  return {s.ShopStock.begin(), s.ShopStock.begin() + s.StockCount};
}
std::vector<StockEntry> Bag(const GameState& s) {
  return {s.Bag.begin(), s.Bag.begin() + s.BagCount};
}

TEST(WagonLoading, FillsFiftyThirtyNothingNothing) {
  // The order wants 23, 32, 44 and 51, fifty each.
  GameState s = WithStock({{0, 3}, {23, 50}, {32, 50}, {44, 50}, {51, 50}});
  s.BagCapacity = 17;
  EXPECT_EQ(LoadWagon(s), 80);
  EXPECT_EQ(Bag(s), (std::vector<StockEntry>{{23, 50}, {32, 30}}));
  EXPECT_EQ(Stock(s), (std::vector<StockEntry>{{0, 3}, {32, 20}, {44, 50}, {51, 50}}));
  EXPECT_EQ(s.SavedBagCapacity, 17);
  EXPECT_EQ(s.BagCapacity, 80);
}

TEST(WagonLoading, TakesOnlyWhatIsStillWantedAndSkipsMissingWeapons) {
  GameState s = WithStock({{44, 12}, {32, 40}, {51, 3}});
  s.RoyalOrder[1].Wanted = 25;  // weapon 32
  s.RoyalOrder[2].Wanted = 0;   // weapon 44: delivered already
  EXPECT_EQ(LoadWagon(s), 28);
  EXPECT_EQ(Bag(s), (std::vector<StockEntry>{{32, 25}, {51, 3}}));
  EXPECT_EQ(Stock(s), (std::vector<StockEntry>{{44, 12}, {32, 15}}));
}

TEST(WagonLoading, NothingOrderedInStockLoadsNothing) {
  GameState s = WithStock({{0, 3}, {1, 3}});
  s.Bag[0] = {7, 2};
  s.BagCount = 1;
  s.BagPieces = 2;
  EXPECT_EQ(LoadWagon(s), 0);
  EXPECT_EQ(s.BagCount, 0);
  EXPECT_EQ(Stock(s), (std::vector<StockEntry>{{0, 3}, {1, 3}}));
}

TEST(HolyBeastWeapons, AllFiveLeaveWholeOrNothingDoes) {
  GameState five = WithStock({{18, 3}, {0, 1}, {19, 50}, {38, 1}, {39, 2}, {58, 7}, {1, 4}});
  EXPECT_TRUE(TakeHolyBeastWeapons(five));
  EXPECT_EQ(Stock(five), (std::vector<StockEntry>{{0, 1}, {1, 4}}));

  GameState four = WithStock({{18, 3}, {19, 50}, {38, 1}, {39, 2}, {1, 4}});
  EXPECT_FALSE(TakeHolyBeastWeapons(four));
  EXPECT_EQ(four.StockCount, 5);
}

TEST(StrongestSword, JoinsTheStockOrIsThrownAwayAtFifty) {
  GameState fresh = WithStock({{0, 3}});
  EXPECT_FALSE(AddStrongestSword(fresh).has_value());
  EXPECT_EQ(Stock(fresh), (std::vector<StockEntry>{{0, 3}, {59, 1}}));
  EXPECT_EQ(fresh.Collected[59], kTrue);

  GameState some = WithStock({{59, 49}});
  EXPECT_FALSE(AddStrongestSword(some).has_value());
  EXPECT_EQ(some.ShopStock[0].Count, 50);

  GameState full = WithStock({{59, 50}});
  const auto line = AddStrongestSword(full);
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(*line, "五輪の剣は、これ以上要らないな。残念だが捨ててしまおう…");
  EXPECT_EQ(full.ShopStock[0].Count, 50);
}

// A count below zero (a tampered save) leaves no place to write the sword to.
TEST(StrongestSword, AStockCountBelowZeroWritesNowhere) {
  GameState s = WithStock({{0, 3}});
  s.StockCount = -1;
  const GameState before = s;
  EXPECT_FALSE(AddStrongestSword(s).has_value());
  EXPECT_EQ(s.StockCount, -1);
  EXPECT_EQ(s.ShopStock, before.ShopStock);
  EXPECT_EQ(s.Collected[59], before.Collected[59]);
}

}  // namespace
}  // namespace tolmark::shop
