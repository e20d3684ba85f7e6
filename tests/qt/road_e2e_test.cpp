// The road on a real (virtual) X display. A saved game is loaded from the shop's menu and the
// merchant sets out for モノリス城 with the hired wagon: the field shows the wagon at the left and
// the castle at the right edge, the wagon drives towards it, a right click on it opens the field
// menu, and its 店に帰る brings the merchant home to his shop.
// One display, one game and one trip serve the whole suite; the tests run in order.
//
// Monsters, finds and travellers come at random on the road (the game reseeds from the clock).
// The saved hero is strong enough to fell any monster at one blow and to take no harm, and the
// test plays every encounter through as a player would, clicking the balloons away and
// answering yes, before going on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "desktop_test.h"
#include "text_lines.h"
#include "wait_for.h"

namespace tolmark::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kScreenWidth = 1200;
constexpr int kScreenHeight = 800;
constexpr int kFloor = 760;  // a 40-pixel panel at the bottom, published as the work area
constexpr std::uint32_t kRoot = 0x3366CC;

// The road on this screen: (1200 - 120) / 300 = 3 pixels a step, from (1200 - 120) mod 300 =
// 180 pixels less the wagon's 32; the landmark stands 65 pixels from the right edge.
constexpr int kStepPx = 3;
constexpr int kWagonStartX = 148;
constexpr int kLandmarkX = kScreenWidth - 65;
constexpr int kFigureTop = kFloor - 34;  // the hero's height: figures on the road stand below it

struct Box {
  int x0, y0, x1, y1;
};
// The merchant (34 x 34 at x 100) and his board (15 x 41, 15 left and 5 up) in the shop.
constexpr Box kMerchant{100, kFloor - 34, 134, kFloor};
constexpr Box kBoard{85, kFloor - 39, 100, kFloor + 2};

struct Point {
  int x = -1, y = -1;
};

int Pixels(const Screenshot& shot, const Box& box) {
  return shot.CountOther(box.x0, box.y0, box.x1, box.y1, kRoot);
}

// The saved game the trip starts from: chapter 3 (the castle is on the menu), money for the
// wagon, a few of the king's 睡魔の杖 in stock for it to carry, and a hero who fells any monster
// of the castle road at one blow and takes no harm.
constexpr const char* kSaveScript = R"(start
set Chapter 3
set Gold 150000
set MaxHP 9999
set HP 9999
set Attack 999
set Defense 999
set Speed 999
stock 0:3,23:5
click frmShop right
menu msave
click frmShop
click frmYes
click frmShop
)";

// The same trip in the headless runner, from the same save: it must hold in this build, and the
// menus it shows on the way are the menus the game shows the test.
constexpr const char* kTripScript = R"(start
click frmShop right
menu mload
click frmShop
key Y
click frmShop
expect Chapter 3
key S
expect TickInterval 500
click frmShop right
menu mstage3
click frmShop
click frmShop
key Y
click frmShop
expect SceneName "frmField"
expect WagonHired -1
rnd 0.99*8
tick 8
click frmField right
menu fmhome
click frmField
key Y
click frmField
expect SceneName "frmShop"
)";

// The submenus of the game's menus and their entries.
const std::map<std::string, std::vector<std::string>> kSubmenus = {
    {"mbuyer", {"mstage1", "mstage2", "mstage3", "mstage4"}},
    {"mSpeed", {"mSpeed1", "mSpeed2", "mSpeed3"}},
    {"msave_load", {"msave", "mload"}},
    {"fSpeed", {"fSpeed1", "fSpeed2", "fSpeed3"}},
};

bool InSubmenu(const std::string& name) {
  for (const auto& [parent, entries] : kSubmenus) {
    if (std::find(entries.begin(), entries.end(), name) != entries.end()) return true;
  }
  return false;
}

// The way to a menu entry with the keyboard: Down passes the entries that are shown and
// enabled; Right opens a submenu on its first such entry.
struct MenuPath {
  int downs = 0;
  std::optional<int> submenuDowns;
};

