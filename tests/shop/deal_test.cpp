// Trade arithmetic: drawn weapons and prices, each answer's effect on money, stock and standing.
#include "shop/deal.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "new_game.h"
#include "shop/shop_codes.h"

namespace tolmark::shop {
namespace {

using testing_support::NewGame;

void QueueAll(ScriptedRandom& random, std::initializer_list<double> values) {
  for (double v : values) random.Queue(v);
}

TEST(DealPreparation, SellersBringOnlyTheirChaptersWeapons) {
  struct Case {
    std::int32_t chapter;
    std::initializer_list<double> draws;
    std::int32_t weapon;
  };
  // 13..19 and 33..39 are drawn again; an unknown chapter brings the wooden sword.
  const Case cases[] = {
      {1, {0.99}, 12},
      {2, {13.5 / 33, 19.5 / 33, 20.5 / 33}, 20},
      {3, {35.5 / 53, 15.5 / 53, 52.5 / 53}, 52},
      {4, {40.5 / 53}, 40},
      {0, {}, 0},
  };
  for (const Case& c : cases) {
    ScriptedRandom random;
    QueueAll(random, c.draws);
    EXPECT_EQ(DrawBroughtWeapon(c.chapter, random), c.weapon) << c.chapter;
    EXPECT_EQ(random.Queued(), 0u) << c.chapter;
  }
}

TEST(DealPreparation, PricesAndReputationWeight) {
  struct Case {
    const char* what;
    Flag buys;
    Flag autoMode;
    std::int32_t level;
    std::initializer_list<double> draws;
    std::int32_t item;
    std::int32_t price;
    std::int32_t weight;
  };
  // Weapon 12 costs 530: a seller asks 132 + Int(Rnd × 266).
  const Case cases[] = {
      {"seller, cheapest", kFalse, kFalse, 1, {12.5 / 13, 0.0, 0.0}, 12, 132, 1},
      {"seller, dearest", kFalse, kFalse, 3, {12.5 / 13, 0.9999, 0.99}, 12, 397, 3},
      {"seller, auto mode asks a tenth more", kFalse, kTrue, 1, {12.5 / 13, 0.9999, 0.6}, 12, 436, 1},
      {"buyer pays the list price", kTrue, kFalse, 1, {0.7, 0.0}, 2, 30, 1},
      {"buyer in auto mode pays nine tenths", kTrue, kTrue, 1, {0.7, 0.0}, 2, 27, 1},
  };
  for (const Case& c : cases) {
    GameState s = NewGame();
    s.CustomerBuys = c.buys;
    s.AutoMode = c.autoMode;
    s.Level = c.level;
    ScriptedRandom random;
    QueueAll(random, c.draws);
    PrepareDeal(s, random);
    EXPECT_EQ(s.CurrentItem, c.item) << c.what;
    EXPECT_EQ(s.ItemPrice, c.price) << c.what;
    EXPECT_EQ(s.DealReputation, c.weight) << c.what;
  }
}

TEST(DealPreparation, SellerOfAWeaponHeldFiftyTimesBecomesABuyer) {
  GameState s = NewGame();
  s.ShopStock[1].Count = 50;
  s.CustomerBuys = kFalse;
  ScriptedRandom random;
  QueueAll(random, {1.5 / 13, 0.0 /* row 0 */, 0.0});
  PrepareDeal(s, random);
  EXPECT_EQ(s.CustomerBuys, kTrue);
  EXPECT_EQ(s.CurrentItem, 0);
  EXPECT_EQ(s.ItemPrice, 10);
}

// Only a tampered save holds such a count; the buyer still asks for a row the list has.
TEST(DealPreparation, ABuyerPicksAmongTheRowsTheStockHasWhateverItsCount) {
  struct Case {
    std::int32_t count;
    std::int32_t item;
  };
  const Case cases[] = {{-1, 0}, {500, 44}};  // the draw of 0.5 picks row 0 or row 30
  for (const Case& c : cases) {
    GameState s = NewGame();
    s.ShopStock[30] = {44, 1};
    s.StockCount = c.count;
    s.CustomerBuys = kTrue;
    ScriptedRandom random;
    QueueAll(random, {0.5, 0.0});
    PrepareDeal(s, random);
    EXPECT_EQ(s.CurrentItem, c.item) << c.count;
  }
}

struct AnswerCase {
  const char* what;
  bool buys;
  std::int32_t picture;
  std::int32_t gold;
  bool fullStock;
  std::vector<double> draws;
  std::int32_t code;
  std::int32_t goldAfter;
  std::int32_t reputationAfter;
  std::int32_t hpAfter;
  std::int32_t piecesOfItemAfter;  // of weapon 2 (buyers) or weapon 5 (sellers)
  std::int32_t amount;
};

class DealAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(DealAnswerTest, YesMovesMoneyStockReputationAndHP) {
  const AnswerCase& c = GetParam();
  GameState s = NewGame();
  s.Gold = c.gold;
  s.Reputation = 50;
  s.VisitorPicture = c.picture;
  s.CustomerBuys = AsFlag(c.buys);
  s.CurrentItem = c.buys ? 2 : 5;
  s.ItemPrice = c.buys ? 30 : 100;
  s.DealReputation = 2;
  s.Answer = 89;
  if (c.fullStock) s.StockCapacity = 3;
  ScriptedRandom random;
  for (double v : c.draws) random.Queue(v);
  if (c.buys) {
    SellToCustomer(s, random);
    EXPECT_EQ(s.SalesCount, 1) << c.what;
  } else {
    // Only a bought piece without room is turned away at once.
    EXPECT_EQ(BuyFromCustomer(s, random), !(c.fullStock && c.gold >= 100)) << c.what;
  }
  EXPECT_EQ(s.Answer, 0) << c.what;
  EXPECT_EQ(s.PendingAction, c.code) << c.what;
  EXPECT_EQ(s.Gold, c.goldAfter) << c.what;
  EXPECT_EQ(s.Reputation, c.reputationAfter) << c.what;
  EXPECT_EQ(s.HP, c.hpAfter) << c.what;
  std::int32_t pieces = 0;
  for (std::int32_t i = 0; i < s.StockCount; ++i) {
    if (s.ShopStock[static_cast<std::size_t>(i)].WeaponId == s.CurrentItem) {
      pieces = s.ShopStock[static_cast<std::size_t>(i)].Count;
    }
  }
  EXPECT_EQ(pieces, c.piecesOfItemAfter) << c.what;
  EXPECT_EQ(s.DealAmount, c.amount) << c.what;
}

// Draws: the buyer's can-pay roll (0 = cannot) where there is one, then the HP cost.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Outcomes, DealAnswerTest, ::testing::Values(
  //          what                              buys  pic  gold  full   draws             code                 gold rep  hp pieces amount
  AnswerCase{"buyer pays",                      true,  72, 1000, false, {0.5, 0.9},       code::DealDone,      1030, 52, 34, 2,   0},
  AnswerCase{"buyer short: keeps the piece",    true,  72, 1000, false, {0.0, 0.9},       code::ShortOfMoney,  1000, 50, 34, 3,   0},
  AnswerCase{"rich lady short: takes it",       true,  90, 1000, false, {0.0, 0.99, 0.9}, code::ShortOfMoney,  1030, 50, 34, 2,  30},
  AnswerCase{"merchant buys",                   false, 51, 1000, false, {0.9},            code::DealDone,       900, 52, 34, 1,   0},
  AnswerCase{"merchant short: swordsman",       false, 51,   99, false, {0.9},            code::ShortOfMoney,    99, 50, 34, 0,   0},
  AnswerCase{"merchant short: travelling",      false, 26,   99, false, {0.9},            code::ShortOfMoney,     0, 50, 34, 1,   0},
  AnswerCase{"merchant short: priest's gift",   false, 60,   99, false, {0.9},            code::ShortOfMoney,    99, 50, 34, 1,   0},
  AnswerCase{"merchant short: rich lady gives", false, 90,   99, false, {0.9},            code::ShortOfMoney,   449, 50, 34, 0, 350},
  AnswerCase{"no room: nothing paid",           false, 51, 1000, true,  {},               code::NoRoomInStock, 1000, 50, 35, 0,   0},
  AnswerCase{"gift, no room: the code waits",   false, 60,   99, true,  {0.9},            code::NoRoomInStock,   99, 50, 34, 0,   0}
));
// clang-format on

