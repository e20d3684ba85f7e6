// The game in a Wayland session: Weston's headless back end with XWayland, whose window manager
// places ordinary windows by its own rules. The compositor has no input devices, so clicks are
// handed to the windows directly (send-click); where the windows stand and what shape they have
// is asked of the X server, and what the player sees is the compositor's own screenshot.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>
#include <thread>

#include "child_process.h"
#include "screenshot.h"

namespace tolmark::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

bool HaveTool(const std::string& name) {
  return testing::Run({"sh", "-c", "command -v " + name + " >/dev/null"}).status == 0;
}

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  int Bottom() const { return y + height; }
};

class WaylandSession : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* tool : {"weston", "weston-screenshooter", "Xwayland", "xdotool", "xwininfo", "xdpyinfo", "convert"}) {
      if (!HaveTool(tool)) {
        missing_ = std::string(tool) + " is not installed (scripts/install-deps)";
        return;
      }
    }
    work_ = fs::temp_directory_path() / ("tolmark2-wayland-" + std::to_string(getpid()));
    fs::remove_all(work_);
    for (const char* sub : {"home", "config", "run", "play", "shots"}) {
      fs::create_directories(work_ / sub);
    }
    shots_ = fs::current_path() / "desktop-wayland-shots";
    fs::create_directories(shots_);
    fs::permissions(work_ / "run", fs::perms::owner_all, fs::perm_options::replace);
    // Where X servers put their sockets; on a fresh machine no X server has made it yet.
    const fs::path sockets = "/tmp/.X11-unix";
    if (fs::create_directories(sockets)) {
      fs::permissions(sockets, fs::perms::all | fs::perms::sticky_bit, fs::perm_options::replace);
    }
    socket_ = "tolmark-" + std::to_string(getpid());
    const fs::path log = work_ / "weston.log";
    compositor_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"sh", "-c",
                                 "exec weston --no-config --backend=headless-backend.so "
                                 // pixels to take screenshots of, and leave to take them
                                 "--use-pixman --debug --xwayland --width=" + std::to_string(kScreenWidth) +
                                     " --height=" + std::to_string(kScreenHeight) +
                                     " --socket=" + socket_ + " --log=" + log.string() +
                                     " >/dev/null 2>&1"},
        Env());
    // The X server starts with the compositor and says where it listens.
    const std::regex listening("xserver listening on display (:[0-9]+)");
    ASSERT_TRUE(WaitFor([&] {
      std::ifstream in(log);
      std::stringstream text;
      text << in.rdbuf();
      std::smatch match;
      const std::string all = text.str();
      if (!std::regex_search(all, match, listening)) return false;
      display_ = match[1];
      return true;
    }, 30s)) << "weston started no XWayland";
    ASSERT_TRUE(WaitFor([] { return X({"xdpyinfo"}).status == 0; }, 30s))
        << "XWayland does not answer";
  }

  static void TearDownTestSuite() {
    compositor_.reset();
    if (!work_.empty()) fs::remove_all(work_);
  }

  void SetUp() override {
    if (!missing_.empty()) GTEST_SKIP() << missing_;
    ASSERT_TRUE(compositor_ && compositor_->Running()) << "the compositor is not running";
  }

  static ChildProcess::Options Env() {
    ChildProcess::Options options;
    options.env = {{"DISPLAY", display_},
                   {"WAYLAND_DISPLAY", socket_},
                   {"XDG_SESSION_TYPE", "wayland"},
                   {"HOME", (work_ / "home").string()},
                   {"XDG_CONFIG_HOME", (work_ / "config").string()},
                   {"XDG_RUNTIME_DIR", (work_ / "run").string()},
                   {"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"},
                   {"QT_QPA_PLATFORM", "xcb"}};
    options.folder = (work_ / "play").string();
    return options;
  }

  static RunResult X(std::vector<std::string> argv) { return testing::Run(std::move(argv), Env()); }

  static bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      if (condition()) return true;
      std::this_thread::sleep_for(100ms);
    }
    return condition();
  }

  static std::vector<std::string> VisibleWindowsOf(pid_t pid, const std::string& name) {
    std::vector<std::string> windows =
        Lines(X({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(pid)}).output);
    std::erase_if(windows, [&](const std::string& id) {
      return Lines(X({"xdotool", "getwindowname", id}).output) != std::vector<std::string>{name};
    });
    return windows;
  }

  static Rect Geometry(const std::string& window) {
    Rect r;
    std::istringstream lines(X({"xwininfo", "-id", window}).output);
    for (std::string line; std::getline(lines, line);) {
      std::sscanf(line.c_str(), "  Absolute upper-left X: %d", &r.x);
      std::sscanf(line.c_str(), "  Absolute upper-left Y: %d", &r.y);
      std::sscanf(line.c_str(), "  Width: %d", &r.width);
      std::sscanf(line.c_str(), "  Height: %d", &r.height);
    }
    return r;
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

  // What the compositor shows, as the player sees it; kept beside the test as NAME.png.
  static Screenshot Shot(const std::string& name) {
    const fs::path folder = work_ / "shots";
    for (const auto& old : fs::directory_iterator(folder)) fs::remove(old.path());
    ChildProcess::Options options = Env();
    options.folder = folder.string();
    if (testing::Run({"weston-screenshooter"}, options).status != 0) return {};
    for (const auto& taken : fs::directory_iterator(folder)) {
      const fs::path kept = shots_ / (name + ".png"), ppm = folder / "shot.ppm";
      fs::copy_file(taken.path(), kept, fs::copy_options::overwrite_existing);
      testing::Run({"convert", kept.string(), "-depth", "8", "ppm:" + ppm.string()});
      std::ifstream file(ppm, std::ios::binary);
      std::stringstream bytes;
      bytes << file.rdbuf();
      return ReadPpm(bytes.str());
    }
    return {};
  }

  // The screen-wide scene window of a program, once it shows.
  static std::string SceneOf(pid_t pid) {
    std::string scene;
    WaitFor([&] {
      for (const std::string& id : VisibleWindowsOf(pid, "+++ Tolmark2 +++")) {
        if (Geometry(id).width == kScreenWidth) scene = id;
      }
      return !scene.empty();
    }, 20s);
    return scene;
  }

  inline static std::string missing_;
  inline static fs::path work_;
  inline static fs::path shots_;
  inline static Screenshot desktop_;  // the compositor's desktop before any window of the game
  inline static std::string socket_;
  inline static std::string display_;
  inline static std::unique_ptr<ChildProcess> compositor_;
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
  desktop_ = desktop;
  ChildProcess game({TOLMARK2_PATH}, Env());
  const std::string scene = SceneOf(game.Pid());
  ASSERT_FALSE(scene.empty()) << "the game showed no scene";
  const Rect at = Geometry(scene);
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
  EXPECT_TRUE(compositor_->Running());
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
  EXPECT_EQ(Geometry(scene).x, 0);
  EXPECT_EQ(Geometry(scene).y, 0);
  const Rect merchant = ShapeExtents(scene);
  EXPECT_GE(merchant.x, 400);  // his picture, 34 pixels wide from column 400
  EXPECT_LE(merchant.x + merchant.width, 434);
  EXPECT_EQ(merchant.Bottom(), kScreenHeight);

  // The balloon: 40 columns right of the merchant, its bottom edge 30 pixels above the floor.
  Rect balloon;
  EXPECT_TRUE(WaitFor([&] {
    const auto balloons = VisibleWindowsOf(probe.Pid(), "MakeRGNTalkWindowTitle");
    if (balloons.empty()) return false;
    balloon = Geometry(balloons.front());
    return balloon.x == 440 && balloon.Bottom() == kScreenHeight - 30;
  }, 10s)) << "balloon at " << balloon.x << "," << balloon.y << " " << balloon.width << "x"
           << balloon.height;
  // Its top row lies outside its outline: the desktop shows there, not a white or black band.
  if (desktop_.width == kScreenWidth) {
    const Screenshot shot = Shot("balloon");
    ASSERT_EQ(shot.width, kScreenWidth);
    int differing = 0;
    for (int x = balloon.x; x < balloon.x + 60; ++x) {
      differing += shot.At(x, balloon.y) != desktop_.At(x, balloon.y);
    }
    EXPECT_EQ(differing, 0) << "the balloon hides the desktop around its outline";
  }

  // A right click on his feet reaches the game.
  X({CLICK_PATH, scene, "415", std::to_string(kScreenHeight - 5), "3"});
  EXPECT_EQ(probe.ReadLine(10s).value_or("nothing"), "mouse 2");
  probe.Terminate();
  EXPECT_TRUE(compositor_->Running());
}

}  // namespace
}  // namespace tolmark::testing