// From the headless runner's line "menu MENU ITEM:FLAGS ...": the path to `entry`, or to `sub`
// in the submenu `entry`. Nothing when the entry cannot be reached.
std::optional<MenuPath> PathTo(const std::string& menuLine, const std::string& entry,
                               const std::string& sub = "") {
  std::istringstream items(menuLine);
  std::string word, menuName;
  items >> word >> menuName;
  MenuPath path;
  bool inSubmenu = false;
  int count = 0;
  for (std::string item; items >> item;) {
    const auto colon = item.find(':');
    const std::string name = item.substr(0, colon);
    const std::string flags = colon == std::string::npos ? "" : item.substr(colon + 1);
    const bool reachable = flags.find('v') != std::string::npos && flags.find('e') != std::string::npos;
    if (!inSubmenu) {
      if (InSubmenu(name)) continue;
      if (reachable) ++count;
      if (name != entry) continue;
      if (!reachable) return std::nullopt;
      path.downs = count;
      if (sub.empty()) return path;
      inSubmenu = true;
      count = 0;
    } else {
      const auto& entries = kSubmenus.count(entry) ? kSubmenus.at(entry) : std::vector<std::string>{};
      if (std::find(entries.begin(), entries.end(), name) == entries.end()) return std::nullopt;
      if (reachable) ++count;
      if (name != sub) continue;
      if (!reachable) return std::nullopt;
      path.submenuDowns = count - 1;
      return path;
    }
  }
  return std::nullopt;
}

class Road : public DesktopTest {
 protected:
  // The game's visible windows: its scene, the talk and answer balloons, and anything else
  // (a pop-up menu and its submenus).
  struct Windows {
    std::vector<std::string> scenes, balloons, menus;
  };

