// Shop start-up in its branches: first start, second copy, home-coming, carried home fainted.
#include <gtest/gtest.h>

#include "transcript_desktop.h"
#include "game/game.h"

namespace tolmark {
namespace {

struct StartFixture : ::testing::Test {
  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Game game{desk, rnd};
  GameState& s = game.State();
};

TEST_F(StartFixture, FirstStartDrawsTheClosedShopAndSetsUpANewGame) {
  game.Start();
  EXPECT_EQ(desk.With("frame"),
            std::vector<std::string>{"frame frmShop 57@1500,15690 44@1275,15615"});
  EXPECT_EQ(s.SceneName, "frmShop");
  EXPECT_EQ(s.StartingUp, kFalse);
  EXPECT_EQ(s.Gold, 1000);
  EXPECT_EQ(s.StockCount, 3);
  EXPECT_EQ(s.HeroFrame, 2);
  EXPECT_EQ(desk.TimerPeriod(Window::frmShop, Timer::Timer1), 1000);
  EXPECT_EQ(desk.TimerPeriod(Window::frmShop, Timer::Timer2), 0);
  EXPECT_FALSE(desk.EndRequested());
}

TEST_F(StartFixture, SecondCopyIsRefusedWithTheTwoLineMessageAndEnds) {
  desk.SetAnotherCopyRunning(true);
  game.Start();
  EXPECT_EQ(desk.With("msgbox"),
            std::vector<std::string>{
                "msgbox \"多重起動起動防止システム作動！\\r\\nゲームを強制終了します！\" error"});
  EXPECT_TRUE(desk.With("frame").empty());
  EXPECT_TRUE(desk.OpenWindows().empty());
  EXPECT_TRUE(desk.EndRequested());
}

TEST_F(StartFixture, ShopRecreatedDuringATripDoesNothing) {
  for (std::int16_t entry : {2, 6}) {
    desk.Clear();
    s.SceneEntry = entry;
    game.Start();
    EXPECT_TRUE(desk.Lines().empty()) << "entry " << entry;
  }
}

// The tray's and the session's end arrives as one event: the scene on screen asks its question.
TEST_F(StartFixture, AnEndAskedFromOutsideTheMenuAsksTheEndQuestion) {
  game.Start();
  game.EndAsked();
  EXPECT_EQ(desk.BalloonText(Window::frmMessage), "終了するが、いいのか？");
  EXPECT_EQ(s.PendingAction, 901);
}

}  // namespace
}  // namespace tolmark
