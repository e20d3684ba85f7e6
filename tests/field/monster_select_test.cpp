// The wandering monster: who comes, at what level, with what rewards.
#include "field/monster_select.h"

#include <gtest/gtest.h>

#include <ostream>

#include "draws.h"

namespace tolmark::field {
namespace {

using testing::NewGame;
using testing::OfN;

struct SelectCase {
  const char* what;
  std::int32_t destination, chapter, steps;
  bool autoMode;
  int r;
  std::int32_t picture;
  const char* name;
  std::int32_t level, hp, attack, defense, speed, exp, gold;
  friend void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.what; }
};

class FieldMonsterSelectTest : public ::testing::TestWithParam<SelectCase> {};

TEST_P(FieldMonsterSelectTest, ChoosesAndScalesTheMonster) {
  const SelectCase& c = GetParam();
  GameState s = NewGame();
  s.Destination = c.destination;
  s.Chapter = c.chapter;
  s.FieldSteps = c.steps;
  s.AutoMode = AsFlag(c.autoMode);
  ScriptedRandom random;
  random.Queue(OfN(c.r, 3));
  ASSERT_TRUE(MonsterSelect(s, random)) << c.what;
  EXPECT_EQ(random.Queued(), 0u) << c.what << ": one draw only";
  EXPECT_EQ(s.EventActive, kTrue);
  EXPECT_EQ(s.PendingAction, 1);
  EXPECT_EQ(s.VisitorPicture, c.picture) << c.what;
  EXPECT_EQ(s.MonsterName, c.name) << c.what;
  EXPECT_EQ(s.MonsterLevel, c.level) << c.what;
  EXPECT_EQ(s.MonsterHP, c.hp) << c.what;
  EXPECT_EQ(s.MonsterAttack, c.attack) << c.what;
  EXPECT_EQ(s.MonsterDefense, c.defense) << c.what;
  EXPECT_EQ(s.MonsterSpeed, c.speed) << c.what;
  EXPECT_EQ(s.MonsterExp, c.exp) << c.what;
  EXPECT_EQ(s.MonsterGold, c.gold) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Roads, FieldMonsterSelectTest, ::testing::Values(
  //         what                                   dst ch step auto  r  pic  name            lv  HP    At   Df  Sp  Exp   Gold
  SelectCase{"the first slime",                     1, 1, 0,   false, 0, 167, "スラーム",     0,  9,    6,   4,  3,  1,    8},
  SelectCase{"step 50 is one level up",             1, 1, 50,  false, 1, 9,   "バードン",     1,  28,   8,   5,  7,  4,    20},
  SelectCase{"step 100 is still the first stretch", 1, 1, 100, false, 2, 11,  "ボーン兵",     0,  23,   7,   4,  0,  8,    16},
  SelectCase{"step 101 opens the second",           1, 1, 101, false, 2, 131, "カマキリオ",   2,  55,   14,  9,  8,  10,   20},
  SelectCase{"step 200 is still the second",        1, 1, 200, false, 0, 9,   "バードン",     2,  38,   10,  7,  9,  9,    20},
  SelectCase{"the third stretch, second half",      1, 1, 250, false, 2, 6,   "空手カブト",   5,  120,  24,  15, 8,  17,   30},
  SelectCase{"chapter 2 on トーテム山",             1, 2, 0,   false, 1, 9,   "バードン",     6,  78,   18,  15, 17, 7,    40},
  SelectCase{"chapter 3 on トーテム山",             1, 3, 0,   false, 0, 167, "スラーム",     12, 105,  30,  16, 15, 7,    24},
  SelectCase{"chapter 4 on トーテム山",             1, 4, 0,   false, 0, 167, "スラーム",     12, 105,  30,  16, 15, 1,    8},
  SelectCase{"chapter 4 on アーウット",             2, 4, 60,  false, 0, 148, "虹蛸",         7,  307,  52,  32, 31, 200,  261},
  SelectCase{"chapter 4 on the castle road",        3, 4, 150, false, 1, 128, "ツインソード", 3,  586,  80,  50, 33, 577,  2724},
  SelectCase{"the castle road's own chapter",       3, 3, 300, false, 2, 143, "デュラン",     4,  933,  98,  73, 61, 523,  2124},
  SelectCase{"the first orc row at デモンズ山脈",   4, 4, 0,   false, 0, 153, "オーク",       0,  153,  27,  19, 9,  246,  500},
  SelectCase{"growth 0 keeps the orc's values",     4, 4, 51,  false, 0, 153, "オーク",       1,  153,  27,  19, 9,  322,  500},
  SelectCase{"the first dragon row",                4, 4, 299, false, 1, 108, "炎赤竜",       5,  1248, 162, 95, 78, 1788, 8412},
  SelectCase{"automatic play earns less",           1, 1, 0,   true,  0, 167, "スラーム",     0,  9,    6,   4,  3,  1,    7},
  SelectCase{"the cut comes after the bonuses",     3, 4, 150, true,  1, 128, "ツインソード", 3,  586,  80,  50, 33, 462,  2180}
));
// clang-format on

TEST(FieldMonsterSelect, TakesTheMonsterRowsFramesAndRollsLast) {
  GameState s = NewGame();
  s.Destination = 2;
  s.Chapter = 2;
  s.FieldSteps = 10;
  ScriptedRandom random;
  random.Queue(0.99999994);  // r = 2
  ASSERT_TRUE(MonsterSelect(s, random));
  EXPECT_EQ(s.VisitorPicture, 111);
  EXPECT_EQ(s.VisitorFrames, 3);
  EXPECT_EQ(s.MonsterName, "半魚マン");
}

TEST(FieldMonsterSelect, UnknownRoadLeavesTheMonsterAlone) {
  GameState s = NewGame();
  s.Destination = 5;
  s.MonsterName = "before";
  s.PendingAction = 0;
  ScriptedRandom random;
  random.Queue(0.1);
  EXPECT_FALSE(MonsterSelect(s, random));
  EXPECT_EQ(s.MonsterName, "before");
  EXPECT_EQ(s.PendingAction, 0);
}

TEST(FieldMonsterSelect, StretchAndStageLevel) {
  EXPECT_EQ(StageLevel(0), 0);
  EXPECT_EQ(StageLevel(49), 0);
  EXPECT_EQ(StageLevel(99), 1);
  EXPECT_EQ(StageLevel(100), 0);  // 100 Mod 100 is 0, and 100 is still the first stretch
  EXPECT_EQ(StageLevel(150), 3);
  EXPECT_EQ(StageLevel(200), 2);
  EXPECT_EQ(StageLevel(201), 4);
  EXPECT_EQ(StageLevel(301), 4);
}

TEST(FieldMonsterSelect, ADestinationAheadOfTheChapterIsNotScaledDown) {
  const ChapterScaling scaling = ChapterScalingOf(1, 3);
  EXPECT_EQ(scaling.extraLevels, 0);
  EXPECT_EQ(scaling.expFactor, 1.0);
  EXPECT_EQ(scaling.goldFactor, 1);
}

}  // namespace
}  // namespace tolmark::field