  static void SetUpTestSuite() {
    if (std::string(TOLMARK_SIM_PATH).empty()) return;
    if (!StartDesktop({.suite = "road",
                       .shots = "road-shots",
                       // Kept as PPM: the road is watched closely, and a conversion would slow
                       // every look.
                       .shotFormat = "ppm",
                       .width = kScreenWidth,
                       .height = kScreenHeight,
                       .tools = {"xdotool", "convert"},
                       .backdrop = kRoot,
                       .floor = kFloor})) {
      return;
    }
    // The game keeps its files where the launcher puts them, in its folder of the data home.
    saves_ = Folders().Make("data/tolmark2");
    PrepareTheSavedGame();
    if (::testing::Test::HasFatalFailure()) return;

    game_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{TOLMARK2_PATH, "--data-dir", saves_.string()}, Env());
    ASSERT_TRUE(WaitFor([] { return Pixels(Shot("start"), kMerchant) > 200; }, 20s))
        << "the merchant never appeared";
    merchant_ = MerchantPixel(Shot("start"));
  }

  static void TearDownTestSuite() {
    game_.reset();
    StopDesktop();
  }

  void SetUp() override {
    if (std::string(TOLMARK_SIM_PATH).empty()) {
      GTEST_SKIP() << "the headless runner tolmark-sim is not in this build";
    }
    DesktopTest::SetUp();
    if (!Proceeds()) return;
    ASSERT_TRUE(game_ && game_->Running()) << "the game is not running";
  }

  // Writes the save file into the game's data folder with the headless runner, then runs the
  // whole trip headless from a copy of it and reads the menus' paths from its transcript.
  static void PrepareTheSavedGame() {
    const RunResult saved = Sim(kSaveScript, saves_);
    ASSERT_EQ(saved.status, 0) << saved.output;
    ASSERT_TRUE(fs::exists(saves_ / "Tolmark.dat")) << saved.output;
    const fs::path sim = Folders().Make("sim");
    fs::copy_file(saves_ / "Tolmark.dat", sim / "Tolmark.dat");
    const RunResult trip = Sim(kTripScript, sim);
    ASSERT_EQ(trip.status, 0) << "the trip does not hold in the headless runner:\n" << trip.output;
    std::vector<std::string> menus;
    for (const std::string& line : Lines(trip.output)) {
      if (line.rfind("menu ", 0) == 0) menus.push_back(line);
    }
    ASSERT_EQ(menus.size(), 3u) << trip.output;
    loadPath_ = PathTo(menus[0], "msave_load", "mload");
    tripPath_ = PathTo(menus[1], "mbuyer", "mstage3");
    homePath_ = PathTo(menus[2], "fmhome");
    ASSERT_TRUE(loadPath_ && tripPath_ && homePath_) << trip.output;
  }

  static RunResult Sim(const std::string& script, const fs::path& folder) {
    const fs::path file = Folders().Root() / "script.sim";
    std::ofstream(file) << script;
    ChildProcess::Options options;
    options.folder = folder.string();
    return testing::Run({TOLMARK_SIM_PATH, file.string()}, options);
  }

  static Screenshot Shot(const std::string& name) {
    lastShot_ = DesktopTest::Shot(name);
    lastShotAt_ = std::chrono::steady_clock::now();
    return lastShot_;
  }

  static Windows GameWindows() {
    auto search = [](std::vector<std::string> pattern) {
      std::vector<std::string> args = {"--onlyvisible", "--pid", std::to_string(game_->Pid())};
      args.insert(args.end(), pattern.begin(), pattern.end());
      std::vector<std::string> ids = SearchWindows(args);
      std::sort(ids.begin(), ids.end());
      return ids;
    };
    // All first: a balloon shown before a menu is then found by the later searches too.
    const std::vector<std::string> all = search({});
    Windows w;
    // --all: the game's windows that have the name, not any window that has either.
    w.scenes = search({"--all", "--name", "^\\+\\+\\+ Tolmark2 \\+\\+\\+$"});
    w.balloons = search({"--all", "--name", "^MakeRGNTalkWindowTitle$"});
    for (const std::string& id : all) {
      const auto known = [&](const std::vector<std::string>& ids) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
      };
      if (!known(w.scenes) && !known(w.balloons)) w.menus.push_back(id);
    }
    return w;
  }

  static void Click(Point p, int button) {
    X({"xdotool", "mousemove", std::to_string(p.x), std::to_string(p.y), "click",
       std::to_string(button)});
  }

  // A key for the scene on screen, which reads the game's keys.
  static void KeyToScene(const std::string& key) {
    const Windows w = GameWindows();
    if (w.scenes.empty()) return;
    X({"xdotool", "windowfocus", "--sync", w.scenes.front(), "key", key});
  }

  // A pixel of the merchant's own figure, where a click reaches the game.
  static Point MerchantPixel(const Screenshot& shot) {
    for (int y = kMerchant.y1 - 1; y >= kMerchant.y0; --y) {
      for (int x = kMerchant.x0 + 10; x < kMerchant.x1; ++x) {
        if (shot.At(x, y) != kRoot) return {x, y};
      }
    }
    return {};
  }

  // The leftmost column of a figure standing on the road left of the landmark: the hero's back.
  static int FigureLeft(const Screenshot& shot) {
    for (int x = 0; x < kLandmarkX - 10; ++x) {
      for (int y = kFigureTop; y < kFloor; ++y) {
        if (shot.At(x, y) != kRoot) return x;
      }
    }
    return -1;
  }

  // The middle of the widest stretch of the hero's figure, so that a click still reaches him
  // after a step or two.
  static std::optional<Point> HeroPixel(const Screenshot& shot) {
    const int left = FigureLeft(shot);
    if (left < 0) return std::nullopt;
    Point best;
    int widest = 0;
    for (int y = kFloor - 8; y > kFigureTop; --y) {
      for (int x = left; x < std::min(left + 40, kScreenWidth); ++x) {
        int end = x;
        while (end < kScreenWidth && shot.At(end, y) != kRoot) ++end;
        if (end - x > widest) {
          widest = end - x;
          best = {(x + end) / 2, y};
        }
        x = end;
      }
    }
    if (widest < 9) return std::nullopt;
    return best;
  }

  // Where to click the hero: a look younger than a second will do, he walks 3 pixels a second.
  static std::optional<Point> ClickOnHero() {
    const bool fresh = std::chrono::steady_clock::now() - lastShotAt_ < 1s;
    return HeroPixel(fresh ? lastShot_ : Shot("hero"));
  }
  static std::optional<Point> ClickOnMerchant() { return merchant_; }

  // Plays the player until `done` holds: a talk balloon is clicked away on the figure who talks
  // with him, a question is answered yes with the Y key. A balloon still there two seconds after
  // its click is clicked again.
  static bool Converse(const std::function<bool()>& done,
                       const std::function<std::optional<Point>()>& clickAt,
                       std::chrono::milliseconds timeout) {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + timeout;
    std::vector<std::string> handled;
    auto handledAt = start;
    trail_.clear();
    while (std::chrono::steady_clock::now() < deadline) {
      if (done()) return true;
      const Windows w = GameWindows();
      const auto now = std::chrono::steady_clock::now();
      if (!w.balloons.empty() && (w.balloons != handled || now - handledAt > 2s)) {
        std::string step = std::to_string((now - start) / 1ms) + " ms, " +
                           std::to_string(w.balloons.size()) + " balloons: ";
        if (w.balloons.size() >= 2) {
          X({"xdotool", "windowfocus", "--sync", w.scenes.empty() ? "" : w.scenes.front(), "key",
             "y"});
          step += "Y";
        } else if (const auto p = clickAt()) {
          Click(*p, 1);
          step += "click " + std::to_string(p->x) + "," + std::to_string(p->y);
        } else {
          step += "nothing to click";
        }
        trail_ += step + "\n";
        handled = w.balloons;
        handledAt = now;
      }
      std::this_thread::sleep_for(150ms);
    }
    Shot("stuck");
    return done();
  }

  // No balloon shows, twice half a second apart (a balloon may give way to the next one).
  static bool Quiet() {
    if (!GameWindows().balloons.empty()) return false;
    std::this_thread::sleep_for(500ms);
    return GameWindows().balloons.empty();
  }

  // Right-clicks the figure and waits for the pop-up menu; its window, or nothing.
  static std::optional<std::string> OpenMenuOn(Point p, std::chrono::milliseconds wait = 10s) {
    Click(p, 3);
    std::optional<std::string> menu;
    WaitFor([&] {
      const Windows w = GameWindows();
      if (w.menus.size() == 1) menu = w.menus.front();
      return menu.has_value();
    }, wait);
    return menu;
  }

  static void Choose(const MenuPath& path) {
    for (int i = 0; i < path.downs; ++i) X({"xdotool", "key", "Down"});
    if (path.submenuDowns) {
      X({"xdotool", "key", "Right"});
      WaitFor([] { return GameWindows().menus.size() >= 2; }, 5s);
      for (int i = 0; i < *path.submenuDowns; ++i) X({"xdotool", "key", "Down"});
    }
    X({"xdotool", "key", "Return"});
  }

  struct OpenedMenu {
    std::string window;
    Point at;
  };

  // The field menu, opened on the hero while nobody stands beside him (an encounter is played
  // to its end first). When somebody steps up just as it opens, its items are those of the
  // encounter: it is closed and opened again once the road is clear.
  static std::optional<OpenedMenu> OpenFieldMenu() {
    for (int attempt = 0; attempt < 10; ++attempt) {
      if (!GameWindows().menus.empty()) {
        X({"xdotool", "key", "Escape"});
        WaitFor([] { return GameWindows().menus.empty(); }, 5s);
      }
      if (!Converse(Quiet, ClickOnHero, 30s)) {
        ADD_FAILURE() << "the road never came clear:\n" << trail_;
        return std::nullopt;
      }
      // A monster may stand beside the wagon between two lines with no balloon shown: the menu
      // would grey 店に帰る out, and the keys choose another item.
      const Screenshot road = Shot("hero");
      if (!NobodyBesideTheWagon(road)) continue;
      const auto hero = ClickOnHero();
      if (!hero) continue;
      // A click that missed the hero (he walked on since the look) is simply made again.
      const auto menu = OpenMenuOn(*hero, 5s);
      if (!menu) continue;
      if (GameWindows().balloons.empty()) return OpenedMenu{*menu, *hero};
    }
    return std::nullopt;
  }

  // Nothing stands between the wagon (62 px) and the castle: a visitor steps up 82 px right
  // of the wagon's back.
  static bool NobodyBesideTheWagon(const Screenshot& shot) {
    const int back = FigureLeft(shot);
    return back >= 0 && shot.CountOther(back + 70, kFigureTop, kLandmarkX - 10, kFloor, kRoot) == 0;
  }

  static bool CastleAtTheRightEdge(const Screenshot& shot) {
    return shot.CountOther(kLandmarkX, kFigureTop, kScreenWidth, kFloor, kRoot) > 500;
  }

  inline static fs::path saves_;  // the game's data folder
  inline static std::optional<MenuPath> loadPath_, tripPath_, homePath_;
  inline static Point merchant_;
  inline static std::string trail_;  // what the last conversation did, for a failure's message
  inline static Screenshot lastShot_;
  inline static std::chrono::steady_clock::time_point lastShotAt_;
  inline static std::unique_ptr<ChildProcess> game_;
};