TEST(DealAnswers, RefusalAndNoRoomCostReputationNotBelowZero) {
  struct Case {
    std::int32_t reputation;
    std::int32_t level;
    double draw;
    std::int32_t refused;  // after a "no" with DealReputation 2
    std::int32_t noRoom;   // after the no-room outcome
  };
  for (const Case c : {Case{50, 1, 0.0, 44, 47}, Case{50, 4, 0.99, 38, 38}, Case{5, 9, 0.5, 0, 0}}) {
    GameState s = NewGame();
    s.Reputation = c.reputation;
    s.Level = c.level;
    s.DealReputation = 2;
    s.Answer = 78;
    ScriptedRandom random;
    random.Queue(c.draw);
    RefuseDeal(s, random);
    EXPECT_EQ(s.Reputation, c.refused) << c.reputation << "/" << c.level;
    EXPECT_EQ(s.PendingAction, code::DealRefused);
    EXPECT_EQ(s.RefusalsCount, 1);
    EXPECT_EQ(s.Answer, 0);
    EXPECT_EQ(s.HP, 35);  // a refusal costs no HP

    s.Reputation = c.reputation;
    TurnAwayForNoRoom(s);
    EXPECT_EQ(s.Reputation, c.noRoom);
  }
}

TEST(DealAnswers, ReputationStopsAt999AndGoldAtItsCap) {
  GameState s = NewGame();
  s.Reputation = 998;
  s.Gold = 999999990;
  s.CustomerBuys = kTrue;
  s.CurrentItem = 2;
  s.ItemPrice = 30;
  s.DealReputation = 5;
  ScriptedRandom random;
  QueueAll(random, {0.5, 0.0});
  SellToCustomer(s, random);
  EXPECT_EQ(s.Reputation, 999);
  EXPECT_EQ(s.Gold, 999999999);
}

}  // namespace
}  // namespace tolmark::shop
