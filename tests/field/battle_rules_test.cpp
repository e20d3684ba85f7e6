// The exchange of blows, the reward, the defeat and running away.
#include "field/battle_rules.h"

#include <gtest/gtest.h>

#include <ostream>

#include "draws.h"

namespace tolmark::field {
namespace {

using testing::Draw;
using testing::NewGame;

// The draws of a blow by what they roll: the hit roll (of 31), the blow roll (of 100), the
// plain blow's k (of 2), and the t and 1..5 draws (of 5); for an escape, its roll f (of 5)
// and the money dropped (of 1000).
Draw H(int v) { return {v, 31}; }
Draw C(int v) { return {v, 100}; }
Draw K(int v) { return {v, 2}; }
Draw T(int v) { return {v, 5}; }
Draw M(int v) { return {v, 1000}; }

struct EvasionCase {
  std::int32_t monsterSpeed, heroSpeed, evasion;
  friend void PrintTo(const EvasionCase& c, std::ostream* os) {
    *os << c.monsterSpeed << " against " << c.heroSpeed;
  }
};

class FieldEvasionTest : public ::testing::TestWithParam<EvasionCase> {};

TEST_P(FieldEvasionTest, GapDividedTowardZeroThenHeld) {
  const EvasionCase& c = GetParam();
  EXPECT_EQ(Evasion(c.monsterSpeed, c.heroSpeed), c.evasion)
      << c.monsterSpeed << " against " << c.heroSpeed;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Speeds, FieldEvasionTest, ::testing::Values(
  EvasionCase{4,   4,   0},
  EvasionCase{8,   4,   0},      // +4
  EvasionCase{9,   4,   1},      // +5
  EvasionCase{0,   9,   0},      // -9 \ 5 is -1, held at 0
  EvasionCase{0,   900, 0},
  EvasionCase{104, 4,   20},
  EvasionCase{999, 0,   20}
));
// clang-format on

// A fighting pair: hero values and the monster's, evasion chosen by the speeds.
GameState Fighters(std::int32_t attack, std::int32_t monsterDefense, std::int32_t evasion) {
  GameState s = NewGame();
  s.MonsterName = "スラーム";
  s.Attack = attack;
  s.MonsterDefense = monsterDefense;
  s.Speed = 4;
  s.MonsterSpeed = 4 + 5 * evasion;
  return s;
}

struct HeroBlowCase {
  const char* what;
  std::int32_t attack, monsterDefense, evasion;
  std::vector<Draw> draws;
  std::int32_t damage;
  bool strongLine;
  friend void PrintTo(const HeroBlowCase& c, std::ostream* os) { *os << c.what; }
};

class FieldHeroBlowTest : public ::testing::TestWithParam<HeroBlowCase> {};

TEST_P(FieldHeroBlowTest, AnnouncesTheBlow) {
  const HeroBlowCase& c = GetParam();
  GameState s = Fighters(c.attack, c.monsterDefense, c.evasion);
  ScriptedRandom random;
  for (const Draw& d : c.draws) random.Queue(testing::OfN(d.value, d.n));
  const Outcome step = AnnounceHeroBlow(s, random);
  EXPECT_EQ(random.Queued(), 0u) << c.what << ": every queued draw and no more";
  EXPECT_EQ(s.Damage, c.damage) << c.what;
  EXPECT_EQ(step.next, 2);
  EXPECT_EQ(step.line, c.strongLine ? "これでも食らえっ！" : "攻撃だぁ！") << c.what;
  EXPECT_EQ(s.HitRoll, c.draws.front().value) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Blows, FieldHeroBlowTest, ::testing::Values(
  HeroBlowCase{"evasion 0 misses only on 30",  7,  4,  0,  {H(30)},             kMissed, false},
  HeroBlowCase{"evasion 0 hits on 29",         7,  4,  0,  {H(29), C(1), K(0)}, 4,       false},
  HeroBlowCase{"evasion 20 hits on 9",         7,  4,  20, {H(9), C(1), K(1)},  2,       false},
  HeroBlowCase{"evasion 20 misses on 10",      7,  4,  20, {H(10)},             kMissed, false},
  HeroBlowCase{"strong blow, 6.5 rounds to 6", 7,  4,  0,  {H(0), C(0)},        6,       true},
  HeroBlowCase{"strong blow at 80, 9.5 to 10", 9,  4,  0,  {H(0), C(80)},       10,      true},
  HeroBlowCase{"strong blow of 0 or less",     10, 20, 0,  {H(0), C(20)},       0,       true},
  HeroBlowCase{"10 is no strong blow for him", 7,  4,  0,  {H(0), C(10), K(0)}, 4,       false},
  HeroBlowCase{"a plain blow never heals",     7,  7,  0,  {H(0), C(1), K(1)},  0,       false}
));
// clang-format on

struct LandCase {
  std::int32_t damage, monsterHP;
  std::int32_t next, hpAfter;
  const char* line;
  friend void PrintTo(const LandCase& c, std::ostream* os) {
    *os << "damage " << c.damage << " to HP " << c.monsterHP;
  }
};

class FieldHeroBlowLandsTest : public ::testing::TestWithParam<LandCase> {};

TEST_P(FieldHeroBlowLandsTest, TellsTheResult) {
  const LandCase& c = GetParam();
  GameState s = Fighters(7, 4, 0);
  s.Damage = c.damage;
  s.MonsterHP = c.monsterHP;
  const Outcome step = LandHeroBlow(s);
  EXPECT_EQ(step.next, c.next);
  EXPECT_EQ(s.MonsterHP, c.hpAfter);
  EXPECT_EQ(step.line, c.line);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Results, FieldHeroBlowLandsTest, ::testing::Values(
  LandCase{5,       5, 20, 0,  "スラームに5のダメージ！"},         // exactly 0 HP fights on
  LandCase{6,       5, 30, -1, "スラームに6のダメージ！"},        // below 0 it falls
  LandCase{0,       5, 20, 5,  "スラームは、効いてないようだ"},
  LandCase{kMissed, 5, 20, 5,  "ちっ、かわされた！！"}
));
// clang-format on

struct MonsterBlowCase {
  const char* what;
  std::int32_t monsterAttack, defense, evasion, hp;
  std::vector<Draw> draws;
  std::int32_t damage, hpAfter;
  bool strongLine;
  friend void PrintTo(const MonsterBlowCase& c, std::ostream* os) { *os << c.what; }
};

class FieldMonsterBlowTest : public ::testing::TestWithParam<MonsterBlowCase> {};

TEST_P(FieldMonsterBlowTest, AnnouncesAndTakesTheDamage) {
  const MonsterBlowCase& c = GetParam();
  GameState s = Fighters(7, 4, c.evasion);
  s.MonsterAttack = c.monsterAttack;
  s.Defense = c.defense;
  s.HP = c.hp;
  ScriptedRandom random;
  for (const Draw& d : c.draws) random.Queue(testing::OfN(d.value, d.n));
  const Outcome step = AnnounceMonsterBlow(s, random);
  EXPECT_EQ(random.Queued(), 0u) << c.what << ": every queued draw and no more";
  EXPECT_EQ(s.Damage, c.damage) << c.what;
  EXPECT_EQ(s.HP, c.hpAfter) << c.what;
  EXPECT_EQ(step.next, 21);
  EXPECT_EQ(step.line, c.strongLine ? "やばいのが来るぞ！" : "スラームの攻撃だ！") << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Blows, FieldMonsterBlowTest, ::testing::Values(
  //              what                              MA  Df  e   HP   draws                                 damage   HP after strong
  MonsterBlowCase{"misses only on 30 at evasion 0", 10, 5,  0,  100, {H(30)},                              kMissed, 100, false},
  MonsterBlowCase{"hits on 29 at evasion 0",        10, 5,  0,  100, {H(29), C(0), K(0)},                  6,       94,  false},
  MonsterBlowCase{"hits on 9 at evasion 20",        10, 5,  20, 100, {H(9), C(0), K(1)},                   4,       96,  false},
  MonsterBlowCase{"misses on 10 at evasion 20",     10, 5,  20, 100, {H(10)},                              kMissed, 100, false},
  MonsterBlowCase{"strong blow",                    20, 5,  0,  100, {H(0), C(10)},                        25,      75,  true},
  MonsterBlowCase{"strong blow, 4.5 rounds to 4",   3,  0,  0,  100, {H(0), C(90)},                        4,       96,  true},
  MonsterBlowCase{"0 is no strong blow for it",     10, 5,  0,  100, {H(0), C(0), K(1)},                   4,       96,  false},
  MonsterBlowCase{"strong 0 or less, t = 0",        10, 20, 0,  100, {H(0), C(30), T(0)},                  0,       100, true},
  MonsterBlowCase{"strong 0 or less still hurts",   10, 20, 0,  100, {H(0), C(50), T(1), T(4)},            5,       95,  true},
  MonsterBlowCase{"HP never below 0",               10, 5,  0,  3,   {H(0), C(0), K(0)},                   6,       0,   false},
  MonsterBlowCase{"plain 0 or less, t = 0",         5,  10, 0,  100, {H(0), C(1), K(0), T(0)},             0,       100, false},
  MonsterBlowCase{"plain 0 or less, t = 1 heavy",   20, 24, 0,  100, {H(0), C(1), K(0), T(1)},             2,       98,  true},
  MonsterBlowCase{"heavy 0 or less, spared",        5,  10, 0,  100, {H(0), C(1), K(0), T(1), T(0)},       0,       100, true},
  MonsterBlowCase{"heavy 0 or less, 1..5",          5,  10, 0,  100, {H(0), C(1), K(0), T(1), T(2), T(0)}, 1,       99,  true},
  MonsterBlowCase{"plain 0 or less, t = 2 scratch", 5,  10, 0,  100, {H(0), C(1), K(1), T(2)},             1,       99,  false},
  MonsterBlowCase{"plain 0 or less, t = 4 scratch", 5,  10, 0,  1,   {H(0), C(1), K(1), T(4)},             1,       0,   false}
));
// clang-format on

struct TellCase {
  std::int32_t damage, hp, next;
  const char* line;
  friend void PrintTo(const TellCase& c, std::ostream* os) {
    *os << "damage " << c.damage << " leaving HP " << c.hp;
  }
};

class FieldMonsterBlowToldTest : public ::testing::TestWithParam<TellCase> {};

TEST_P(FieldMonsterBlowToldTest, TellsTheResult) {
  const TellCase& c = GetParam();
  GameState s = Fighters(7, 4, 0);
  s.Damage = c.damage;
  s.HP = c.hp;
  const Outcome step = TellMonsterBlow(s);
  EXPECT_EQ(step.next, c.next);
  EXPECT_EQ(step.line, c.line);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Results, FieldMonsterBlowToldTest, ::testing::Values(
  TellCase{0,       30, 1,  "痛くないぞ！残りHP：30"},
  TellCase{kMissed, 30, 1,  "見切った！残りHP：30"},
  TellCase{6,       1,  1,  "6のダメージを受けた！残りHP：1"},
  TellCase{6,       0,  22, "6のダメージを受けた！残りHP：0"}
));
// clang-format on

TEST(FieldBattle, CollapseEndsAutomaticPlay) {
  GameState s = NewGame();
  s.AutoMode = kTrue;
  const Outcome step = HeroCollapses(s);
  EXPECT_EQ(step.next, 50);
  EXPECT_EQ(step.line, "目の前が暗くなる………");
  EXPECT_EQ(s.AutoMode, kFalse);
}

class FieldBattleRewardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s = NewGame();
    s.MonsterName = "カマキリオ";
    s.VisitorPicture = 131;
    s.MonsterExp = 10;
    s.MonsterGold = 50;
    s.PendingAction = 31;
  }
  GameState s;
  ScriptedRandom random;
};

