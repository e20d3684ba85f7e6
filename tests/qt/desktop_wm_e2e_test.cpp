// The game as a neighbour on a real desktop: a virtual X display with a window manager
// (openbox), a panel with a tray (tint2) and a terminal (xterm) the player types into.
// One display and one running game serve the whole suite; the tests run in order and leave
// the desktop as they found it. The game starts without a save file, as on the first start.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string_view>
#include <thread>

#include "desktop_test.h"
#include "panel.h"
#include "text_lines.h"
#include "wait_for.h"
#include "window_manager.h"

namespace tolmark::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr std::uint32_t kRoot = 0x000000;  // Xvfb's root shows black
constexpr int kMerchantX = 100;            // the merchant, 34 x 34 pixels at the left
constexpr int kMerchantSize = 34;

using Rect = ScreenRect;

class DesktopWithManager : public DesktopTest {
 protected:
  static void SetUpTestSuite() {
    const std::string manager = ChosenWindowManager().name;
    const std::string suite = manager == "openbox" ? "neighbour" : manager;
    if (!StartDesktop({.suite = suite,
                       .shots = "desktop-" + suite + "-shots",
                       .server = manager == "kwin_wayland"     ? DesktopSetup::Server::kKwinWayland
                                 : manager == "mutter_wayland" ? DesktopSetup::Server::kMutterWayland
                                                               : DesktopSetup::Server::kXvfb,
                       .width = kScreenWidth,
                       .height = kScreenHeight,
                       .tools = {"xdotool", "xwininfo", "xterm", "wmctrl"},
                       .windowManager = true,
                       .panel = "bottom"})) {
      return;
    }
    game_ = std::make_unique<ChildProcess>(std::vector<std::string>{TOLMARK2_PATH}, Env());
    ASSERT_TRUE(WaitFor([] { return MerchantPixels(Shot("start"), Floor()) > 200; }, 20s))
        << "the merchant never appeared on the floor";
  }

  static void TearDownTestSuite() {
    game_.reset();
    StopDesktop();
  }

  void SetUp() override {
    DesktopTest::SetUp();
    if (!Proceeds()) return;
    ASSERT_TRUE(game_ && game_->Running()) << "the game is not running";
  }

  // X tools run to their end; those that wait for the window manager are given a time limit
  // (`timeout 10`), so a manager that refuses never stalls the suite.
  // The panel moved to "top" or "bottom".
  static void StartPanel(const std::string& position) { desktop_->MovePanel(position); }

  static Rect WorkArea() { return desktop_->WorkArea(); }

  static int Floor() {
    const Rect area = WorkArea();
    return area.height > 0 ? area.y + area.height : kScreenHeight;
  }

  // Pixels of the merchant's place at scale 1 (he stands on the floor at the left).
  static int MerchantPixels(const Screenshot& shot, int floor) {
    return shot.CountOther(kMerchantX, floor - kMerchantSize, kMerchantX + kMerchantSize, floor,
                           kRoot);
  }

  // The share (0..1) of the merchant's own pixels in the reference shot that show unchanged.
  static double MerchantShows(const Screenshot& shot, const Screenshot& reference) {
    int figure = 0, same = 0;
    const int floor = Floor();
    for (int y = floor - kMerchantSize; y < floor; ++y) {
      for (int x = kMerchantX; x < kMerchantX + kMerchantSize; ++x) {
        if (reference.At(x, y) == kRoot) continue;
        ++figure;
        same += shot.At(x, y) == reference.At(x, y);
      }
    }
    return figure > 0 ? static_cast<double>(same) / figure : 0.0;
  }

  // A pixel of the merchant standing at `column`, where a click reaches him.
  static std::pair<int, int> MerchantPixel(const Screenshot& shot, int column = kMerchantX) {
    const int floor = Floor();
    for (int y = floor - 1; y >= floor - kMerchantSize; --y) {
      for (int x = column + 10; x < column + kMerchantSize; ++x) {
        if (shot.At(x, y) != kRoot) return {x, y};
      }
    }
    return {-1, -1};
  }

