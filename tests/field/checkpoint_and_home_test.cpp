// The checkpoint's verdict and talk, and going home with the wagon.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "draws.h"
#include "field/checkpoint_rules.h"
#include "field/field_layout.h"
#include "field/going_home.h"

namespace tolmark::field {
namespace {

using testing::NewGame;

TEST(FieldCheckpoint, TheGuardStepsUp) {
  GameState s = NewGame();
  GuardStepsUp(s);
  EXPECT_EQ(s.EventActive, kTrue);
  EXPECT_EQ(s.FieldStop, kTrue);
  EXPECT_EQ(s.PendingAction, 400);
  EXPECT_EQ(s.VisitorPicture, picture::kGuard);
  EXPECT_EQ(s.VisitorFrames, 3);
}

struct GuardCase {
  const char* what;
  std::int32_t pendingAction, reputation;
  bool wagon;
  std::string_view line;
  std::optional<std::int32_t> next;  // none: the guard leaves the code as it is
  friend void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.what; }
};

class FieldCheckTurnTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(FieldCheckTurnTest, GuardSpeaksAndDecides) {
  const GuardCase& c = GetParam();
  GameState s = NewGame();
  s.PendingAction = c.pendingAction;
  s.Reputation = c.reputation;
  s.WagonHired = AsFlag(c.wagon);
  const Outcome talk = CheckTurnTalk(s);
  EXPECT_EQ(talk.line, c.line) << c.what;
  EXPECT_EQ(talk.next, c.next) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Talk, FieldCheckTurnTest, ::testing::Values(
  GuardCase{"400 passes",            400, 400, false, "あんたは、ブームさんじゃないか！",                   401},
  GuardCase{"399 does not",          400, 399, false, "お前は何物だ？怪しい奴は通さないぞ！",               420},
  GuardCase{"through",               401, 400, false, "有名な武器商人ならいいだろう。通っていいぞ",         40},
  GuardCase{"come back later",       420, 399, false, "ここを通りたかったら、評判でもあげてから来るんだな", 421},
  GuardCase{"a carriage on foot",    421, 399, false, "馬車を呼んでやるから、とっとと帰った帰った！",       422},
  GuardCase{"the wagon turns about", 421, 399, true,  "",                                                   710},
  GuardCase{"the carriage's code",   422, 399, false, "",                                                   std::nullopt}
));
// clang-format on

TEST(FieldCheckpoint, LeavingPaysExactlyWithoutShame) {
  GameState s = NewGame();
  s.Gold = 7000;
  s.DealAmount = 7000;
  s.Reputation = 120;
  s.FieldStop = kTrue;
  const FarePayment paid = LeaveCheckpoint(s);
  EXPECT_FALSE(paid.purseTooLight);
  EXPECT_EQ(s.Gold, 0);
  EXPECT_EQ(s.Reputation, 120);
  EXPECT_EQ(s.FieldStop, kFalse);
}

TEST(FieldGoingHome, AskingIsAnInterruptingPrompt) {
  GameState s = NewGame();
  s.PendingAction = 700;
  AskToGoHome(s);
  EXPECT_EQ(s.InterruptPrompt, kTrue);
  EXPECT_EQ(s.PendingAction, 701);
}

TEST(FieldGoingHome, YesTurnsTheWagonHome) {
  GameState s = NewGame();
  s.InterruptAnswer = 89;
  s.PendingAction = 702;
  AgreeToGoHome(s);
  EXPECT_EQ(s.InterruptAnswer, 0);
  EXPECT_EQ(s.PendingAction, 710);
}

TEST(FieldGoingHome, StayingPutsTheInterruptedEncounterBack) {
  GameState s = NewGame();
  s.EventActive = kTrue;
  s.SavedAction = 2;
  s.PendingAction = 702;
  s.InterruptAnswer = 78;
  s.InterruptPrompt = kTrue;
  s.CommandBusy = kTrue;
  EXPECT_TRUE(StayOnTheRoad(s));
  EXPECT_EQ(s.PendingAction, 2);
  EXPECT_EQ(s.InterruptAnswer, 0);
  EXPECT_EQ(s.InterruptPrompt, kFalse);
  EXPECT_EQ(s.CommandBusy, kFalse);

  s.EventActive = kFalse;
  s.PendingAction = 702;
  EXPECT_FALSE(StayOnTheRoad(s));
  EXPECT_EQ(s.PendingAction, 0);
}

TEST(FieldGoingHome, DepartureLeavesForTheShop) {
  GameState s = NewGame();
  s.ItemListOpen = kTrue;
  s.StatusOpen = kTrue;
  s.FixedWaitMessage = kTrue;
  s.EventCode = 100;
  MarkDepartedHome(s);
  EXPECT_EQ(s.SceneEntry, 4);
  EXPECT_EQ(s.ReturnedHome, kTrue);
  EXPECT_EQ(s.EventCode, 9999);
  EXPECT_EQ(s.FieldEventItem, 99999);
  EXPECT_EQ(s.FixedWaitMessage, kFalse);
  EXPECT_EQ(s.ItemListOpen, kFalse);
  EXPECT_EQ(s.StatusOpen, kFalse);
}

}  // namespace
}  // namespace tolmark::field
