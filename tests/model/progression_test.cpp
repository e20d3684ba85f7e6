// Capped growth, the customer roll, deal HP, experience and level-ups, each roll queued.
#include "model/progression.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "model/random.h"
#include "model/step_codes.h"
#include "new_game.h"

namespace tolmark {
namespace {

using testing_support::NewGame;

// A Rnd value that makes Int(Rnd × n) come out as k.
double RollFor(int k, int n) { return (k + 0.5) / n; }

ScriptedRandom Queued(std::initializer_list<double> values) {
  ScriptedRandom random;
  for (const double v : values) random.Queue(v);
  return random;
}

TEST(AddCapped, GrowsUpToTheCapOfItsKind) {
  struct Case {
    int kind;
    std::int32_t GameState::*value;
    std::int32_t start;
    double amount;
    std::int32_t expected;
  };
  const std::vector<Case> cases = {
      {1, &GameState::Gold, 999999999 - 100, 1000, 999999999},
      {1, &GameState::Gold, -50, 20, -30},  // a debt is not lifted to 0
      {2, &GameState::MaxHP, 9990, 20, 9999},
      {3, &GameState::Attack, 990, 9, 999},
      {4, &GameState::Defense, 998, 5, 999},
      {5, &GameState::Speed, 10, 4, 14},
      {6, &GameState::WinsCount, 99999, 1, 99999},
      {7, &GameState::EscapesCount, 9999, 1, 9999},
      {8, &GameState::DefeatsCount, 999, 1, 999},
      {9, &GameState::SalesCount, 41, 1, 42},
      {10, &GameState::PurchasesCount, 99999, 1, 99999},
      {11, &GameState::RefusalsCount, 999, 1, 999},
      {12, &GameState::DemonDealsCount, 99, 1, 99},
      {1, &GameState::Gold, 10, 2.5, 12},  // halves go to the even neighbour
      {1, &GameState::Gold, 10, 3.5, 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    GameState s;
    s.*c.value = c.start;
    AddCapped(s, c.amount, c.kind);
    EXPECT_EQ(s.*c.value, c.expected);
  }
}

TEST(AddCapped, UnknownKindsChangeNothing) {
  GameState s = NewGame();
  const GameState before = s;
  for (const int kind : {0, 13, -1}) AddCapped(s, 5, kind);
  EXPECT_EQ(s.Gold, before.Gold);
  EXPECT_EQ(s.MaxHP, before.MaxHP);
  EXPECT_EQ(s.DemonDealsCount, before.DemonDealsCount);
}

TEST(VisitorComes, TheBoundaryRollsAtBothEndsOfReputation) {
  struct Case {
    int reputation;
    int roll;
    bool comes;
  };
  const std::vector<Case> cases = {
      {0, 950, false}, {0, 951, true},  {0, 999, true}, {0, 0, false},
      {999, 451, false},  // 499.5 + 451 = 950.5 rounds down to 950
      {999, 452, true},   {10, 945, false}, {10, 946, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.reputation << " " << c.roll);
    ScriptedRandom random = Queued({RollFor(c.roll, 1000)});
    EXPECT_EQ(VisitorComes(random, c.reputation), c.comes);
    EXPECT_EQ(random.Queued(), 0u);
  }
}

TEST(PayDealHP, CostsByLevelAndAutoMode) {
  struct Case {
    const char* what;
    std::int32_t level;
    Flag autoMode;
    std::int32_t hp;
    double rnd;
    std::int32_t hpAfter;
    Flag fainted;
  };
  const std::vector<Case> cases = {
      {"level 1, roll 0 becomes 1", 1, kFalse, 35, RollFor(0, 2), 34, kFalse},
      {"level 1, roll 1", 1, kFalse, 35, RollFor(1, 2), 34, kFalse},
      {"level 1 in auto mode", 1, kTrue, 35, RollFor(0, 2), 33, kFalse},
      {"level 5 in auto mode: Int(3 × 1.3) + 1", 5, kTrue, 35, RollFor(3, 6), 31, kFalse},
      {"HP 1 and a cost of 2 faints", 1, kTrue, 1, RollFor(1, 2), 0, kTrue},
      {"exactly the last HP faints", 1, kFalse, 1, RollFor(1, 2), 0, kTrue},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameState s = NewGame();
    s.Level = c.level;
    s.AutoMode = c.autoMode;
    s.HP = c.hp;
    s.HeroFainted = kTrue;  // left over from an earlier faint
    ScriptedRandom random = Queued({c.rnd});
    PayDealHP(s, random);
    EXPECT_EQ(s.HP, c.hpAfter);
    EXPECT_EQ(s.HeroFainted, c.fainted);
  }
}

TEST(GainExperience, ADealEarnsARollOfAtLeastOne) {
  struct Case {
    std::int32_t level;
    double rnd;
    std::int32_t gained;
  };
  for (const Case c : {Case{1, RollFor(0, 2), 1}, {1, RollFor(1, 2), 1}, {4, RollFor(4, 5), 4}}) {
    GameState s = NewGame();
    s.Level = c.level;
    s.NextLevelExp = 1000;
    ScriptedRandom random = Queued({c.rnd});
    GainExperience(s, random);
    EXPECT_EQ(s.Experience, c.gained) << c.level;
    EXPECT_EQ(s.Level, c.level);
  }
}

TEST(GainExperience, AWonBattlePaysTheMonstersExperienceAndMoneyWithoutARoll) {
  GameState s = NewGame();
  s.PendingAction = code::BattleWon;
  s.MonsterExp = 7;
  s.MonsterGold = 500;
  s.Gold = 999999999 - 100;
  ScriptedRandom random = Queued({0.9});
  GainExperience(s, random);
  EXPECT_EQ(s.Experience, 7);
  EXPECT_EQ(s.Gold, 999999999);
  EXPECT_EQ(random.Queued(), 1u);
}

TEST(GainExperience, RaisesOneLevelAtMostAndCarriesTheSurplus) {
  GameState s = NewGame();
  s.PendingAction = code::BattleWon;
  s.MonsterExp = 200;  // enough for several levels
  ScriptedRandom random;
  GainExperience(s, random);
  EXPECT_EQ(s.Level, 2);
  EXPECT_EQ(s.Experience, 170);
  EXPECT_EQ(s.NextLevelExp, 38);
  EXPECT_EQ(s.LevelUpPending, kTrue);
}

TEST(LevelUp, GrowthByLevelAndRate) {
  struct Case {
    const char* what;
    std::int32_t fromLevel;
    std::int32_t growthRate;
    // Draws in order: max HP (of Level + 2 outcomes), then attack, defence, speed (0 or 1 each).
    int hpRoll, attackRoll, defenseRoll, speedRoll;
    std::int32_t maxHPGain, attackGain, defenseGain, speedGain;
    std::int32_t growthRateAfter;
  };
  const std::vector<Case> cases = {
      {"first level-up, low rolls", 1, 2, 0, 0, 0, 0, 7, 2, 1, 1, 2},
      {"first level-up, high rolls", 1, 2, 2, 1, 1, 1, 9, 3, 2, 2, 2},
      {"ordinary level, rate 3: Round(1.5) and Round(1)", 6, 3, 0, 0, 0, 0, 12, 3, 2, 1, 3},
      {"ordinary level, rate 5: Round(2.5) is 2", 2, 5, 0, 1, 0, 0, 8, 6, 2, 2, 5},
      {"level 10 is good but keeps the rate", 9, 2, 0, 0, 0, 0, 15, 3, 2, 1, 2},
      {"level 11 gains with the old rate, then raises it", 10, 2, 3, 1, 1, 0, 19, 4, 3, 1, 3},
      {"level 15, rate 4: Round(2.5) and Round(1.67)", 14, 4, 0, 0, 0, 0, 20, 5, 2, 2, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameState s = NewGame();
    s.Level = c.fromLevel;
    s.GrowthRate = c.growthRate;
    s.NextLevelExp = 100;
    s.Experience = 104;
    s.HP = 3;
    const GameState before = s;
    const int newLevel = c.fromLevel + 1;
    ScriptedRandom random = Queued({RollFor(c.hpRoll, newLevel + 1), RollFor(c.attackRoll, 2),
                                    RollFor(c.defenseRoll, 2), RollFor(c.speedRoll, 2)});
    LevelUp(s, random);
    EXPECT_EQ(random.Queued(), 0u);
    EXPECT_EQ(s.Level, newLevel);
    EXPECT_EQ(s.Experience, 4);
    EXPECT_EQ(s.NextLevelExp, 100 + 2 * newLevel * newLevel);
    EXPECT_EQ(s.MaxHP - before.MaxHP, c.maxHPGain);
    EXPECT_EQ(s.HP, s.MaxHP);
    EXPECT_EQ(s.Attack - before.Attack, c.attackGain);
    EXPECT_EQ(s.Defense - before.Defense, c.defenseGain);
    EXPECT_EQ(s.Speed - before.Speed, c.speedGain);
    EXPECT_EQ(s.GrowthRate, c.growthRateAfter);
    EXPECT_EQ(s.LevelUpPending, kTrue);
  }
}

TEST(LevelUp, GrowthStopsAtTheCaps) {
  GameState s = NewGame();
  s.MaxHP = 9995;
  s.Attack = s.Defense = s.Speed = 999;
  ScriptedRandom random = Queued({0.99, 0.99, 0.99, 0.99});
  LevelUp(s, random);
  EXPECT_EQ(s.MaxHP, 9999);
  EXPECT_EQ(s.HP, 9999);
  EXPECT_EQ(s.Attack, 999);
  EXPECT_EQ(s.Defense, 999);
  EXPECT_EQ(s.Speed, 999);
}

}  // namespace
}  // namespace tolmark