TEST_F(FieldBattleRewardTest, MonsterFallsCountsAWin) {
  const Outcome step = MonsterFalls(s);
  EXPECT_EQ(step.next, 31);
  EXPECT_EQ(step.line, "カマキリオを倒した！");
  EXPECT_EQ(s.WinsCount, 1);
  s.WinsCount = 99999;
  MonsterFalls(s);
  EXPECT_EQ(s.WinsCount, 99999);
}

TEST_F(FieldBattleRewardTest, PaysExperienceAndMoneyThenWalksOn) {
  const Outcome step = BattleReward(s, random);
  EXPECT_EQ(s.Experience, 10);
  EXPECT_EQ(s.Gold, 1050);
  EXPECT_EQ(step.next, 40);
  EXPECT_EQ(step.line, "10の経験と50カリムを手に入れた");
}

TEST_F(FieldBattleRewardTest, MoneyStopsAtItsCap) {
  s.Gold = 999999990;
  BattleReward(s, random);
  EXPECT_EQ(s.Gold, 999999999);
}

TEST_F(FieldBattleRewardTest, LevelUpIsAnnouncedNext) {
  s.MonsterExp = 30;
  const Outcome step = BattleReward(s, random);
  EXPECT_EQ(s.Level, 2);
  EXPECT_EQ(s.LevelUpPending, kFalse);
  EXPECT_EQ(step.next, 32);
  const Outcome announced = AnnounceLevelUp(s);
  EXPECT_EQ(announced.line, "レベルアップ！");
  EXPECT_EQ(announced.next, 40);
}