TEST_F(Road, TripFromTheMenuShowsTheWagonAtTheLeftAndTheCastleAtTheRightEdge) {
  // 記録 → ロード, answered yes: the saved game comes back.
  ASSERT_TRUE(OpenMenuOn(merchant_)) << "no menu on the merchant";
  Choose(*loadPath_);
  ASSERT_TRUE(WaitFor([] { return !GameWindows().balloons.empty(); }, 10s)) << "no load question";
  ASSERT_TRUE(Converse(Quiet, ClickOnMerchant, 20s)) << "the load did not end:\n" << trail_;
  KeyToScene("s");  // fast: a tick every 500 ms

  // 仕入れ → モノリス城, and the wagon hired.
  ASSERT_TRUE(OpenMenuOn(merchant_)) << "no menu on the merchant";
  Choose(*tripPath_);
  ASSERT_TRUE(WaitFor([] { return !GameWindows().balloons.empty(); }, 10s)) << "no wagon offer";
  Screenshot road;
  ASSERT_TRUE(Converse([&] {
    road = Shot("road");
    return CastleAtTheRightEdge(road) && Pixels(road, kMerchant) == 0;
  }, ClickOnMerchant, 30s)) << "the field did not come:\n" << trail_;

  EXPECT_GT(road.CountOther(kLandmarkX, kFloor - 3, kScreenWidth, kFloor, kRoot), 0)
      << "the castle should stand on the floor";
  EXPECT_EQ(road.CountOther(kLandmarkX - 300, 0, kLandmarkX, kScreenHeight, kRoot), 0)
      << "the road before the castle should be empty";
  const int wagon = FigureLeft(road);
  EXPECT_GE(wagon, kWagonStartX) << "the wagon should set out from the left";
  EXPECT_LT(wagon, kWagonStartX + 20 * kStepPx) << "the wagon should set out from the left";
  EXPECT_GT(road.CountOther(wagon, kFloor - 3, wagon + 60, kFloor, kRoot), 0)
      << "the wagon should stand on the floor";
  EXPECT_EQ(Pixels(road, kMerchant) + Pixels(road, kBoard), 0) << "the shop should be gone";
  EXPECT_EQ(road.CountOther(0, kFloor + 2, kScreenWidth, kScreenHeight, kRoot), 0)
      << "nothing below the floor";
  EXPECT_EQ(GameWindows().scenes.size(), 1u);
}