  static std::vector<std::string> GameWindows() {
    return VisibleWindowsOf(game_->Pid(), "+++ Tolmark2 +++");
  }

  static std::string SceneWindow() {
    for (const std::string& id : GameWindows()) {
      if (ClientRect(id).width == kScreenWidth) return id;
    }
    return {};
  }

  static std::string FocusedName() {
    return FirstLine(X({"xdotool", "getwindowfocus", "getwindowname"}).output);
  }

  // A terminal whose typed lines land in a file, placed at a pixel position; it has the
  // keyboard once this returns.
  struct Terminal {
    std::unique_ptr<ChildProcess> process;
    fs::path typed;
    std::string window;
  };
  static Terminal StartTerminal(int x, int y) {
    Terminal t;
    t.typed = Folders().Root() / ("typed-" + std::to_string(++terminals_));
    t.process = std::make_unique<ChildProcess>(
        QuietCommand({"xterm", "-geometry", "30x6+" + std::to_string(x) + "+" + std::to_string(y),
               "-title", "typist", "-e", "sh", "-c", "exec cat > " + t.typed.string()}),
        Env());
    WaitFor([&] {
      t.window = FirstLine(X({"xdotool", "search", "--onlyvisible", "--name", "^typist$"}).output);
      return !t.window.empty();
    }, 20s);
    if (!t.window.empty()) X({"timeout", "10", "xdotool", "windowactivate", "--sync", t.window});
    return t;
  }

  // The player's terminal at the top, with the keyboard, and the probe's merchant at column 400
  // talking (desktop-probe's `mode`, talk or front).
  static void TalkBesideTerminal(const std::string& mode, Terminal& terminal,
                                 std::unique_ptr<ChildProcess>& probe) {
    terminal = StartTerminal(400, 80);
    ASSERT_FALSE(terminal.window.empty()) << "xterm did not start";
    ChildProcess::Options options = Env();
    options.captureOutput = true;
    probe = std::make_unique<ChildProcess>(std::vector<std::string>{PROBE_PATH, mode, "400"},
                                           options);
    ASSERT_EQ(probe->ReadLine(20s).value_or(""), "shown");
    ASSERT_EQ(probe->ReadLine(20s).value_or(""), "talking");
  }

