// What a tick of the walk brings: the encounter roll and the fixed events of the steps.
#include "field/road_events.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>

#include "draws.h"

namespace tolmark::field {
namespace {

using testing::NewGame;
using testing::OfN;

struct RollCase {
  std::int32_t r;
  bool wagon;
  Encounter expected;
  friend void PrintTo(const RollCase& c, std::ostream* os) {
    *os << "r " << c.r << (c.wagon ? " with the wagon" : "");
  }
};

class FieldEncounterRollTest : public ::testing::TestWithParam<RollCase> {};

TEST_P(FieldEncounterRollTest, RollBringsItsEncounter) {
  const RollCase& c = GetParam();
  EXPECT_EQ(EncounterFor(c.r, c.wagon), c.expected) << "r = " << c.r;

  GameState s = NewGame();
  s.WagonHired = AsFlag(c.wagon);
  ScriptedRandom random;
  random.Queue(OfN(c.r, kEncounterRolls));
  EXPECT_EQ(RollEncounter(s, random), c.expected) << "r = " << c.r;
  EXPECT_EQ(random.Queued(), 0u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boundaries, FieldEncounterRollTest, ::testing::Values(
  RollCase{0,   false, Encounter::Monster},
  RollCase{1,   false, Encounter::None},
  RollCase{2,   false, Encounter::Priest},
  RollCase{20,  false, Encounter::Monster},
  RollCase{21,  false, Encounter::Find},
  RollCase{24,  false, Encounter::Traveller},
  RollCase{33,  false, Encounter::Carriage},
  RollCase{33,  true,  Encounter::None},       // never by chance beside the hero's own wagon
  RollCase{73,  true,  Encounter::None},
  RollCase{104, false, Encounter::None},     // the travellers skip 104
  RollCase{111, false, Encounter::Find},
  RollCase{112, false, Encounter::Priest},
  RollCase{124, false, Encounter::Traveller},
  RollCase{133, false, Encounter::Carriage},
  RollCase{140, false, Encounter::Monster},
  RollCase{141, false, Encounter::None},
  RollCase{150, false, Encounter::None},
  RollCase{151, false, Encounter::None},
  RollCase{-1,  false, Encounter::None}
));
// clang-format on

TEST(FieldEncounterTable, ChancesOfEachEncounterIn151) {
  std::map<Encounter, int> onFoot;
  std::map<Encounter, int> withWagon;
  for (std::int32_t r = 0; r < kEncounterRolls; ++r) {
    ++onFoot[EncounterFor(r, false)];
    ++withWagon[EncounterFor(r, true)];
  }
  EXPECT_EQ(onFoot[Encounter::Monster], 15);
  EXPECT_EQ(onFoot[Encounter::Priest], 3);
  EXPECT_EQ(onFoot[Encounter::Find], 10);
  EXPECT_EQ(onFoot[Encounter::Traveller], 10);
  EXPECT_EQ(onFoot[Encounter::Carriage], 3);
  EXPECT_EQ(withWagon[Encounter::Carriage], 0);
  EXPECT_EQ(withWagon[Encounter::None], onFoot[Encounter::None] + 3);
}

TEST(FieldEncounterTable, HighestDrawStaysInTheTable) {
  GameState s = NewGame();
  ScriptedRandom random;
  random.Queue(0.99999994);  // the largest single-precision value below 1: r = 150
  EXPECT_EQ(RollEncounter(s, random), Encounter::None);
}

struct StepCase {
  const char* what;
  std::int32_t chapter;
  std::int32_t destination;
  std::int32_t steps;
  std::int32_t storyState;
  Flag stepDone;
  Flag demonsDefeated;
  StepEvent event;
  bool marks;
  friend void PrintTo(const StepCase& c, std::ostream* os) { *os << c.what; }
};

class FieldStepRuleTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(FieldStepRuleTest, FirstMatchingRuleOfTheStep) {
  const StepCase& c = GetParam();
  GameState s = NewGame();
  s.Chapter = c.chapter;
  s.Destination = c.destination;
  s.FieldSteps = c.steps;
  s.StoryState = c.storyState;
  s.StepEventDone = c.stepDone;
  s.DemonsDefeated = c.demonsDefeated;
  const StepRule rule = StepRuleFor(s);
  EXPECT_EQ(rule.event, c.event) << c.what;
  EXPECT_EQ(rule.marksStepDone, c.marks) << c.what;
}

constexpr Flag T = kTrue;
constexpr Flag F = kFalse;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Road, FieldStepRuleTest, ::testing::Values(
  //       what                               ch dst step st done demons event               marks
  StepCase{"299 before the errand",           1, 1, 299, 0, F, F, StepEvent::Carriage,       true},
  StepCase{"299 on the errand",               1, 1, 299, 1, F, F, StepEvent::Carriage,       true},
  StepCase{"299 seen by the second tick",     1, 1, 299, 1, T, F, StepEvent::Roll,           false},
  StepCase{"299 once the orc fell",           1, 1, 299, 2, F, F, StepEvent::Roll,           false},
  StepCase{"the orc at 300",                  1, 1, 300, 1, F, F, StepEvent::Boss,           false},
  StepCase{"the orc again with the hammer",   1, 1, 300, 3, F, F, StepEvent::Boss,           false},
  StepCase{"the 棟梁 in later chapters",      2, 1, 300, 3, F, F, StepEvent::CarpenterWaits, false},
  StepCase{"the 棟梁 in chapter 4",           4, 1, 300, 8, F, F, StepEvent::CarpenterWaits, false},
  StepCase{"the town gate",                   2, 2, 300, 3, F, F, StepEvent::Gate,           false},
  StepCase{"the castle gate",                 3, 3, 300, 5, F, F, StepEvent::Gate,           false},
  StepCase{"the checkpoint",                  3, 3, 200, 5, F, F, StepEvent::Checkpoint,     true},
  StepCase{"the checkpoint seen twice",       3, 3, 200, 5, T, F, StepEvent::Roll,           false},
  StepCase{"no checkpoint elsewhere",         3, 2, 200, 5, F, F, StepEvent::Roll,           false},
  StepCase{"no carriage at 299 to the town",  2, 2, 299, 3, F, F, StepEvent::Roll,           false},
  StepCase{"the demons' warning carriage",    4, 4, 299, 8, F, F, StepEvent::Carriage,       true},
  StepCase{"step 300 at the demons is road",  4, 4, 300, 8, F, F, StepEvent::Roll,           false},
  StepCase{"the demon at 301",                4, 4, 301, 8, F, F, StepEvent::Boss,           false},
  StepCase{"a carriage once the demons fell", 4, 4, 301, 8, F, T, StepEvent::Carriage,       true},
  StepCase{"open road",                       1, 1, 150, 1, F, F, StepEvent::Roll,           false}
));
// clang-format on

}  // namespace
}  // namespace tolmark::field
