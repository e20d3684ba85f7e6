// Shared pieces of the save tests: the new game's two lines and a field-by-field comparison.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/game_state.h"
#include "scene_fixture.h"

namespace tolmark::testing_save {

// A fresh game's save, letter for letter.
inline const std::string kNewGameFirstLine =
    "uuuefuuuefuuupuuusuuueuuhbuuuuuuhpsuuuhuuuuuuuuuuuuuuuuuufzubhhuuuuzbzbzbzbuuhpufuhbuuufuh"
    "ufubufuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuu";
inline const std::string kNewGameSecondLine =
    "zxgjqwtrasmnhjqwtrasmnhjqwtrasmnhjqwtrasmnhjqwtrasmnhjqwtrasm";

using testing_support::NewGame;

// Every field the save file carries must have come back unchanged.
inline void ExpectSameSavedFields(const GameState& got, const GameState& want) {
  EXPECT_EQ(got.MaxHP, want.MaxHP);
  EXPECT_EQ(got.HP, want.HP);
  EXPECT_EQ(got.Attack, want.Attack);
  EXPECT_EQ(got.Defense, want.Defense);
  EXPECT_EQ(got.Speed, want.Speed);
  EXPECT_EQ(got.Reputation, want.Reputation);
  EXPECT_EQ(got.Gold, want.Gold);
  EXPECT_EQ(got.Level, want.Level);
  EXPECT_EQ(got.Experience, want.Experience);
  EXPECT_EQ(got.NextLevelExp, want.NextLevelExp);
  EXPECT_EQ(got.GrowthRate, want.GrowthRate);
  EXPECT_EQ(got.ShopRank, want.ShopRank);
  EXPECT_EQ(got.Chapter, want.Chapter);
  EXPECT_EQ(got.GameCleared, want.GameCleared);
  for (int i = 0; i < kOrderRows; ++i) EXPECT_EQ(got.RoyalOrder[i].Wanted, want.RoyalOrder[i].Wanted) << i;
  EXPECT_EQ(got.StoryState, want.StoryState);
  EXPECT_EQ(got.StockCapacity, want.StockCapacity);
  ASSERT_EQ(got.StockCount, want.StockCount);
  for (int k = 0; k < want.StockCount; ++k) EXPECT_EQ(got.ShopStock[k], want.ShopStock[k]) << k;
  EXPECT_EQ(got.BagCapacity, want.BagCapacity);
  EXPECT_EQ(got.WinsCount, want.WinsCount);
  EXPECT_EQ(got.EscapesCount, want.EscapesCount);
  EXPECT_EQ(got.DefeatsCount, want.DefeatsCount);
  EXPECT_EQ(got.SalesCount, want.SalesCount);
  EXPECT_EQ(got.PurchasesCount, want.PurchasesCount);
  EXPECT_EQ(got.RefusalsCount, want.RefusalsCount);
  EXPECT_EQ(got.DemonDealsCount, want.DemonDealsCount);
  EXPECT_EQ(got.DemonsDefeated, want.DemonsDefeated);
  EXPECT_EQ(got.Collected, want.Collected);
}

}  // namespace tolmark::testing_save
