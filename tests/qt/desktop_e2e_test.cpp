// The game on a real (virtual) X display: what the player sees and where his clicks land.
// One display and one running game serve the whole suite; the tests run in order and leave
// the screen as they found it, except the last, which opens the shop.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <thread>

#include "desktop_test.h"
#include "text_lines.h"
#include "tool_check.h"
#include "wait_for.h"
#include "wm_ping.h"

namespace tolmark::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kFloor = 560;  // a 40-pixel panel at the bottom, published as the work area
constexpr std::uint32_t kRoot = 0x3366CC;
// Where the merchant (34 x 34 at x 100) and his board (15 x 41, 15 left and 5 up) stand.
struct Box {
  int x0, y0, x1, y1;
  bool Contains(int x, int y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
};
constexpr Box kMerchant{100, kFloor - 34, 134, kFloor};
constexpr Box kBoard{85, kFloor - 39, 100, kFloor + 2};
constexpr Box kFigures{85, kFloor - 39, 134, kFloor + 2};
constexpr Box kTarget{500, 200, 560, 240};  // the plain window lying under the scene window

class Desktop : public DesktopTest {
 protected:
  static void SetUpTestSuite() {
    if (!StartDesktop({.suite = "desktop",
                       .shots = "desktop-shots",
                       .width = kScreenWidth,
                       .height = kScreenHeight,
                       .tools = {"xdotool"},
                       .backdrop = kRoot,
                       .floor = kFloor})) {
      return;
    }
    ChildProcess::Options targetOptions = Env();
    targetOptions.captureOutput = true;
    target_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{CLICK_TARGET_PATH, std::to_string(kTarget.x0),
                                 std::to_string(kTarget.y0), std::to_string(kTarget.x1 - kTarget.x0),
                                 std::to_string(kTarget.y1 - kTarget.y0), "22aa22"},
        targetOptions);
    ASSERT_EQ(target_->ReadLine(10s).value_or(""), "mapped");

    game_ = StartGame();
    ASSERT_TRUE(WaitFor([] { return Shot("start").CountOther(kMerchant.x0, kMerchant.y0,
                                                              kMerchant.x1, kMerchant.y1, kRoot) > 0; },
                        20s))
        << "the merchant never appeared";
  }

  static void TearDownTestSuite() {
    game_.reset();
    target_.reset();
    StopDesktop();
  }

  void SetUp() override {
    DesktopTest::SetUp();
    if (!Proceeds()) return;
    ASSERT_TRUE(game_ && game_->Running()) << "the game is not running";
  }

  static std::unique_ptr<ChildProcess> StartGame() {
    return std::make_unique<ChildProcess>(std::vector<std::string>{TOLMARK2_PATH}, Env());
  }

  // Pixels off the figures and off the plain window that do not show the root colour.
  static int StrayPixels(const Screenshot& shot) {
    int stray = 0;
    for (int y = 0; y < shot.height; ++y) {
      for (int x = 0; x < shot.width; ++x) {
        if (!kFigures.Contains(x, y) && !kTarget.Contains(x, y) && shot.At(x, y) != kRoot) ++stray;
      }
    }
    return stray;
  }

  // A pixel of the merchant's own figure, where a click reaches the game.
  static std::pair<int, int> MerchantPixel(const Screenshot& shot) {
    for (int y = kMerchant.y1 - 1; y >= kMerchant.y0; --y) {
      for (int x = kMerchant.x0 + 10; x < kMerchant.x1; ++x) {
        if (shot.At(x, y) != kRoot) return {x, y};
      }
    }
    return {-1, -1};
  }

  void RightClickMerchant() {
    const auto [x, y] = MerchantPixel(Shot("before-right-click"));
    ASSERT_GE(x, 0);
    X({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "3"});
  }

  inline static std::unique_ptr<ChildProcess> target_;
  inline static std::unique_ptr<ChildProcess> game_;
};