  static std::string Typed(const Terminal& t) {
    std::ifstream in(t.typed);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Types a line into whatever has the keyboard, as a person would, key by key.
  static void TypeLine(const std::string& text) {
    X({"xdotool", "type", "--delay", "60", text});
    X({"xdotool", "key", "Return"});
  }

  // The game's own always-in-front switch: its key T, pressed while the game has the keyboard.
  static void ToggleAlwaysInFront() {
    const std::string scene = SceneWindow();
    ASSERT_FALSE(scene.empty());
    X({"timeout", "10", "xdotool", "windowactivate", "--sync", scene});
    X({"xdotool", "key", "t"});
  }

  void RightClickMerchant() {
    const auto [x, y] = MerchantPixel(Shot("before-right-click"));
    ASSERT_GE(x, 0);
    X({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "3"});
  }

  // The root's children from the top of the stack down, override-redirect windows among them
  // (_NET_CLIENT_LIST_STACKING leaves those out); xwininfo lists them top first.
  static std::vector<unsigned long> StackingTopDown() {
    std::vector<unsigned long> ids;
    for (const std::string& line : Lines(X({"xwininfo", "-root", "-children"}).output)) {
      const auto at = line.find("0x");
      if (line.rfind("     0x", 0) == 0 && at != std::string::npos) {
        ids.push_back(std::stoul(line.substr(at), nullptr, 16));
      }
    }
    return ids;
  }

  // The root's child that holds the window: its frame under a window manager, else itself.
  static unsigned long TopLevelOf(const std::string& window) {
    unsigned long id = std::stoul(window, nullptr, 0);
    for (int depth = 0; depth < 8; ++depth) {
      const std::string tree = X({"xwininfo", "-children", "-id", std::to_string(id)}).output;
      const auto root = tree.find("Root window id: ");
      const auto parent = tree.find("Parent window id: ");
      if (root == std::string::npos || parent == std::string::npos) return 0;
      const unsigned long rootId = std::stoul(tree.substr(root + 16), nullptr, 16);
      const unsigned long parentId = std::stoul(tree.substr(parent + 18), nullptr, 16);
      if (parentId == rootId) return id;
      id = parentId;
    }
    return 0;
  }

  inline static int terminals_ = 0;
  inline static std::unique_ptr<ChildProcess> game_;
};

TEST_F(DesktopWithManager, FirstStartTellsOverTheMerchantThatARightClickOpensTheMenu) {
  const std::size_t before = VisibleWindowsOf(game_->Pid()).size();
  const auto [x, y] = MerchantPixel(Shot("hint-before"));
  ASSERT_GE(x, 0);
  X({"xdotool", "mousemove", std::to_string(x - 1), std::to_string(y)});
  X({"xdotool", "mousemove", std::to_string(x), std::to_string(y)});
  EXPECT_TRUE(WaitFor([&] { return VisibleWindowsOf(game_->Pid()).size() > before; }, 10s))
      << "no tooltip over the merchant";
  Shot("hint");
  X({"xdotool", "mousemove", "600", "200"});
  EXPECT_TRUE(WaitFor([&] { return VisibleWindowsOf(game_->Pid()).size() == before; }, 10s));
}

TEST_F(DesktopWithManager, MerchantStandsOnTheFloorAboveThePanel) {
  const Screenshot shot = Shot("on-the-floor");
  const int floor = Floor();
  EXPECT_EQ(floor, kScreenHeight - kPanelHeight);
  EXPECT_GT(MerchantPixels(shot, floor), 200);
  // Nothing of him floats above his place.
  EXPECT_EQ(shot.CountOther(kMerchantX, floor - 3 * kMerchantSize, kMerchantX + kMerchantSize,
                            floor - kMerchantSize - 6, kRoot), 0);
}

TEST_F(DesktopWithManager, TextTypedIntoATerminalArrivesWholeWhileBalloonsAppear) {
  Terminal terminal;
  std::unique_ptr<ChildProcess> talking;
  ASSERT_NO_FATAL_FAILURE(TalkBesideTerminal("talk", terminal, talking));
  ChildProcess& probe = *talking;
  // The player goes back to his terminal while the merchant talks on.
  X({"timeout", "10", "xdotool", "windowactivate", "--sync", terminal.window});
  // Balloons come and go or take the next line, and the talking scene asks for the focus
  // after each one.
  TypeLine("the quick brown fox jumps over the lazy dog");
  EXPECT_TRUE(WaitFor([&] {
    return Typed(terminal) == "the quick brown fox jumps over the lazy dog\n";
  }, 10s)) << "the terminal got: " << Typed(terminal);
  EXPECT_EQ(FocusedName(), "typist");
  Shot("typing-beside-balloons");
  // The merchant's balloons show beside him while the terminal keeps the keyboard.
  EXPECT_TRUE(WaitFor([&] {
    return Shot("balloon-beside-typing").CountOther(436, Floor() - 50, 540, Floor() - 30, kRoot) > 50;
  }, 5s)) << "no balloon beside the merchant while another program is active";
  // No window manager hid a balloon for being another program's while the terminal is
  // active, nor marked one of the game's windows as calling for attention.
  for (const std::string& id : Lines(X({"xdotool", "search", "--pid", std::to_string(probe.Pid()),
                                        "--name", "."}).output)) {
    const std::string states = X({"xprop", "-id", id, "_NET_WM_STATE"}).output;
    EXPECT_EQ(states.find("_NET_WM_STATE_HIDDEN"), std::string::npos) << id << ": " << states;
    EXPECT_EQ(states.find("_NET_WM_STATE_DEMANDS_ATTENTION"), std::string::npos)
        << id << ": " << states;
  }
  EXPECT_EQ(probe.ReadLine(500ms), std::nullopt) << "a key reached the game";
}

TEST_F(DesktopWithManager, AClickedBalloonLeavesLaterTypingToTheTerminal) {
  // The player clicks the merchant's balloon, then clicks back into his terminal and types:
  // the letters are the terminal's, never the game's keys (an n would answer a customer no).
  Terminal terminal;
  std::unique_ptr<ChildProcess> talking;
  ASSERT_NO_FATAL_FAILURE(TalkBesideTerminal("talk", terminal, talking));
  ChildProcess& probe = *talking;
  // Every other line comes in a new balloon: a click that found the last one gone is made again.
  bool clicked = false;
  for (int attempt = 0; attempt < 5 && !clicked; ++attempt) {
    const std::vector<std::string> balloons =
        VisibleWindowsOf(probe.Pid(), "MakeRGNTalkWindowTitle");
    if (balloons.empty()) continue;
    const Rect at = ClientRect(balloons.front());
    X({"xdotool", "mousemove", std::to_string(at.x + at.width / 2),
       std::to_string(at.y + at.height / 2), "click", "1"});
    while (const auto line = probe.ReadLine(1s)) {
      if (*line == "mouse 1") clicked = true;
    }
  }
  ASSERT_TRUE(clicked) << "no click reached a balloon";
  const Rect back = ClientRect(terminal.window);
  X({"xdotool", "mousemove", std::to_string(back.x + back.width / 2),
     std::to_string(back.y + back.height / 2), "click", "1"});
  TypeLine("nty nty");
  EXPECT_TRUE(WaitFor([&] { return Typed(terminal) == "nty nty\n"; }, 10s))
      << "the terminal got: " << Typed(terminal);
  EXPECT_EQ(probe.ReadLine(500ms), std::nullopt) << "a key reached the game";
}

TEST_F(DesktopWithManager, RightClickMenuStaysAboveATalkingMerchantAndTakesTheChoice) {
  // A customer talks while the player types into a terminal, and the watchdog raises the scene
  // and every new balloon. The menu opened over the merchant stays open above every window of
  // the game, and the item chosen with the keys reaches the game.
  Terminal terminal;
  std::unique_ptr<ChildProcess> talking;
  ASSERT_NO_FATAL_FAILURE(TalkBesideTerminal("front", terminal, talking));
  ChildProcess& probe = *talking;
  std::pair<int, int> merchant;
  ASSERT_TRUE(WaitFor([&] {
    merchant = MerchantPixel(Shot("talking-before-menu"), 400);
    return merchant.first >= 0;
  }, 10s)) << "the talking merchant did not show";
  const auto [x, y] = merchant;
  X({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "3"});
  std::string menu;
  ASSERT_TRUE(WaitFor([&] {
    // The menu is the window named neither as a scene nor as a balloon, taller than a line.
    for (const std::string& id : VisibleWindowsOf(probe.Pid())) {
      const RunResult name = X({"xdotool", "getwindowname", id});
      if (name.status == 0 && FirstLine(name.output) != "+++ Tolmark2 +++" &&
          FirstLine(name.output) != "MakeRGNTalkWindowTitle" && ClientRect(id).height > 60) {
        menu = id;
      }
    }
    return !menu.empty();
  }, 10s)) << "no menu stayed open over the talking merchant: "
           << X({"xwininfo", "-root", "-children"}).output;
  const unsigned long menuTop = TopLevelOf(menu);
  ASSERT_NE(menuTop, 0u);
  // The game's windows over the menu, top first; nothing when the menu has closed.
  const auto over = [&]() -> std::optional<std::vector<unsigned long>> {
    const std::vector<unsigned long> stack = StackingTopDown();
    const auto menuAt = std::find(stack.begin(), stack.end(), menuTop);
    if (menuAt == stack.end()) return std::nullopt;
    std::vector<unsigned long> covering;
    for (const std::string& id : VisibleWindowsOf(probe.Pid())) {
      const unsigned long top = TopLevelOf(id);
      if (top != 0 && std::find(stack.begin(), menuAt, top) != menuAt) covering.push_back(top);
    }
    return covering;
  };
  // Twelve lines come and go while the menu is looked at. A balloon mapped for the next line
  // stands over the menu until the game raises the menu a moment later: only a window still
  // over it at a second look covers it.
  const auto until = std::chrono::steady_clock::now() + 3s;
  int looks = 0;
  while (std::chrono::steady_clock::now() < until && !HasFailure()) {
    auto covering = over();
    ASSERT_TRUE(covering) << "the menu closed after " << looks << " looks";
    if (!covering->empty()) {
      std::this_thread::sleep_for(50ms);
      const auto again = over();
      ASSERT_TRUE(again) << "the menu closed after " << looks << " looks";
      for (const unsigned long window : *again) {
        EXPECT_EQ(std::count(covering->begin(), covering->end(), window), 0)
            << "after " << looks << " looks, window " << window << " stands over the menu";
      }
    }
    ++looks;
  }
  Shot(HasFailure() ? "menu-covered" : "menu-on-top");
  // The second item, ステータス.
  X({"xdotool", "key", "Down", "Down", "Return"});
  std::optional<std::string> line;
  while ((line = probe.ReadLine(5s)) && line->rfind("menu ", 0) != 0) {
  }
  EXPECT_EQ(line.value_or("nothing"), "menu mstatus");
}

TEST_F(DesktopWithManager, AlwaysInFrontRaisesTheGameOverATerminalThatKeepsTheKeyboard) {
  const Screenshot reference = Shot("front-reference");
  ToggleAlwaysInFront();
  // A terminal opens over the merchant and takes the keyboard, as new windows do.
  Terminal terminal = StartTerminal(kMerchantX - 40, Floor() - 60);
  ASSERT_FALSE(terminal.window.empty()) << "xterm did not start";
  EXPECT_TRUE(WaitFor([&] {
    return MerchantShows(Shot("front-raised"), reference) == 1.0;
  }, 5s)) << "the merchant did not come back in front of the terminal";
  TypeLine("ls");
  TypeLine("still typing here");
  EXPECT_TRUE(WaitFor([&] { return Typed(terminal) == "ls\nstill typing here\n"; }, 10s))
      << "the terminal got: " << Typed(terminal);
  EXPECT_EQ(FocusedName(), "typist") << "the watchdog took the keyboard";
  ToggleAlwaysInFront();
}

TEST_F(DesktopWithManager, TrayIconBringsACoveredGameToTheFront) {
  const Screenshot reference = Shot("tray-reference");
  Terminal terminal = StartTerminal(kMerchantX - 40, Floor() - 60);
  ASSERT_FALSE(terminal.window.empty()) << "xterm did not start";
  ASSERT_TRUE(WaitFor([&] {
    return MerchantShows(Shot("tray-covered"), reference) < 0.5;
  }, 5s)) << "the terminal should cover the merchant";
  std::string icon;
  ASSERT_TRUE(WaitFor([&] {
    const auto found = VisibleWindowsOf(game_->Pid(), "tolmark2");
    if (found.empty()) return false;
    icon = found.front();
    return ClientRect(icon).y >= Floor();  // embedded in the panel
  }, 10s)) << "no tray icon in the panel";
  const Rect at = ClientRect(icon);
  X({"xdotool", "mousemove", std::to_string(at.x + at.width / 2),
     std::to_string(at.y + at.height / 2), "click", "1"});
  EXPECT_TRUE(WaitFor([&] {
    return MerchantShows(Shot("tray-raised"), reference) == 1.0;
  }, 5s)) << "the tray icon did not bring the merchant back";
}

TEST_F(DesktopWithManager, StockListStandsByItsFrameAndReopensAfterTheManagerClosedIt) {
  auto openStockList = [&]() -> std::string {
    const auto before = GameWindows();
    RightClickMerchant();
    X({"xdotool", "sleep", "0.5", "key", "Down", "Return"});  // 売り物, the first entry
    std::string list;
    WaitFor([&] {
      for (const std::string& id : GameWindows()) {
        if (std::find(before.begin(), before.end(), id) == before.end()) list = id;
      }
      return !list.empty();
    }, 10s);
    return list;
  };
  const std::size_t scenes = GameWindows().size();
  const std::string list = openStockList();
  ASSERT_FALSE(list.empty()) << "no stock list window";

  // 4350 x 1335 units: the frame's left edge at 127 pixels from the left, and the whole frame,
  // title bar and borders included, ending 60 pixels above the floor, clear of the figures.
  const Rect client = ClientRect(list);
  EXPECT_EQ(client.width, 290);
  EXPECT_EQ(client.height, 89);
  int left = 0, right = 0, top = 0, bottom = 0;
  const std::string extents = X({"xprop", "-id", list, "_NET_FRAME_EXTENTS"}).output;
  ASSERT_EQ(std::sscanf(extents.c_str(), "_NET_FRAME_EXTENTS(CARDINAL) = %d, %d, %d, %d", &left,
                        &right, &top, &bottom), 4) << extents;
  EXPECT_GT(top, 0) << "the window manager gave the list no title bar";
  EXPECT_EQ(client.x - left, 127);
  EXPECT_EQ(client.y + client.height + bottom, Floor() - 60) << "the frame's bottom edge";
  // A close button, no maximize.
  const std::string actions = X({"xprop", "-id", list, "_NET_WM_ALLOWED_ACTIONS"}).output;
  EXPECT_NE(actions.find("_NET_WM_ACTION_CLOSE"), std::string::npos) << actions;
  EXPECT_EQ(actions.find("_NET_WM_ACTION_MAXIMIZE"), std::string::npos) << actions;

  // Closed by the window manager, the list is closed for the game too. The close is asked for
  // as a task bar asks (_NET_CLOSE_WINDOW): a close key typed with xdotool would stay inside
  // XWayland, never seen by a Wayland compositor.
  X({"wmctrl", "-i", "-c", list});
  ASSERT_TRUE(WaitFor([&] { return GameWindows().size() == scenes; }, 10s))
      << "the list did not close";
  // The first menu click opens it again.
  const std::string reopened = openStockList();
  EXPECT_FALSE(reopened.empty()) << "the first menu click did not reopen the stock list";
  Shot("stock-list-reopened");
  if (!reopened.empty()) {
    X({"wmctrl", "-i", "-c", reopened});
    EXPECT_TRUE(
        WaitFor([&] { return GameWindows().size() == scenes; }, 10s));
  }
}

TEST_F(DesktopWithManager, FiguresFollowThePanelToTheTopAndBack) {
  StartPanel("top");
  ASSERT_TRUE(WaitFor([] { return WorkArea().y == kPanelHeight; }, 20s))
      << "the panel did not move to the top";
  EXPECT_TRUE(WaitFor([] { return MerchantPixels(Shot("panel-top"), kScreenHeight) > 200; }, 10s))
      << "the merchant should stand on the screen's bottom edge";

  // A scene that starts while the panel is at the top stands there too.
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  {
    ChildProcess probe({PROBE_PATH, "stand", "400"}, options);
    ASSERT_EQ(probe.ReadLine(20s).value_or(""), "shown");
    EXPECT_TRUE(WaitFor([] {
      return Shot("probe-panel-top").CountOther(400, kScreenHeight - kMerchantSize, 434,
                                                kScreenHeight, kRoot) > 200;
    }, 10s));
  }

  StartPanel("bottom");
  ASSERT_TRUE(WaitFor([] { return WorkArea().height == kScreenHeight - kPanelHeight &&
                                  WorkArea().y == 0; }, 20s));
  EXPECT_TRUE(WaitFor([] {
    const Screenshot shot = Shot("panel-bottom-again");
    return MerchantPixels(shot, kScreenHeight - kPanelHeight) > 200 &&
           shot.CountOther(kMerchantX, kScreenHeight - kPanelHeight - 2 * kMerchantSize,
                           kMerchantX + kMerchantSize, kScreenHeight - kPanelHeight - kMerchantSize - 6,
                           kRoot) == 0;
  }, 10s)) << "the merchant should stand on the floor above the panel again";
}

TEST_F(DesktopWithManager, AnyScaleFactorKeepsTheMerchantOnTheFloorInWholeBlocks) {
  struct Case {
    const char* factor;
    int whole;  // the factor the game draws with
  };
  for (const Case& c : {Case{"1.25", 1}, Case{"1.5", 2}, Case{"2", 2}}) {
    SCOPED_TRACE(c.factor);
    ChildProcess::Options options = Env();
    options.captureOutput = true;
    options.env["QT_SCALE_FACTOR"] = c.factor;
    ChildProcess probe({PROBE_PATH, "stand", "200"}, options);  // logical column 200
    ASSERT_EQ(probe.ReadLine(20s).value_or(""), "shown");
    const int x0 = 200 * c.whole, size = kMerchantSize * c.whole, floor = Floor();
    Screenshot shot;
    EXPECT_TRUE(WaitFor([&] {
      shot = Shot(std::string("scaled-") + c.factor);
      return shot.CountOther(x0, floor - size, x0 + size, floor, kRoot) > 200 * c.whole * c.whole;
    }, 10s)) << "no merchant of that size on the floor";
    // Nothing of him above his place, nor beside it as a larger one would be.
    EXPECT_EQ(shot.CountOther(x0, floor - size - 40, x0 + size, floor - size - 6, kRoot), 0);
    EXPECT_EQ(shot.CountOther(x0 + size, floor - size, x0 + size + 30, floor, kRoot), 0);
    probe.Terminate();
    EXPECT_TRUE(WaitFor([&] {
      return Shot("scaled-gone").CountOther(x0, floor - size, x0 + size, floor, kRoot) == 0;
    }, 10s));
  }
}

TEST_F(DesktopWithManager, CommandLineAnswersVersionAndHelpWithoutADisplay) {
  ChildProcess::Options noDisplay;
  noDisplay.env = {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
  const RunResult version = testing::Run({TOLMARK2_PATH, "--version"}, noDisplay);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output.rfind("tolmark2 ", 0), 0u) << version.output;
  const RunResult help = testing::Run({TOLMARK2_PATH, "--help"}, noDisplay);
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--data-dir"), std::string::npos) << help.output;
  EXPECT_NE(testing::Run({TOLMARK2_PATH, "--no-such-option"}, noDisplay).status, 0);
}

TEST_F(DesktopWithManager, DataFolderThatCannotBeMadeShowsAMessageAndEndsWithFailure) {
  const fs::path aFile = Folders().Root() / "not-a-folder";
  std::ofstream(aFile) << "a file, not a folder\n";
  for (const std::string& folder : {(aFile / "tolmark2").string(), std::string("/proc/tolmark2")}) {
    SCOPED_TRACE(folder);
    ChildProcess game({TOLMARK2_PATH, "--data-dir", folder}, Env());
    std::string box;
    ASSERT_TRUE(WaitFor([&] {
      const auto windows = VisibleWindowsOf(game.Pid());
      if (!windows.empty()) box = windows.front();
      return !box.empty();
    }, 20s)) << "no message box";
    EXPECT_EQ(FirstLine(X({"xdotool", "getwindowname", box}).output), "+++ Tolmark2 +++");
    Shot("data-folder-refused");
    X({"timeout", "10", "xdotool", "windowactivate", "--sync", box, "key", "Return"});
    const auto status = game.WaitExit(10s);
    ASSERT_TRUE(status.has_value()) << "the game did not end";
    EXPECT_NE(*status, 0);
  }
  EXPECT_TRUE(game_->Running());
}

}  // namespace
}  // namespace tolmark::testing