TEST_F(Road, WagonDrivesTowardsTheCastle) {
  const int start = FigureLeft(Shot("drive-start"));
  ASSERT_GE(start, 0) << "no wagon on the road";
  Screenshot later;
  EXPECT_TRUE(Converse([&] {
    later = Shot("drive");
    return FigureLeft(later) >= start + 3 * kStepPx;
  }, ClickOnHero, 30s)) << "the wagon did not drive on from x " << start << ":\n" << trail_;
  EXPECT_TRUE(CastleAtTheRightEdge(later));
  EXPECT_LT(FigureLeft(later), kScreenWidth / 2);
}

TEST_F(Road, RightClickOnTheWagonOpensTheFieldMenu) {
  // Somebody who steps up just after the menu opened closes it: the encounter is then played
  // through and the menu opened again.
  const auto stillOpen = [](const std::string& window) {
    const auto menus = GameWindows().menus;
    return std::find(menus.begin(), menus.end(), window) != menus.end();
  };
  for (int attempt = 0; attempt < 5; ++attempt) {
    const auto menu = OpenFieldMenu();
    ASSERT_TRUE(menu) << "no field menu on the wagon";
    // The menu opens at the pointer, to its right, and shows on the screen.
    const std::string geometry = X({"xdotool", "getwindowgeometry", menu->window}).output;
    int x = 0, y = 0, width = 0, height = 0;
    const auto position = geometry.find("Position: ");
    const auto size = geometry.find("Geometry: ");
    if ((position == std::string::npos || size == std::string::npos) && !stillOpen(menu->window)) {
      continue;
    }
    ASSERT_NE(position, std::string::npos) << geometry;
    ASSERT_NE(size, std::string::npos) << geometry;
    char sep;
    std::istringstream(geometry.substr(position + 10)) >> x >> sep >> y;
    std::istringstream(geometry.substr(size + 10)) >> width >> sep >> height;
    EXPECT_NEAR(x, menu->at.x, 4) << geometry;
    EXPECT_TRUE(menu->at.y >= y - 4 && menu->at.y <= y + height + 4) << geometry;
    EXPECT_GT(height, 100) << geometry;
    // Mapped is not yet painted: the menu fills its place a moment later.
    Screenshot shot;
    const bool painted = WaitFor([&] {
      shot = Shot("field-menu");
      return shot.CountOther(x, y, x + width, y + height, kRoot) > width * height * 9 / 10;
    }, 5s);
    if (!painted && !stillOpen(menu->window)) continue;
    EXPECT_TRUE(painted) << shot.CountOther(x, y, x + width, y + height, kRoot) << " of "
                         << width * height << " pixels of the menu's place are painted";
    X({"xdotool", "key", "Escape"});
    EXPECT_TRUE(WaitFor([] { return GameWindows().menus.empty(); }, 10s));
    return;
  }
  FAIL() << "the field menu closed each time before it could be looked at";
}