TEST_F(Desktop, MerchantAndClosedBoardStandOnTheWorkAreaFloorAtTheLeft) {
  const Screenshot shot = Shot("shop-closed");
  ASSERT_EQ(shot.width, kScreenWidth);
  EXPECT_GT(shot.CountOther(kMerchant.x0, kMerchant.y0, kMerchant.x1, kMerchant.y1, kRoot), 200);
  EXPECT_GT(shot.CountOther(kBoard.x0, kBoard.y0, kBoard.x1, kBoard.y1, kRoot), 100);
  // Figures stand on the work area's floor: nothing of them in the panel's rows below it
  // (the board's two lowest rows excepted, it is taller than the merchant).
  EXPECT_EQ(shot.CountOther(0, kFloor + 2, kScreenWidth, kScreenHeight, kRoot), 0);
  // The screen-wide scene window is see-through everywhere else.
  EXPECT_EQ(StrayPixels(shot), 0);
}

TEST_F(Desktop, SceneWindowCarriesTheGameCaptionAndStaysOutOfTaskBarAndPager) {
  const std::string scene = FirstLine(
      X({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(game_->Pid()),
         "--name", "Tolmark2"}).output);
  ASSERT_FALSE(scene.empty());
  EXPECT_EQ(X({"xdotool", "getwindowname", scene}).output, "+++ Tolmark2 +++\n");
  const std::string state = X({"xprop", "-id", scene, "_NET_WM_STATE"}).output;
  EXPECT_NE(state.find("_NET_WM_STATE_SKIP_TASKBAR"), std::string::npos) << state;
  EXPECT_NE(state.find("_NET_WM_STATE_SKIP_PAGER"), std::string::npos) << state;
}

TEST_F(Desktop, ClickOnSeeThroughPartReachesTheWindowBelow) {
  X({"xdotool", "mousemove", "530", "220", "click", "1"});
  EXPECT_EQ(target_->ReadLine(5s).value_or("no press"), "press 530 220");
}

TEST_F(Desktop, RightClickOnMerchantOpensTheMenu) {
  RightClickMerchant();
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("menu")) > 2000; }, 10s))
      << "no menu appeared beside the merchant";
  X({"xdotool", "key", "Escape"});
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("menu-closed")) == 0; }, 10s));
}

TEST_F(Desktop, SecondCopyShowsTheRefusalAndEndsWhileTheFirstRuns) {
  auto second = StartGame();
  std::string box;
  ASSERT_TRUE(WaitFor([&] {
    box = X({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(second->Pid())}).output;
    return !box.empty();
  }, 20s)) << "the second copy showed no window";
  box = box.substr(0, box.find('\n'));
  EXPECT_EQ(X({"xdotool", "getwindowname", box}).output, "+++ Tolmark2 +++\n");
  Shot("refusal");
  X({"xdotool", "windowfocus", "--sync", box, "key", "Return"});
  EXPECT_EQ(second->WaitExit(10s), std::optional<int>(0)) << "the second copy did not end";
  EXPECT_TRUE(game_->Running());
  EXPECT_TRUE(WaitFor([] {
    const Screenshot shot = Shot("after-refusal");
    return StrayPixels(shot) == 0 &&
           shot.CountOther(kMerchant.x0, kMerchant.y0, kMerchant.x1, kMerchant.y1, kRoot) > 200;
  }, 10s)) << "the first copy's shop changed";
}

