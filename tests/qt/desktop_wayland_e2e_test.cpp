// The game in a Wayland session: Weston with XWayland, whose window manager places ordinary
// windows by its own rules. Where the windows stand and what shape they have is asked of the X
// server. Two compositors:
// - the headless back end, whose screenshots are what the player sees; it has no input devices,
//   so clicks are handed to the windows directly (send-click);
// - the X11 back end, its output a window on an Xvfb of its own: the pointer and keyboard of
//   that X server are the compositor's seat, so xdotool there plays the player's hands, and the
//   game gets real pointer and key events through XWayland, grabs and focus as on a desktop.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <sstream>

#include "desktop_test.h"
#include "text_lines.h"
#include "wait_for.h"

namespace tolmark::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
// The Xvfb under Weston's X11 back end: larger than the output window at its top left corner.
constexpr int kHostWidth = kScreenWidth + 100;
constexpr int kHostHeight = kScreenHeight + 100;

using Rect = ScreenRect;

// One compositor with XWayland for a suite of tests, with the game's own home and runtime folders.
class CompositorSession : public DesktopTest {
 protected:
  static void StartCompositor(DesktopSetup::Server server, std::vector<std::string> tools) {
    StartDesktop({.suite = "wayland",
                  .shots = "desktop-wayland-shots",
                  .server = server,
                  .width = kScreenWidth,
                  .height = kScreenHeight,
                  .hostWidth = kHostWidth,
                  .hostHeight = kHostHeight,
                  .tools = std::move(tools)});
  }

  static void TearDownTestSuite() { StopDesktop(); }

  void SetUp() override {
    DesktopTest::SetUp();
    if (!Proceeds()) return;
    ASSERT_TRUE(desktop_->ServerRunning()) << "the compositor is not running";
  }

  // The bounding box of the window's shape, in the window's own pixels.
  static Rect ShapeExtents(const std::string& window) {
    Rect r;
    for (const std::string& line : Lines(X({"xwininfo", "-shape", "-id", window}).output)) {
      std::sscanf(line.c_str(), "  Window shape extents: %dx%d+%d+%d", &r.width, &r.height,
                  &r.x, &r.y);
    }
    return r;
  }

  // The screen-wide scene window of a program, once it shows.
  static std::string SceneOf(pid_t pid) {
    std::string scene;
    WaitFor([&] {
      for (const std::string& id : VisibleWindowsOf(pid, "+++ Tolmark2 +++")) {
        if (ClientRect(id).width == kScreenWidth) scene = id;
      }
      return !scene.empty();
    }, 20s);
    return scene;
  }

  inline static Screenshot background_;  // the compositor's desktop before any window of the game
};

// Weston's headless back end: what it shows is read back with weston-screenshooter (--debug).
class WaylandSession : public CompositorSession {
 protected:
  static void SetUpTestSuite() {
    StartCompositor(DesktopSetup::Server::kWestonHeadless, {"xdotool", "xwininfo"});
  }
};

TEST_F(WaylandSession, SceneCoversTheScreenFromItsCornerAndTheMerchantStandsOnTheBottomEdge) {
  // The desktop fades in when the compositor starts: its picture is the one that stays.
  Screenshot desktop;
  ASSERT_TRUE(WaitFor([&] {
    const Screenshot before = desktop;
    desktop = Shot("desktop");
    return desktop.width == kScreenWidth && before.width == kScreenWidth &&
           std::equal(desktop.pixels.begin() + 40 * kScreenWidth, desktop.pixels.end(),
                      before.pixels.begin() + 40 * kScreenWidth);
  }, 20s)) << "weston took no steady screenshot";
  background_ = desktop;
  ChildProcess game({TOLMARK2_PATH}, Env());
  const std::string scene = SceneOf(game.Pid());
  ASSERT_FALSE(scene.empty()) << "the game showed no scene";
  const Rect at = ClientRect(scene);
  EXPECT_EQ(at.x, 0);
  EXPECT_EQ(at.y, 0);
  EXPECT_EQ(at.width, kScreenWidth);
  EXPECT_EQ(at.height, kScreenHeight) << "no work area is published: the floor is the screen's";
  // The merchant and his board, at the left; the board reaches two rows past his feet.
  const Rect shape = ShapeExtents(scene);
  EXPECT_EQ(shape.x, 85);
  EXPECT_GE(shape.Bottom(), kScreenHeight);
  EXPECT_LE(shape.Bottom(), kScreenHeight + 2);
  EXPECT_EQ(shape.height, 41);

  // The player sees the desktop everywhere but on the figures: the screen-wide window lets it
  // through (below the compositor's own panel, whose clock may change).
  Screenshot shot;
  const auto differing = [&](int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) count += shot.At(x, y) != desktop.At(x, y);
    }
    return count;
  };
  EXPECT_TRUE(WaitFor([&] {
    shot = Shot("game");
    return shot.width == kScreenWidth && differing(100, kScreenHeight - 34, 134, kScreenHeight) > 200;
  }, 10s)) << "the merchant does not show";
  EXPECT_EQ(differing(0, 40, kScreenWidth, kScreenHeight - 45), 0)
      << "the scene window hides the desktop";
  EXPECT_EQ(differing(140, kScreenHeight - 45, kScreenWidth, kScreenHeight), 0);
  game.Terminate();
  EXPECT_TRUE(game.WaitExit(10s).has_value());
  EXPECT_TRUE(desktop_->ServerRunning());
  EXPECT_EQ(X({"xdpyinfo"}).status, 0) << "XWayland went with the game";
}

