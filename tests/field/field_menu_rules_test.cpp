// The field menu's items as it opens.
#include "field/field_menu_rules.h"

#include <gtest/gtest.h>

#include <ostream>

#include "draws.h"

namespace tolmark::field {
namespace {

using testing::NewGame;

struct MenuCase {
  const char* what;
  bool wagon;
  std::int32_t pendingAction;
  Flag bossBattle, commandBusy, eventActive, heroFainted;
  std::int32_t steps;
  bool escapeVisible, homeVisible, homeEnabled, endEnabled, autoEnabled;
  friend void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.what; }
};

class FieldMenuTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(FieldMenuTest, ItemsOnOpen) {
  const MenuCase& c = GetParam();
  GameState s = NewGame();
  s.WagonHired = AsFlag(c.wagon);
  s.PendingAction = c.pendingAction;
  s.BossBattle = c.bossBattle;
  s.CommandBusy = c.commandBusy;
  s.EventActive = c.eventActive;
  s.HeroFainted = c.heroFainted;
  s.FieldSteps = c.steps;
  const FieldMenuItems items = FieldMenuOnOpen(s);
  EXPECT_EQ(items.escapeVisible, c.escapeVisible) << c.what;
  EXPECT_EQ(items.homeVisible, c.homeVisible) << c.what;
  EXPECT_EQ(items.homeEnabled, c.homeEnabled) << c.what;
  EXPECT_EQ(items.endEnabled, c.endEnabled) << c.what;
  EXPECT_EQ(items.autoEnabled, c.autoEnabled) << c.what;
}

constexpr Flag T = kTrue;
constexpr Flag F = kFalse;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Situations, FieldMenuTest, ::testing::Values(
  //       what                       wagon  act  boss busy evt faint step escape homeV homeE end auto
  MenuCase{"walking on foot",         false, 0,   F, F, F, F, 10,  false, false, true,  true,  true},
  MenuCase{"walking with the wagon",  true,  0,   F, F, F, F, 10,  false, true,  true,  true,  true},
  MenuCase{"the hero's turn",         true,  2,   F, F, T, F, 10,  true,  true,  false, true,  false},
  MenuCase{"the hero's turn, a boss", true,  2,   T, F, T, F, 300, false, true,  false, true,  false},
  MenuCase{"the monster's turn",      true,  20,  F, F, T, F, 10,  false, true,  false, true,  false},
  MenuCase{"a command under way",     true,  2,   F, T, T, F, 10,  false, true,  false, false, false},
  MenuCase{"step 300",                true,  0,   F, F, F, F, 300, false, true,  false, true,  true},
  MenuCase{"after a defeat",          true,  0,   F, F, F, T, 10,  false, true,  false, true,  true},
  MenuCase{"at the checkpoint",       true,  420, F, F, T, F, 200, false, true,  false, true,  false},
  MenuCase{"already going home",      true,  701, F, F, F, F, 10,  false, true,  false, true,  true},
  MenuCase{"a traveller's talk",      true,  300, F, F, T, F, 10,  false, true,  true,  true,  false},
  MenuCase{"the carriage offer",      true,  100, F, F, T, F, 10,  false, true,  true,  true,  false}
));
// clang-format on

TEST(FieldMenuChoice, GoingHomeKeepsTheEncounterToComeBackTo) {
  GameState s = NewGame();
  s.EventActive = kTrue;
  s.PendingAction = 2;
  s.AwaitingAnswer = kTrue;
  s.Answer = 89;
  ChooseGoHome(s);
  EXPECT_EQ(s.SavedAction, 2);
  EXPECT_EQ(s.PendingAction, 700);
  EXPECT_EQ(s.CommandBusy, kTrue);
  EXPECT_EQ(s.AwaitingAnswer, kFalse);
  EXPECT_EQ(s.Answer, 0);

  s.EventActive = kFalse;
  s.PendingAction = 0;
  ChooseGoHome(s);
  EXPECT_EQ(s.SavedAction, 0);
}

TEST(FieldMenuChoice, EscapeIsACommand) {
  GameState s = NewGame();
  s.PendingAction = 2;
  ChooseEscape(s);
  EXPECT_EQ(s.PendingAction, 220);
  EXPECT_EQ(s.CommandBusy, kTrue);
}

}  // namespace
}  // namespace tolmark::field