TEST_F(Desktop, StockListOpensAtItsPlaceAndClosesOnDoubleClick) {
  auto gameWindows = [] {
    std::vector<std::string> ids;
    std::istringstream lines(X({"xdotool", "search", "--onlyvisible", "--pid",
                                std::to_string(game_->Pid()), "--name", "Tolmark2"}).output);
    for (std::string id; std::getline(lines, id);) ids.push_back(id);
    return ids;
  };
  const std::size_t scenes = gameWindows().size();
  RightClickMerchant();
  ASSERT_TRUE(WaitFor([] { return StrayPixels(Shot("menu-stock")) > 2000; }, 10s));
  X({"xdotool", "key", "Down", "Return"});  // 売り物, the first entry
  std::string list;
  ASSERT_TRUE(WaitFor([&] {
    const auto ids = gameWindows();
    if (ids.size() <= scenes) return false;
    list = ids.back();
    return true;
  }, 10s)) << "no stock list window";
  // 4350 x 1335 units at 127 pixels from the left, 60 pixels above the floor.
  const std::string geometry = X({"xdotool", "getwindowgeometry", list}).output;
  EXPECT_NE(geometry.find("Position: 127," + std::to_string(kFloor - 89 - 60)), std::string::npos)
      << geometry;
  EXPECT_NE(geometry.find("Geometry: 290x89"), std::string::npos) << geometry;
  EXPECT_EQ(X({"xdotool", "getwindowname", list}).output, "+++ Tolmark2 +++\n");
  EXPECT_GT(Shot("stock-list").CountOther(127, kFloor - 149, 127 + 290, kFloor - 60, kRoot), 290 * 89 / 2);

  X({"xdotool", "mousemove", "200", std::to_string(kFloor - 100), "click", "--repeat", "2", "1"});
  EXPECT_TRUE(WaitFor([&] { return gameWindows().size() == scenes; }, 10s))
      << "a double click should close the stock list";
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("stock-list-closed")) == 0; }, 5s));
}

TEST_F(Desktop, AlwaysInFrontBringsTheShopBackOverAForeignWindowThatTakesTheFocus) {
  constexpr std::uint32_t kForeign = 0xFF8800;
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  ChildProcess foreign({CLICK_TARGET_PATH, "60", "480", "140", "80", "ff8800", "foreign"}, options);
  ASSERT_EQ(foreign.ReadLine(10s).value_or(""), "mapped");
  ASSERT_TRUE(WaitFor([&] {
    return Shot("covered").CountOther(kMerchant.x0, kMerchant.y0, kMerchant.x1, kMerchant.y1,
                                      kForeign) == 0;
  }, 5s)) << "the foreign window should cover the merchant while the option is off";

  const std::string scene = FirstLine(
      X({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(game_->Pid()),
         "--name", "Tolmark2"}).output);
  const std::string other = FirstLine(X({"xdotool", "search", "--name", "^foreign$"}).output);
  ASSERT_FALSE(scene.empty());
  ASSERT_FALSE(other.empty());
  // T toggles the option, as the game's key; then another program takes the focus.
  X({"xdotool", "windowfocus", "--sync", scene, "key", "t"});
  X({"xdotool", "windowfocus", other});
  EXPECT_TRUE(WaitFor([&] {
    return Shot("brought-back").CountOther(kMerchant.x0, kMerchant.y0, kMerchant.x1, kMerchant.y1,
                                           kForeign) > 200;
  }, 5s)) << "the merchant did not come back in front";

  X({"xdotool", "windowfocus", "--sync", scene, "key", "t"});
  foreign.Terminate();
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("foreign-gone")) == 0; }, 5s));
}

TEST_F(Desktop, WatchdogFollowsTheActiveWindowTheDesktopPublishesEvenAVanishedOne) {
  constexpr std::uint32_t kForeign = 0xFF8800;
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  ChildProcess foreign({CLICK_TARGET_PATH, "60", "480", "140", "80", "ff8800", "foreign"}, options);
  ASSERT_EQ(foreign.ReadLine(10s).value_or(""), "mapped");
  const std::string scene = FirstLine(
      X({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(game_->Pid()),
         "--name", "Tolmark2"}).output);
  const std::string other = FirstLine(X({"xdotool", "search", "--name", "^foreign$"}).output);
  ASSERT_FALSE(scene.empty());
  ASSERT_FALSE(other.empty());
  auto publishActive = [](const std::string& window) {
    X({"xprop", "-root", "-f", "_NET_ACTIVE_WINDOW", "32x", "-set", "_NET_ACTIVE_WINDOW", window});
  };
  auto merchantShows = [] {
    return Shot("published").CountOther(kMerchant.x0, kMerchant.y0, kMerchant.x1, kMerchant.y1,
                                         kForeign) > 200;
  };
  publishActive(scene);  // the desktop says the game is active: nothing to do
  X({"xdotool", "windowfocus", "--sync", scene, "key", "t"});
  std::this_thread::sleep_for(500ms);
  EXPECT_FALSE(merchantShows()) << "the game raised itself while it was the active window";

  publishActive(other);
  EXPECT_TRUE(WaitFor(merchantShows, 5s)) << "the merchant did not come back in front";

  publishActive("0x7ffff0");  // a window that no longer exists
  std::this_thread::sleep_for(500ms);
  EXPECT_TRUE(game_->Running());

  X({"xprop", "-root", "-remove", "_NET_ACTIVE_WINDOW"});
  X({"xdotool", "windowfocus", "--sync", scene, "key", "t"});
  foreign.Terminate();
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("published-gone")) == 0; }, 5s));
}