TEST_F(Road, GoingHomeFromTheFieldMenuBringsTheMerchantBackToHisShop) {
  // Somebody who steps up as the menu opens greys 店に帰る out, and the keys then choose
  // another item: the menu is opened again until the hero asks and the answers show.
  bool asked = false;
  for (int attempt = 0; attempt < 3 && !asked; ++attempt) {
    const auto menu = OpenFieldMenu();
    ASSERT_TRUE(menu) << "no field menu on the wagon";
    Choose(*homePath_);  // 店に帰る, answered yes
    asked = Converse([] { return GameWindows().balloons.size() >= 2; }, ClickOnHero, 10s);
  }
  ASSERT_TRUE(asked) << "the hero never asked to go home:\n" << trail_;
  Screenshot shop;
  EXPECT_TRUE(Converse([&] {
    shop = Shot("home");
    return Pixels(shop, kMerchant) > 200 && !CastleAtTheRightEdge(shop);
  }, ClickOnHero, 30s)) << "the merchant did not come home:\n" << trail_;
  // The shop as it was at the start: the merchant and his board at the left, nothing else.
  EXPECT_TRUE(WaitFor([&] {
    shop = Shot("home");
    return GameWindows().balloons.empty() &&
           shop.CountOther(0, 0, kScreenWidth, kScreenHeight, kRoot) ==
               Pixels(shop, kMerchant) + Pixels(shop, kBoard);
  }, 10s)) << "something besides the shop stays on the screen";
  EXPECT_GT(Pixels(shop, kBoard), 100);
  EXPECT_EQ(GameWindows().scenes.size(), 1u);
}

}  // namespace
}  // namespace tolmark::testing
