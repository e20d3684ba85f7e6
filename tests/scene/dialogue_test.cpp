// Balloons and prompts: placement, dropped requests, the answer protocol and automatic play.
#include <gtest/gtest.h>

#include "field/field_draw.h"
#include "scene_fixture.h"
#include "scene/dialogue.h"
#include "scene/keys.h"
#include "scene/scenes.h"
#include "scene/step_codes.h"

namespace tolmark {
namespace {

struct DialogueFixture : testing_support::SceneFixture {
  void InShopAtTheCounter() {
    s.SceneName = "frmShop";
    s.HeroX = 1500;
    s.HeroY = 15690;
    s.ShopOpen = kTrue;
    s.EventActive = kTrue;
    s.ScenePhase = 21;
    desk.ShowWindow(Window::frmShop);
    desk.Clear();
  }
  void InFieldAt(std::int32_t heroX, std::int32_t balloonSideX) {
    s.SceneName = "frmField";
    s.SceneEntry = entry::kToField;
    s.HeroX = heroX;
    s.HeroY = 15690;
    s.BalloonSideX = balloonSideX;
    desk.ShowWindow(Window::frmField);
    desk.Clear();
  }
};

TEST_F(DialogueFixture, ShopBalloonsStandAtFixedPlacesWhateverTheHero) {
  InShopAtTheCounter();
  s.HeroX = 9000;
  Say(c, "いらっしゃい", kTrue);
  Say(c, "これをくれ", kFalse);
  EXPECT_EQ(desk.With("talk"),
            (std::vector<std::string>{"talk frmMessage 0 1800 15615 \"いらっしゃい\"",
                                      "talk frmMessage 0 1000 15615 \"これをくれ\""}));
  EXPECT_EQ(s.MessageBusy, kFalse);
}

TEST_F(DialogueFixture, RequestWhileABalloonIsBeingBuiltIsDroppedWithoutATrace) {
  InShopAtTheCounter();
  s.MessageBusy = kTrue;
  Say(c, "a", kTrue);
  field::SayInField(c, "b", kTrue);
  AskYesNo(c, "する", "しない");
  EXPECT_TRUE(desk.Lines().empty());
  EXPECT_EQ(s.MessageBusy, kTrue);
}

TEST_F(DialogueFixture, FieldBalloonSideAndOffsetFollowTheSpeaker) {
  struct Row {
    std::int32_t heroX;
    bool wagon;
    std::int32_t visitor;
    Flag heroSpeaks;
    const char* line;
  };
  // BalloonSideX 6000: heroes left of it talk to the right (side 0), others to the left.
  const Row rows[] = {
      {3000, false, 60, kTrue, "talk frmMessage 0 3450 15615 \"x\""},
      {3000, true, 60, kTrue, "talk frmMessage 0 3675 15615 \"x\""},
      {3000, true, 96, kFalse, "talk frmMessage 0 4500 15615 \"x\""},
      {3000, true, 60, kFalse, "talk frmMessage 0 4530 15615 \"x\""},
      {3000, false, 60, kFalse, "talk frmMessage 0 4050 15615 \"x\""},
      {6000, false, 60, kTrue, "talk frmMessage 1 6300 15615 \"x\""},
      {6000, true, 60, kTrue, "talk frmMessage 1 6525 15615 \"x\""},
      {6000, false, 96, kFalse, "talk frmMessage 1 7050 15615 \"x\""},
      {6000, true, 60, kFalse, "talk frmMessage 1 7230 15615 \"x\""},
      {6000, false, 60, kFalse, "talk frmMessage 1 6750 15615 \"x\""},
  };
  for (const Row& r : rows) {
    desk.Clear();
    InFieldAt(r.heroX, 6000);
    s.WagonHired = AsFlag(r.wagon);
    s.VisitorPicture = r.visitor;
    field::SayInField(c, "x", r.heroSpeaks);
    EXPECT_EQ(desk.With("talk"), std::vector<std::string>{r.line}) << r.line;
  }
}

TEST_F(DialogueFixture, AnswerPairOpensLeftAndRightOfTheHeroOrBothRightNearTheEdge) {
  struct Row {
    const char* scene;
    std::int32_t heroX;
    bool wagon;
    std::vector<std::string> talk;
  };
  const Row rows[] = {
      {"frmShop", 1500, false,
       {"talk frmYes 1 1650 15615 \"する(Y)\"", "talk frmNo 0 1800 15615 \"しない(N)\""}},
      {"frmShop", 500, false,
       {"talk frmYes 0 650 15390 \"する(Y)\"", "talk frmNo 0 800 15615 \"しない(N)\""}},
      {"frmField", 3000, false,
       {"talk frmYes 1 3255 15615 \"する(Y)\"", "talk frmNo 0 3405 15615 \"しない(N)\""}},
      {"frmField", 3000, true,
       {"talk frmYes 1 3525 15615 \"する(Y)\"", "talk frmNo 0 3675 15615 \"しない(N)\""}},
      // The edge test is made before the wagon's shift.
      {"frmField", 500, true,
       {"talk frmYes 0 1025 15390 \"する(Y)\"", "talk frmNo 0 1175 15615 \"しない(N)\""}},
      {"frmArms", 3000, true,
       {"talk frmYes 1 3255 15615 \"する(Y)\"", "talk frmNo 0 3405 15615 \"しない(N)\""}},
  };
  for (const Row& r : rows) {
    desk.Clear();
    s.SceneName = r.scene;
    s.HeroX = r.heroX;
    s.HeroY = 15690;
    s.WagonHired = AsFlag(r.wagon);
    AskYesNo(c, "する", "しない");
    EXPECT_EQ(desk.With("talk"), r.talk) << r.scene << " " << r.heroX;
  }
}

TEST_F(DialogueFixture, AnswerGoesToTheInterruptingCommandWhenItAsked) {
  InShopAtTheCounter();
  s.PendingAction = 41;
  s.InterruptPrompt = kTrue;
  s.AwaitingAnswer = kTrue;
  GiveAnswer(c, kAnswerNo, false);
  EXPECT_EQ(s.InterruptAnswer, kAnswerNo);
  EXPECT_EQ(s.Answer, 0);
  EXPECT_EQ(s.PendingAction, 42);
  EXPECT_EQ(s.AwaitingAnswer, kFalse);
}

TEST_F(DialogueFixture, AutomaticPlayAdvancesTheShopTalkAfterThePause) {
  InShopAtTheCounter();
  s.AutoMode = kTrue;
  s.MessagePause = 500;
  s.PendingAction = 40;
  Say(c, "line", kFalse);
  // The pause comes first; the tick then hands the request on as an automatic click.
  ASSERT_FALSE(desk.With("sleep").empty());
  EXPECT_EQ(desk.With("sleep").front(), "sleep 500");
  EXPECT_EQ(s.TickFromDialogue, kFalse);
  EXPECT_EQ(s.MessageBusy, kFalse);
}

// The answers are routed to the interrupting command's slot here so that no trade or road step
// consumes them before they are looked at.
TEST_F(DialogueFixture, AutomaticPlayAnswersYesInTheShopAndNoInTheField) {
  InShopAtTheCounter();
  s.AutoMode = kTrue;
  s.InterruptPrompt = kTrue;
  s.PendingAction = 41;
  AskYesNo(c, "売る", "売らない");
  EXPECT_EQ(s.InterruptAnswer, kAnswerYes);
  EXPECT_EQ(s.AutoAnswerPending, kFalse);
  EXPECT_EQ(s.AutoMode, kTrue);  // an automatic answer keeps automatic play on

  InFieldAt(3000, 6000);
  s.InterruptAnswer = 0;
  s.PendingAction = 101;
  AskYesNo(c, "乗る", "乗らない");
  EXPECT_EQ(s.InterruptAnswer, kAnswerNo);
  EXPECT_EQ(s.AutoMode, kTrue);
}

TEST_F(DialogueFixture, OutsideTheTalkCodesAutomaticPlayDoesNotAnswer) {
  InShopAtTheCounter();
  s.AutoMode = kTrue;
  s.PendingAction = code::ShowEndAnswers;
  AskYesNo(c, "する", "しない");
  EXPECT_TRUE(desk.With("sleep").empty());
  EXPECT_EQ(s.PendingAction, code::ShowEndAnswers);
}

TEST_F(DialogueFixture, KeyAnswerEndsAutomaticPlayAndOtherKeysDoNotAnswer) {
  // The end question is open.
  InShopAtTheCounter();
  s.EventActive = kFalse;
  s.AutoMode = kTrue;
  s.InterruptPrompt = kTrue;
  s.AwaitingAnswer = kTrue;
  s.PendingAction = code::ShowEndAnswers;
  KeyPressed(c, kKeyG, true);
  KeyPressed(c, kKeyEnter, true);
  EXPECT_EQ(s.PendingAction, code::ShowEndAnswers);
  KeyPressed(c, kKeyN, true);
  EXPECT_EQ(s.InterruptAnswer, kAnswerNo);
  EXPECT_EQ(s.AwaitingAnswer, kFalse);
  EXPECT_EQ(s.PendingAction, code::Idle);
  EXPECT_EQ(s.AutoMode, kFalse);
}

}  // namespace
}  // namespace tolmark