TEST_F(Desktop, PauseHoldsClicksUntilItEndsYetAnswersTheWindowManager) {
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  ChildProcess probe({PROBE_PATH, "sleep", "400"}, options);
  ASSERT_EQ(probe.ReadLine(10s).value_or(""), "shown");
  ASSERT_EQ(probe.ReadLine(10s).value_or(""), "asleep");
  const std::string window = FirstLine(
      X({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(probe.Pid())}).output);
  ASSERT_FALSE(window.empty());
  EXPECT_TRUE(AnswersPing(Display(), std::stoul(window), 2s)) << "a paused game must not look hung";
  X({"xdotool", "mousemove", "417", std::to_string(kFloor - 5), "click", "1"});
  // The click waits for the end of the pause, and then it does arrive.
  EXPECT_EQ(probe.ReadLine(10s).value_or(""), "awake");
  EXPECT_EQ(probe.ReadLine(5s).value_or("nothing"), "mouse 1");
  probe.Terminate();
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("probe-gone")) == 0; }, 5s));
}

TEST_F(Desktop, FiguresFollowTheFloorWhenThePanelChanges) {
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  ChildProcess probe({PROBE_PATH, "stand", "400"}, options);
  ASSERT_EQ(probe.ReadLine(10s).value_or(""), "shown");
  EXPECT_GT(Shot("probe-on-floor").CountOther(400, kFloor - 34, 434, kFloor, kRoot), 200);

  constexpr int kHigherFloor = 500;  // the panel grows to 100 pixels
  X({"xprop", "-root", "-f", "_NET_WORKAREA", "32cccc", "-set", "_NET_WORKAREA",
     "0, 0, " + std::to_string(kScreenWidth) + ", " + std::to_string(kHigherFloor)});
  EXPECT_TRUE(WaitFor([] {
    const Screenshot shot = Shot("probe-on-higher-floor");
    return shot.CountOther(400, kHigherFloor - 34, 434, kHigherFloor, kRoot) > 200 &&
           shot.CountOther(380, kHigherFloor, 460, kScreenHeight, kRoot) == 0;
  }, 10s)) << "the merchant should stand on the new floor";

  X({"xprop", "-root", "-f", "_NET_WORKAREA", "32cccc", "-set", "_NET_WORKAREA",
     "0, 0, " + std::to_string(kScreenWidth) + ", " + std::to_string(kFloor)});
  probe.Terminate();
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("probe-gone")) == 0; }, 5s));
}

