// Finds by the roadside and the priest: what each roll brings, the happenings' effects and
// second lines, the marks that never leave the road, and the draws each of them takes.
#include "field/roadside_finds.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "draws.h"
#include "field/gate_rules.h"
#include "field/going_home.h"

namespace tolmark::field {
namespace {

using testing::Draw;
using testing::NewGame;
using testing::OfN;

ScriptedRandom Queued(std::initializer_list<Draw> draws) {
  ScriptedRandom random;
  for (const Draw& d : draws) random.Queue(OfN(d.value, d.n));
  return random;
}

struct FindRangeCase {
  std::int32_t destination;
  FindRange ordinary, rare;
};

TEST(FieldFindRanges, ByDestination) {
  // clang-format off
  const FindRangeCase cases[] = {
    {1, {0, 12},  {13, 17}},
    {2, {21, 32}, {33, 37}},
    {3, {41, 52}, {53, 57}},
    {4, {41, 52}, {53, 57}},
  };
  // clang-format on
  for (const FindRangeCase& c : cases) {
    EXPECT_EQ(OrdinaryFinds(c.destination).first, c.ordinary.first) << c.destination;
    EXPECT_EQ(OrdinaryFinds(c.destination).last, c.ordinary.last) << c.destination;
    EXPECT_EQ(RareFinds(c.destination).first, c.rare.first) << c.destination;
    EXPECT_EQ(RareFinds(c.destination).last, c.rare.last) << c.destination;
  }
}

TEST(FieldFindRanges, DrawnAgainUntilInRange) {
  // アーウット's ordinary finds: Int(Rnd × 33) until above 20; 20 itself is drawn again.
  ScriptedRandom random = Queued({{5, 33}, {20, 33}, {21, 33}});
  EXPECT_EQ(DrawFind(OrdinaryFinds(2), random), 21);
  EXPECT_EQ(random.Queued(), 0u);
  // トーテム山's ordinary finds take the first draw, 0 included.
  random = Queued({{0, 13}});
  EXPECT_EQ(DrawFind(OrdinaryFinds(1), random), 0);
  // The castle road's rare finds: Int(Rnd × 58) until above 52; the highest is 57.
  random = Queued({{52, 58}, {57, 58}});
  EXPECT_EQ(DrawFind(RareFinds(3), random), 57);
  EXPECT_EQ(random.Queued(), 0u);
}

TEST(FieldFind, SomethingLiesByTheRoad) {
  GameState s = NewGame();
  BeginFind(s);
  EXPECT_EQ(s.EventActive, kTrue);
  EXPECT_EQ(s.PendingAction, 200);
}

TEST(FieldFind, OrdinaryWeaponJoinsItsEntryOrTakesANewOne) {
  GameState s = NewGame();
  s.Destination = 1;
  s.Bag[0] = {0, 2};
  s.BagCount = 1;
  s.BagPieces = 2;
  ScriptedRandom random = Queued({{1, 101}, {0, 13}, {50, 101}, {6, 13}});
  Outcome step = WhatLiesByTheRoad(s, random);
  EXPECT_EQ(step.line, "木刀か。持って帰って売るとするか");
  EXPECT_EQ(step.next, 40);
  EXPECT_TRUE(step.refreshWindows);
  EXPECT_EQ(s.Bag[0].Count, 3);
  EXPECT_EQ(s.BagCount, 1);
  step = WhatLiesByTheRoad(s, random);
  EXPECT_EQ(step.line, "金鎚か。持って帰って売るとするか");
  EXPECT_EQ(s.Bag[1], (StockEntry{6, 1}));
  EXPECT_EQ(s.BagCount, 2);
  EXPECT_EQ(s.BagPieces, 4);
  EXPECT_EQ(s.Collected[6], kTrue);
  EXPECT_EQ(s.BattleRoll, 6);
  EXPECT_EQ(s.HitRoll, 50);
}

TEST(FieldFind, FullBagTakesNothing) {
  GameState s = NewGame();
  s.Destination = 1;
  s.Bag[0] = {0, 10};
  s.BagCount = 1;
  s.BagPieces = 10;
  ScriptedRandom random = Queued({{1, 101}, {3, 13}, {0, 101}, {15, 18}});
  EXPECT_EQ(WhatLiesByTheRoad(s, random).line, "フライパンか。鞄が一杯で持てないな。……残念。");
  const Outcome rare = WhatLiesByTheRoad(s, random);
  EXPECT_EQ(rare.line, "斬鉄剣だ！鞄が一杯で持てないだとっ！！ショックだ！");
  EXPECT_FALSE(rare.refreshWindows);
  EXPECT_EQ(s.BagCount, 1);
  EXPECT_EQ(s.BagPieces, 10);
  EXPECT_EQ(s.Collected[15], kFalse);
}

TEST(FieldFind, RareWeaponCarriedTurnsIntoAHappening) {
  for (const bool inBag : {true, false}) {
    GameState s = NewGame();
    s.Destination = 1;
    if (inBag) {
      s.Bag[0] = {16, 1};
      s.BagCount = 1;
      s.BagPieces = 1;
    } else {
      s.ShopStock[s.StockCount++] = {16, 1};
    }
    // r 0, 村正 (16), then the happening t = 3 (a fall) and its amount.
    ScriptedRandom random = Queued({{0, 101}, {16, 18}, {3, 10}, {2, 3}});
    const Outcome step = WhatLiesByTheRoad(s, random);
    EXPECT_EQ(step.line, "痛たたた……") << inBag;
    EXPECT_EQ(step.next, 202) << inBag;
    EXPECT_EQ(s.HP, 33) << inBag;
    EXPECT_EQ(s.BagPieces, inBag ? 1 : 0) << inBag;
    EXPECT_EQ(random.Queued(), 0u) << inBag;
  }
}

TEST(FieldFind, RareWeaponNotCarriedIsNew) {
  GameState s = NewGame();
  s.Destination = 1;
  ScriptedRandom random = Queued({{0, 101}, {2, 18}, {17, 18}});
  const Outcome step = WhatLiesByTheRoad(s, random);
  EXPECT_EQ(step.line, "トライデントだ！ラッキー！！");
  EXPECT_EQ(s.Bag[0], (StockEntry{17, 1}));
  EXPECT_EQ(s.Collected[17], kTrue);
}

struct MoneyCase {
  std::int32_t destination, level;
  double u;
  std::int32_t found;
};

TEST(FieldFind, MoneyGrowsWithTheLevel) {
  // clang-format off
  const MoneyCase cases[] = {
    {1, 1,  0.5,        250},
    {2, 3,  0.5,        1500},
    {3, 2,  0.25,       1000},
    {4, 10, 0.99999994, 29990},  // Int(u × 3000) is at most 2999
    {4, 10, 0.0,        0},
  };
  // clang-format on
  for (const MoneyCase& c : cases) {
    GameState s = NewGame();
    s.Destination = c.destination;
    s.Level = c.level;
    ScriptedRandom random;
    random.Queue(OfN(55, 101));
    random.Queue(c.u);
    const Outcome step = WhatLiesByTheRoad(s, random);
    EXPECT_EQ(s.Gold, 1000 + c.found) << c.destination << " " << c.u;
    EXPECT_EQ(step.line, std::to_string(c.found) + "カリム拾ったぞ！やった～！");
  }
  GameState s = NewGame();
  s.Gold = 999999000;
  s.Destination = 4;
  s.Level = 10;
  ScriptedRandom random;
  random.Queue(OfN(60, 101));
  random.Queue(0.5);
  WhatLiesByTheRoad(s, random);
  EXPECT_EQ(s.Gold, 999999999);
}

// A happening with the state it meets, the draws after t, and what it leaves.
struct HappeningCase {
  const char* what;
  int t;
  std::int32_t hp, gold;
  std::vector<Draw> amount;
  std::int32_t hpAfter, goldAfter, next;
  std::string_view second;  // the second line at the next click
  std::int32_t hpSettled, goldSettled;
  friend void PrintTo(const HappeningCase& c, std::ostream* os) { *os << c.what; }
};

class FieldHappeningTest : public ::testing::TestWithParam<HappeningCase> {};

TEST_P(FieldHappeningTest, FirstLineEffectAndSecondLine) {
  const HappeningCase& c = GetParam();
  GameState s = NewGame();
  s.HP = c.hp;
  s.Gold = c.gold;
  ScriptedRandom random;
  random.Queue(OfN(c.t, 10));
  for (const Draw& d : c.amount) random.Queue(OfN(d.value, d.n));
  const Outcome first = LittleHappening(s, random);
  EXPECT_EQ(random.Queued(), 0u) << "every draw queued, and no more, was taken";
  EXPECT_EQ(first.next, c.next);
  EXPECT_FALSE(first.refreshWindows);
  EXPECT_EQ(s.HP, c.hpAfter);
  EXPECT_EQ(s.Gold, c.goldAfter);
  s.PendingAction = *first.next;
  const Outcome second = SecondLine(s);
  if (c.next == 40) {
    EXPECT_TRUE(second.line.empty());
    return;
  }
  EXPECT_EQ(second.line, c.second);
  EXPECT_EQ(second.next, 40);
  EXPECT_EQ(s.HP, c.hpSettled);
  EXPECT_EQ(s.Gold, c.goldSettled);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Happenings, FieldHappeningTest, ::testing::Values(
  HappeningCase{"a stone", 0, 35, 1000, {}, 35, 1000, 40, "", 35, 1000},
  HappeningCase{"meat at full HP", 1, 35, 1000, {}, -1, 1000, 201,
                "ウプ……食べ過ぎたようだ。気持ち悪くなった……。残りHP：31", 31, 1000},
  HappeningCase{"meat when hurt", 1, 20, 1000, {{8, 17}}, 28, 1000, 201,
                "美味い！体力が8ぐらいは回復したかな？残りHP：28", 28, 1000},
  HappeningCase{"meat never past the maximum", 1, 30, 1000, {{16, 17}}, 35, 1000, 201,
                "美味い！体力が5ぐらいは回復したかな？残りHP：35", 35, 1000},
  HappeningCase{"meat heals at least 1", 1, 30, 1000, {{0, 17}}, 31, 1000, 201,
                "美味い！体力が1ぐらいは回復したかな？残りHP：31", 31, 1000},
  HappeningCase{"dung", 2, 35, 1000, {}, 35, 1000, 40, "", 35, 1000},
  HappeningCase{"a fall at 35 HP", 3, 35, 1000, {{2, 3}}, 33, 1000, 202,
                "転んで体力が2ぐらい減ったようだ。残りHP：33", 33, 1000},
  HappeningCase{"a fall at 2 HP takes 1", 3, 2, 1000, {{0, 1}}, 1, 1000, 202,
                "ちくしょう、邪魔な石だな！", 1, 1000},
  HappeningCase{"a fall at 1 HP draws nothing", 3, 1, 1000, {}, 1, 1000, 202,
                "ちくしょう、邪魔な石だな！", 1, 1000},
  HappeningCase{"saying things", 4, 35, 1000, {}, 35, 1000, 40, "", 35, 1000},
  HappeningCase{"the trap", 5, 35, 1000, {{25, 50}}, 35, 974, 203,
                "はぁ……、26カリム落としちまった！", 35, 974},
  HappeningCase{"the trap, an empty purse", 5, 35, 0, {}, 35, -1, 203,
                "……サイフはカラだったな…", 35, 0},
  HappeningCase{"the trap takes the last coin", 5, 35, 1, {{0, 1}}, 35, -1, 203,
                "……サイフはカラだったな…", 35, 0},
  HappeningCase{"a greeting", 6, 35, 1000, {}, 35, 1000, 204,
                "一応店主なんだから、挨拶の練習ぐらいしないとな", 35, 1000},
  HappeningCase{"wishing", 7, 35, 1000, {}, 35, 1000, 40, "", 35, 1000},
  HappeningCase{"a pretty stone", 8, 35, 1000, {}, 35, 1000, 40, "", 35, 1000},
  HappeningCase{"a shout", 9, 35, 1000, {}, 35, 1000, 205, "たまには叫ぶのもいいな", 35, 1000}
));
// clang-format on

TEST(FieldFindMarks, SettledAsTheNextClickWould) {
  GameState s = NewGame();
  s.MaxHP = 50;
  s.HP = -1;
  s.Gold = -1;
  SettleFindMarks(s);
  EXPECT_EQ(s.HP, 45);
  EXPECT_EQ(s.Gold, 0);

  // Real values are left alone.
  s.HP = 0;
  s.Gold = 7;
  SettleFindMarks(s);
  EXPECT_EQ(s.HP, 0);
  EXPECT_EQ(s.Gold, 7);
}

TEST(FieldFindMarks, NeverLeaveTheRoad) {
  // Home with the wagon (the departure's mark) and through the gate: real values only.
  GameState home = NewGame();
  home.HP = -1;
  home.Gold = -1;
  MarkDepartedHome(home);
  EXPECT_EQ(home.HP, 31);
  EXPECT_EQ(home.Gold, 0);

  GameState gate = NewGame();
  gate.HP = -1;
  gate.Gold = -1;
  GoThroughTheGate(gate);
  EXPECT_EQ(gate.HP, 31);
  EXPECT_EQ(gate.Gold, 0);
}

TEST(FieldPriest, BlessesAtFullHP) {
  GameState s = NewGame();
  BeginPriestVisit(s);
  EXPECT_EQ(s.EventActive, kTrue);
  EXPECT_EQ(s.FieldStop, kTrue);
  EXPECT_EQ(s.VisitorPicture, kPriestPicture);
  EXPECT_EQ(s.VisitorFrames, 3);
  const Outcome step = PriestStep(s);
  EXPECT_EQ(step.line, priest_line::kBlessing);
  EXPECT_EQ(step.speaker, Speaker::Visitor);
  EXPECT_EQ(step.next, 40);
}

TEST(FieldPriest, HealsTheHurtInThreeMoreClicks) {
  GameState s = NewGame();
  BeginPriestVisit(s);
  s.HP = 3;
  struct Expected {
    std::string_view line;
    bool hero;
    bool refresh;
    std::int32_t next;
  };
  const Expected steps[] = {{priest_line::kHurt, false, false, 121},
                            {priest_line::kPrayer, false, false, 122},
                            {priest_line::kThanks, true, false, 123},
                            {priest_line::kBlessing, false, true, 40}};
  for (const Expected& e : steps) {
    const Outcome step = PriestStep(s);
    EXPECT_EQ(step.line, e.line);
    EXPECT_EQ(step.speaker == Speaker::Hero, e.hero);
    EXPECT_EQ(step.refreshWindows, e.refresh);
    EXPECT_EQ(step.next, e.next);
    s.PendingAction = *step.next;
  }
  EXPECT_EQ(s.HP, s.MaxHP);
}

}  // namespace
}  // namespace tolmark::field