TEST_F(WaylandSession, ClicksReachTheMerchantAndBalloonsStandBesideHim) {
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  ChildProcess probe({PROBE_PATH, "talk", "400"}, options);
  ASSERT_EQ(probe.ReadLine(20s).value_or(""), "shown");
  ASSERT_EQ(probe.ReadLine(20s).value_or(""), "talking");
  const std::string scene = SceneOf(probe.Pid());
  ASSERT_FALSE(scene.empty());
  EXPECT_EQ(ClientRect(scene).x, 0);
  EXPECT_EQ(ClientRect(scene).y, 0);
  const Rect merchant = ShapeExtents(scene);
  EXPECT_GE(merchant.x, 400);  // his picture, 34 pixels wide from column 400
  EXPECT_LE(merchant.x + merchant.width, 434);
  EXPECT_EQ(merchant.Bottom(), kScreenHeight);

  // The balloon: 40 columns right of the merchant, its bottom edge 30 pixels above the floor.
  Rect balloon;
  EXPECT_TRUE(WaitFor([&] {
    const auto balloons = VisibleWindowsOf(probe.Pid(), "MakeRGNTalkWindowTitle");
    if (balloons.empty()) return false;
    balloon = ClientRect(balloons.front());
    return balloon.x == 440 && balloon.Bottom() == kScreenHeight - 30;
  }, 10s)) << "balloon at " << balloon.x << "," << balloon.y << " " << balloon.width << "x"
           << balloon.height;
  // Its top row lies outside its outline: the desktop shows there, not a white or black band.
  if (background_.width == kScreenWidth) {
    const Screenshot shot = Shot("balloon");
    ASSERT_EQ(shot.width, kScreenWidth);
    int differing = 0;
    for (int x = balloon.x; x < balloon.x + 60; ++x) {
      differing += shot.At(x, balloon.y) != background_.At(x, balloon.y);
    }
    EXPECT_EQ(differing, 0) << "the balloon hides the desktop around its outline";
  }

  // A right click on his feet reaches the game.
  X({CLICK_PATH, scene, "415", std::to_string(kScreenHeight - 5), "3"});
  EXPECT_EQ(probe.ReadLine(10s).value_or("nothing"), "mouse 2");
  probe.Terminate();
  EXPECT_TRUE(desktop_->ServerRunning());
}

// Weston's X11 back end, its output a window at the top left corner of an Xvfb larger than it:
// the Xvfb's pointer and keyboard are the compositor's seat. The pointer goes where the player
// moves it and the keys go where the compositor gives the keyboard, as in a session on real
// hardware, so pop-up menus grab the pointer and keyboard as they do on a desktop.
class SeatedWaylandSession : public CompositorSession {
 protected:
  static constexpr const char* kScene = "+++ Tolmark2 +++";
  static constexpr const char* kBalloon = "MakeRGNTalkWindowTitle";

  static void SetUpTestSuite() {
    StartCompositor(DesktopSetup::Server::kWestonOnXvfb, {"xdotool", "xwininfo", "xprop", "xmessage"});
  }

  // The player's hands: xdotool on the X server the compositor takes its input from.
  static RunResult Host(std::vector<std::string> argv) {
    ChildProcess::Options options;
    options.env["DISPLAY"] = desktop_->HostDisplay();
    return testing::Run(std::move(argv), options);
  }

  // Moves the player's pointer to (x, y) of the compositor's screen; true once XWayland has it
  // there over the window. The X11 back end takes the pointer's place when it enters the output
  // window and follows its moves from there, so the pointer comes in from outside each time.
  static bool PointAt(int x, int y, const std::string& window) {
    Host({"xdotool", "mousemove", std::to_string(kHostWidth - 1), std::to_string(kHostHeight - 1)});
    Host({"xdotool", "mousemove", std::to_string(x), std::to_string(y)});
    const std::string there = "x:" + std::to_string(x) + " y:" + std::to_string(y) +
                              " screen:0 window:" + window;
    return WaitFor([&] { return FirstLine(X({"xdotool", "getmouselocation"}).output) == there; }, 3s);
  }