TEST_F(Desktop, WithoutAPublishedWorkAreaFiguresStandAboveWhatThePanelsReserve) {
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  X({"xprop", "-root", "-remove", "_NET_WORKAREA"});
  // Nothing published and no panel: the floor is the screen's bottom edge.
  auto probe = std::make_unique<ChildProcess>(std::vector<std::string>{PROBE_PATH, "stand", "400"},
                                              options);
  ASSERT_EQ(probe->ReadLine(10s).value_or(""), "shown");
  EXPECT_TRUE(WaitFor([] {
    return Shot("no-work-area").CountOther(400, kScreenHeight - 34, 434, kScreenHeight, kRoot) > 200;
  }, 10s));
  // A panel of 30 pixels at the bottom reserves its rows (_NET_WM_STRUT_PARTIAL); a window
  // manager lists it among its windows (_NET_CLIENT_LIST) but publishes no work area: the game
  // reads the reservation itself.
  constexpr int kPanelFloor = kScreenHeight - 30;
  {
    ChildProcess panel({CLICK_TARGET_PATH, "0", std::to_string(kPanelFloor),
                        std::to_string(kScreenWidth), "30", "3366cc", "panel", "bottom-panel"},
                       options);
    ASSERT_EQ(panel.ReadLine(10s).value_or(""), "mapped");
    const std::string id = FirstLine(X({"xdotool", "search", "--name", "^panel$"}).output);
    X({"xprop", "-root", "-f", "_NET_CLIENT_LIST", "32x", "-set", "_NET_CLIENT_LIST", id});
    EXPECT_TRUE(WaitFor([] {
      return Shot("panel-strut").CountOther(400, kPanelFloor - 34, 434, kPanelFloor, kRoot) > 200;
    }, 10s)) << "the merchant should stand on the panel's edge";
  }
  // The panel gone, the whole screen is free again.
  X({"xprop", "-root", "-remove", "_NET_CLIENT_LIST"});
  EXPECT_TRUE(WaitFor([] {
    return Shot("panel-gone").CountOther(400, kScreenHeight - 34, 434, kScreenHeight, kRoot) > 200;
  }, 10s)) << "the merchant should stand on the screen's edge again";
  probe.reset();
  X({"xprop", "-root", "-f", "_NET_WORKAREA", "32cccc", "-set", "_NET_WORKAREA",
     "0, 0, " + std::to_string(kScreenWidth) + ", " + std::to_string(kFloor)});
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("work-area-back")) == 0; }, 10s));
}

TEST_F(Desktop, AFigureWalkingPastTheMerchantLeavesNoTrace) {
  // The same last frame, reached by walking there and drawn at once, must look the same, also
  // once a window that covered it has gone and the screen is repainted from what the game kept.
  auto lastFrame = [](const std::string& mode) {
    ChildProcess::Options options = Env();
    options.captureOutput = true;
    ChildProcess probe({PROBE_PATH, mode, "400"}, options);
    EXPECT_EQ(probe.ReadLine(20s).value_or(""), "walked") << mode;
    {
      ChildProcess cover({CLICK_TARGET_PATH, "380", std::to_string(kFloor - 60), "120", "60",
                          "22aa22"}, options);
      EXPECT_EQ(cover.ReadLine(10s).value_or(""), "mapped");
    }
    std::this_thread::sleep_for(300ms);
    const Screenshot shot = Shot("probe-" + mode);
    probe.Terminate();
    EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("probe-gone")) == 0; }, 5s));
    return shot;
  };
  const Screenshot walked = lastFrame("walk");
  const Screenshot drawn = lastFrame("walked");
  int differing = 0;
  for (int y = kFloor - 60; y < kFloor; ++y) {
    for (int x = 380; x < 500; ++x) differing += walked.At(x, y) != drawn.At(x, y);
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(drawn.CountOther(380, kFloor - 60, 500, kFloor, kRoot), 3 * 200)
      << "merchant, visitor and board should all show";
}

TEST_F(Desktop, DoubledDisplayShowsPixelArtInCrispBlocks) {
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  options.env["QT_SCALE_FACTOR"] = "2";
  ChildProcess probe({PROBE_PATH, "stand", "200"}, options);  // logical column 200: pixel 400
  ASSERT_EQ(probe.ReadLine(10s).value_or(""), "shown");
  // Twice the size, on the same floor: 68 x 68 screen pixels from column 400.
  Screenshot shot;
  ASSERT_TRUE(WaitFor([&] {
    shot = Shot("doubled");
    return shot.CountOther(400, kFloor - 68, 468, kFloor, kRoot) > 4 * 200;
  }, 10s));
  EXPECT_EQ(shot.CountOther(468, kFloor - 68, 520, kFloor, kRoot), 0);
  int blurred = 0;
  for (int y = kFloor - 68; y < kFloor; y += 2) {
    for (int x = 400; x < 468; x += 2) {
      const std::uint32_t c = shot.At(x, y);
      if (shot.At(x + 1, y) != c || shot.At(x, y + 1) != c || shot.At(x + 1, y + 1) != c) ++blurred;
    }
  }
  EXPECT_EQ(blurred, 0) << "every picture pixel should become one 2 x 2 block";
  probe.Terminate();
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("doubled-gone")) == 0; }, 5s));
}

