// Story visits played through the game object on a recording desktop, where the exact order
// of balloons and pauses matters.
#include <gtest/gtest.h>

#include <string>

#include "transcript_desktop.h"
#include "game/game.h"

namespace tolmark::shop {
namespace {

class ShopVisit : public ::testing::Test {
 protected:
  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Game game{desk, rnd};
  GameState& s = game.State();

  void Queue(std::initializer_list<double> values) {
    for (double v : values) rnd.Queue(v);
  }
  std::string LastTalk() const {
    const auto talks = desk.With("talk frmMessage");
    if (talks.empty()) return {};
    const std::string& line = talks.back();
    const auto open = line.find('"');
    return line.substr(open + 1, line.size() - open - 2);
  }
  void TickUntilCounter() {
    for (int i = 0; i < 40 && s.ScenePhase != 21; ++i) game.TimerTick(Window::frmShop, Timer::Timer1);
  }
};

TEST_F(ShopVisit, SwordThrownAwayWithFiftyInStockAndClicksDuringThePauseDoNothing) {
  game.Start();
  s.Chapter = 4;
  s.StoryState = 8;
  s.StockCount = 1;
  s.ShopStock[0] = {59, 50};
  game.MenuChosen("mopen");
  Queue({0.95, 0.0, 0.1});  // arrival, the customer replaced, h = 1
  TickUntilCounter();
  ASSERT_EQ(s.EventCode, 5);
  for (int i = 0; i < 4; ++i) game.MouseDown(Window::frmShop, 1);
  EXPECT_EQ(LastTalk(), "じゃあ、帰るよ");
  // A click pumped in while the merchant pauses over the thrown-away sword changes nothing.
  desk.Queue({HeadlessInput::Kind::MouseDown, Window::frmShop, 1, 0, {}});
  desk.Clear();
  game.MouseDown(Window::frmShop, 1);
  const std::vector<std::string> want = {
      "talk frmMessage 0 1800 15615 \"五輪の剣は、これ以上要らないな。残念だが捨ててしまおう…\"",
      "sleep 2000"};
  std::vector<std::string> got;
  for (const std::string& line : desk.Lines()) {
    if (line.starts_with("talk") || line.starts_with("sleep")) got.push_back(line);
  }
  EXPECT_EQ(got, want);
  EXPECT_EQ(s.ShopStock[0].Count, 50);
  EXPECT_EQ(s.StoryState, 6);
  EXPECT_EQ(s.ScenePhase, 30);
  EXPECT_EQ(s.StartingUp, kFalse);
}

}  // namespace
}  // namespace tolmark::shop