TEST_F(FieldBattleRewardTest, ATravellersBattleHandsBackToTheEvent) {
  s.EventCode = 100;
  s.MonsterExp = 30;
  Outcome step = BattleReward(s, random);
  EXPECT_EQ(step.next, 32);  // the level-up first
  EXPECT_EQ(s.EventCode, 100);
  step = AnnounceLevelUp(s);
  EXPECT_EQ(step.next, 300);
  EXPECT_EQ(s.EventCode, 101);
}

TEST_F(FieldBattleRewardTest, TheDemonsFirstFormPaysNothing) {
  s.VisitorPicture = 140;
  s.MonsterExp = 0;
  s.MonsterGold = 0;
  s.Experience = 29;
  const Outcome step = BattleReward(s, random);
  EXPECT_EQ(step.next, 40);
  EXPECT_TRUE(step.line.empty());
  EXPECT_EQ(s.Experience, 29);
  EXPECT_EQ(s.Gold, 1000);
}

TEST(FieldDefeat, CostsTheBagHalfTheNameAndATenthOfTheMoney) {
  GameState s = NewGame();
  s.BagCount = 2;
  s.BagPieces = 7;
  s.Reputation = 301;
  s.Gold = 1005;
  ApplyDefeatLosses(s);
  EXPECT_EQ(s.BagCount, 0);
  EXPECT_EQ(s.BagPieces, 0);
  EXPECT_EQ(s.Reputation, 150);
  EXPECT_EQ(s.Gold, 904);
}

