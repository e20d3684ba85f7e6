// The weapon and monster tables of a new game, monster lookup by picture and the market prices.
#include <gtest/gtest.h>

#include "model/game_state.h"
#include "model/monsters.h"
#include "model/random.h"
#include "model/weapons.h"
#include "new_game.h"

namespace tolmark {
namespace {

using testing_support::NewGame;

TEST(Catalogue, NewGameBuildsTheTablesAndTheOrder) {
  GameState s;
  ApplyNewGame(s);
  EXPECT_EQ(s.Catalogue[0].Name, "木刀");
  EXPECT_EQ(s.Catalogue[33].Price, 10000);
  EXPECT_EQ(s.Catalogue[60].Name, "魔剣ケルベラー");
  EXPECT_EQ(s.RoyalOrder[2].Name, "セイントソード");
  EXPECT_EQ(s.RoyalOrder[3].WeaponId, 51);
  EXPECT_EQ(s.Monsters[28].Name, "魔族ガイル");
}

TEST(Monsters, LookupByPictureTakesTheFirstMatchingRow) {
  GameState s = NewGame();
  const int orc = MonsterRowByPicture(s, 153);
  ASSERT_EQ(orc, 7);
  EXPECT_EQ(s.Monsters[7].HP, 153);
  EXPECT_EQ(s.Monsters[7].Exp, 246);
  EXPECT_EQ(s.Monsters[7].Gold, 500);
  EXPECT_EQ(MonsterRowByPicture(s, 108), 21);
  EXPECT_EQ(MonsterRowByPicture(s, 57), -1);
}

TEST(Market, AskingPricesLieBetweenHalfAndSevenTenths) {
  GameState s = NewGame();
  ScriptedRandom random;
  // Index 4 (base 100) is the fifth entry of choice 1: 0.1 gives 7 (< 50) and is drawn again.
  for (int i = 0; i < 4; ++i) random.Queue(0.99);
  random.Queue(0.1);
  random.Queue(0.75);
  BuildMarketGoods(s, 1, random);
  EXPECT_EQ(s.MarketGoods[4].WeaponId, 4);
  EXPECT_EQ(s.MarketGoods[4].OfferPrice, 52);
  EXPECT_EQ(s.MarketGoods[7].WeaponId, 41);
  for (const MarketEntry& e : s.MarketGoods) {
    EXPECT_GE(e.OfferPrice, e.BasePrice / 2);
    EXPECT_LT(e.OfferPrice, e.BasePrice * 0.7);
    EXPECT_EQ(e.Count, 10);
  }
  BuildMarketGoods(s, 0, random);
  EXPECT_EQ(s.MarketGoods[8].WeaponId, 41);  // サザンクロス is in both lists
}

}  // namespace
}  // namespace tolmark
