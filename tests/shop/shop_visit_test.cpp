// A customer's visit played through the game object on a recording desktop.
#include <gtest/gtest.h>

#include <string>

#include "../scene/recording_desktop.h"
#include "scene/game.h"

namespace tolmark {
namespace {

class ShopVisit : public ::testing::Test {
 protected:
  RecordingDesktop desk;
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

TEST_F(ShopVisit, PriestBuysTheWoodenSwordAndLeaves) {
  game.Start();
  game.MenuChosen("mopen");
  ASSERT_EQ(s.ShopOpen, kTrue);
  // Arrival roll 946 of 1000 at reputation 10, the priest, h, a buyer; row 0, weight 1.
  Queue({0.9465, 0.0, 0.5, 0.5, 0.0, 0.0});
  TickUntilCounter();
  ASSERT_EQ(s.ScenePhase, 21);
  EXPECT_EQ(LastTalk(), "こんにちは！木刀が欲しいのですが");
  game.MouseDown(Window::frmShop, 1);
  EXPECT_EQ(desk.With("talk frmYes").size(), 1u);
  Queue({0.5, 0.0});  // the customer can pay; the deal costs 1 HP
  game.MouseDown(Window::frmYes, 1);
  EXPECT_EQ(LastTalk(), "ありがとう。これが欲しかったんです。残りHP：34");
  EXPECT_EQ(s.Gold, 1010);
  EXPECT_EQ(s.ShopStock[0].Count, 2);
  EXPECT_EQ(s.SalesCount, 1);
  Queue({0.0});  // one experience point
  game.MouseDown(Window::frmShop, 1);
  EXPECT_EQ(s.Experience, 1);
  EXPECT_EQ(s.ScenePhase, 30);
  EXPECT_EQ(s.PendingAction, 0);
  EXPECT_EQ(rnd.Queued(), 0u);
}

}  // namespace
}  // namespace tolmark