  // Puts the pointer on the merchant's figure, right of his board at the left end of the scene's
  // shape (a click elsewhere in the scene goes through to the desktop).
  static bool PointAtMerchant(const std::string& scene) {
    const Rect shape = ShapeExtents(scene);
    const int right = shape.x + shape.width;
    for (const auto& [dx, dy] : {std::pair{17, 10}, {12, 10}, {22, 10}, {17, 18}, {12, 4}, {22, 4}}) {
      if (PointAt(right - dx, kScreenHeight - dy, scene)) return true;
    }
    return false;
  }

  // The program's pop-up menu on the screen: its window that is neither a scene, a balloon nor
  // the hint's tooltip (the pointer may rest on the merchant). Empty when none shows in the time.
  static std::string MenuOf(pid_t pid, std::chrono::milliseconds wait) {
    std::string menu;
    WaitFor([&] {
      for (const std::string& id : Lines(
               X({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(pid)}).output)) {
        const std::string name = FirstLine(X({"xdotool", "getwindowname", id}).output);
        if (name == kScene || name == kBalloon) continue;
        if (X({"xprop", "-id", id, "_NET_WM_WINDOW_TYPE"}).output.find("TOOLTIP") ==
            std::string::npos) {
          menu = id;
        }
      }
      return !menu.empty();
    }, wait);
    return menu;
  }

  // The end question: the game's answer to 終了, the menu's last item.
  static bool AsksWhetherToEnd(pid_t pid) {
    return WaitFor([&] { return !VisibleWindowsOf(pid, kBalloon).empty(); }, 10s);
  }
};

TEST_F(SeatedWaylandSession, RightClickOpensTheMenuThatStaysForThePointerToChooseFrom) {
  ChildProcess game({TOLMARK2_PATH}, Env());
  const std::string scene = SceneOf(game.Pid());
  ASSERT_FALSE(scene.empty()) << "the game showed no scene";
  ASSERT_TRUE(PointAtMerchant(scene)) << "no pixel of the merchant takes the pointer";
  Host({"xdotool", "click", "3"});
  const std::string menu = MenuOf(game.Pid(), 10s);
  ASSERT_FALSE(menu.empty()) << "the right click opened no menu";
  EXPECT_TRUE(VisibleWindowsOf(game.Pid(), kBalloon).empty());

  // The pointer goes over to the last item: the menu is still there to take it, and the click
  // chooses it.
  const Rect at = ClientRect(menu);
  ASSERT_TRUE(PointAt(at.x + at.width / 3, at.Bottom() - 8, menu)) << "the menu closed by itself";
  Host({"xdotool", "click", "1"});
  EXPECT_TRUE(AsksWhetherToEnd(game.Pid())) << "choosing 終了 brought no end question";
  EXPECT_TRUE(MenuOf(game.Pid(), 0ms).empty()) << "the menu stayed after the choice";
  game.Terminate();
  EXPECT_TRUE(game.WaitExit(10s).has_value());
}

TEST_F(SeatedWaylandSession, MenuTakesTheKeysWhileTheKeyboardIsWithAnotherXProgram) {
  // The player works in another X program, which the compositor gave the keyboard as it appeared.
  ChildProcess other({"xmessage", "-geometry", "+300+100", "typing here"}, Env());
  std::string typing;
  ASSERT_TRUE(WaitFor([&] {
    typing = FirstLine(X({"xdotool", "getwindowfocus"}).output);
    return FirstLine(X({"xdotool", "getwindowname", typing}).output) == "xmessage";
  }, 20s)) << "the compositor gave xmessage no keyboard";

  ChildProcess game({TOLMARK2_PATH}, Env());
  const std::string scene = SceneOf(game.Pid());
  ASSERT_FALSE(scene.empty()) << "the game showed no scene";
  ASSERT_TRUE(PointAtMerchant(scene));
  Host({"xdotool", "click", "3"});
  ASSERT_FALSE(MenuOf(game.Pid(), 10s).empty()) << "the right click opened no menu";
  // Up from no item reaches the last, 終了.
  Host({"xdotool", "key", "Up"});
  Host({"xdotool", "key", "Return"});
  EXPECT_TRUE(AsksWhetherToEnd(game.Pid())) << "the keys chose nothing from the menu";
  // The game took the keyboard only while its menu was open: it stays with the other program.
  EXPECT_EQ(FirstLine(X({"xdotool", "getwindowfocus"}).output), typing);
  game.Terminate();
  EXPECT_TRUE(game.WaitExit(10s).has_value());
}

}  // namespace
}  // namespace tolmark::testing