TEST(FieldDefeat, CountedShownOnFootAndRecovered) {
  GameState s = NewGame();
  s.WagonHired = kTrue;
  s.HeroPicture = 38;
  s.HP = 0;
  s.PendingAction = 50;
  CountDefeat(s);
  EXPECT_EQ(s.PendingAction, 51);
  EXPECT_EQ(s.DefeatsCount, 1);
  EXPECT_EQ(s.HeroPicture, 134);
  RecoverFromDefeat(s);
  EXPECT_EQ(s.HP, s.MaxHP);
  EXPECT_EQ(s.HeroFainted, kTrue);
}

struct EscapeCase {
  const char* what;
  std::int32_t level, reputation, gold;
  std::vector<Draw> draws;
  std::int32_t next, reputationAfter, goldAfter, escapes;
  friend void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.what; }
};

class FieldEscapeTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(FieldEscapeTest, RunsAwayOrIsCutOff) {
  const EscapeCase& c = GetParam();
  GameState s = NewGame();
  s.Level = c.level;
  s.Reputation = c.reputation;
  s.Gold = c.gold;
  s.EventCode = 100;
  ScriptedRandom random;
  for (const Draw& d : c.draws) random.Queue(testing::OfN(d.value, d.n));
  const Outcome step = TryToEscape(s, random);
  EXPECT_EQ(random.Queued(), 0u) << c.what;
  EXPECT_EQ(step.next, c.next) << c.what;
  EXPECT_EQ(s.Reputation, c.reputationAfter) << c.what;
  EXPECT_EQ(s.Gold, c.goldAfter) << c.what;
  EXPECT_EQ(s.EscapesCount, c.escapes) << c.what;
  if (c.next == 221) {
    const std::int32_t lost = c.gold - c.goldAfter;
    EXPECT_EQ(step.line, "ここはひとまず逃げるとしよう");
    const Outcome told = TellEscapeLoss(s);
    EXPECT_EQ(told.next, 40);
    EXPECT_EQ(told.line, std::to_string(lost) + "カリム落としたみたいだ。評判も減るだろうな…");
    EXPECT_EQ(s.EventCode, 9999) << "an event battle is abandoned";
  } else {
    EXPECT_EQ(step.line, "回り込まれたか！");
  }
}

// The reputation draw u is given as Int(u × (Level \ 2)) of Level \ 2 (any u with Level \ 2 = 0).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Escapes, FieldEscapeTest, ::testing::Values(
  //         what                            lv rep  gold  draws                      next rep  gold  escapes
  EscapeCase{"cut off on 3",                 5, 100, 1000, {T(3)},                    20,  100, 1000, 0},
  EscapeCase{"away on 2",                    5, 100, 1000, {T(2), {1, 2}, M(500)},    221, 96,  984,  1},
  EscapeCase{"away on 4",                    5, 100, 1000, {T(4), {0, 2}, M(0)},      221, 98,  999,  1},
  EscapeCase{"level 1 always costs 2",       1, 100, 1000, {T(0), {999, 1000}, M(0)}, 221, 98,  999,  1},
  EscapeCase{"reputation stops at 0",        9, 3,   1000, {T(0), {3, 4}, M(0)},      221, 0,   999,  1},
  EscapeCase{"an empty purse loses nothing", 5, 100, 0,    {T(0), {0, 2}, M(500)},    221, 98,  0,    1},
  EscapeCase{"a debt is not made deeper",    5, 100, -50,  {T(0), {0, 2}, M(500)},    221, 98,  -50,  1},
  EscapeCase{"no more than there is",        5, 100, 1,    {T(0), {0, 2}, M(999)},    221, 98,  0,    1}
));
// clang-format on

}  // namespace
}  // namespace tolmark::field