TEST_F(Desktop, GameKeysArriveAsTheSameCodesOnACyrillicLayout) {
  if (!HaveTool("setxkbmap")) GTEST_SKIP() << "setxkbmap is not installed (scripts/install-deps)";
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  ChildProcess probe({PROBE_PATH, "stand", "400"}, options);
  ASSERT_EQ(probe.ReadLine(10s).value_or(""), "shown");
  const std::string window = FirstLine(
      X({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(probe.Pid())}).output);
  ASSERT_FALSE(window.empty());
  struct Layout {
    const char* name;
    std::vector<std::string> keys;  // the keys marked T, Y, S and Enter on that layout
  };
  const Layout layouts[] = {{"us", {"t", "y", "s", "Return"}},
                            {"ru", {"Cyrillic_ie", "Cyrillic_en", "Cyrillic_yeru", "Return"}}};
  for (const Layout& layout : layouts) {
    X({"setxkbmap", "-layout", layout.name});
    std::vector<std::string> press = {"xdotool", "windowfocus", "--sync", window, "key"};
    press.insert(press.end(), layout.keys.begin(), layout.keys.end());
    X(press);
    for (const char* expected : {"key 84", "key 89", "key 83", "key 13"}) {
      EXPECT_EQ(probe.ReadLine(5s).value_or("nothing"), expected) << layout.name;
    }
  }
  X({"setxkbmap", "-layout", "us"});
  probe.Terminate();
  EXPECT_TRUE(WaitFor([] { return StrayPixels(Shot("keys-gone")) == 0; }, 5s));
}

// Which menu entries the keyboard passes before "開店": the headless runner shows the same
// menu the game builds. Empty when this build has no shop command to open the shop.
std::optional<int> StepsToOpenShop() {
  if (std::string(TOLMARK_SIM_PATH).empty()) return std::nullopt;
  const fs::path script = fs::temp_directory_path() / ("tolmark2-open-" + std::to_string(getpid()) + ".sim");
  {
    std::ofstream out(script);
    out << "start\nclick frmShop right\nmenu mopen\nexpect ShopOpen -1\n";
  }
  const RunResult result = testing::Run({TOLMARK_SIM_PATH, script.string()});
  fs::remove(script);
  if (result.status != 0) return std::nullopt;
  std::istringstream lines(result.output);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("menu menu ", 0) != 0) continue;
    std::istringstream items(line.substr(10));
    int steps = 0;
    for (std::string item; items >> item;) {
      const auto colon = item.find(':');
      const std::string flags = item.substr(colon + 1);
      const bool reachable = flags.find('v') != std::string::npos && flags.find('e') != std::string::npos;
      if (reachable) ++steps;
      if (item.substr(0, colon) == "mopen") return steps;
    }
  }
  return std::nullopt;
}

TEST_F(Desktop, OpeningTheShopFromTheMenuChangesTheBoard) {
  const auto steps = StepsToOpenShop();
  if (!steps) GTEST_SKIP() << "the shop command 開店 (mopen) is not in this build yet";
  const Screenshot before = Shot("board-closed");
  RightClickMerchant();
  ASSERT_TRUE(WaitFor([] { return StrayPixels(Shot("menu-open-shop")) > 2000; }, 10s));
  for (int i = 0; i < *steps; ++i) X({"xdotool", "key", "Down"});
  X({"xdotool", "key", "Return"});
  EXPECT_TRUE(WaitFor([&] {
    const Screenshot after = Shot("board-open");
    for (int y = kBoard.y0; y < kBoard.y1; ++y) {
      for (int x = kBoard.x0; x < kBoard.x1; ++x) {
        if (after.At(x, y) != before.At(x, y)) return true;
      }
    }
    return false;
  }, 10s)) << "the board still shows 閉店";
}

}  // namespace
}  // namespace tolmark::testing
