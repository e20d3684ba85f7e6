// The town, the castle and the ending on a real (virtual) X display, played with the mouse:
// the market's two list windows at the left above the floor, taking and putting back weapons
// with clicks on their rows, buying through the town's menu; and at the castle, the delivery,
// the king's story and the ending's narration, each line on screen through its pause, up to
// the closing notes and the end of the program.
// The game runs in town-probe, which puts it at the gate and tells what it shows (see there).
// No timing is asserted: every wait is a bounded poll, and a pause is only looked into well
// before its end.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "desktop_test.h"
#include "wait_for.h"

namespace tolmark::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kFloor = 560;  // a 40-pixel panel at the bottom, published as the work area
constexpr std::uint32_t kRoot = 0x3366CC;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// Both list windows are 88 pixels high at the left edge: the market's goods with their bottom
// 148 pixels above the floor, the shopping list right below them, 60 pixels above the floor.
constexpr int kListHeight = 88;
constexpr int kSellTop = kFloor - 148 - kListHeight;
constexpr int kBuyTop = kFloor - 60 - kListHeight;

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int CenterX() const { return (left + right) / 2; }
  int CenterY() const { return (top + bottom) / 2; }
};

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// A "talk L T R B TEXT" line: the balloon's white body and what it says.
struct Talk {
  Rect body;
  std::string text;
};
std::optional<Talk> ReadTalk(const std::string& line) {
  if (!StartsWith(line, "talk ") && !StartsWith(line, "ask ")) return std::nullopt;
  std::istringstream in(line);
  std::string kind;
  Talk talk;
  in >> kind >> talk.body.left >> talk.body.top >> talk.body.right >> talk.body.bottom;
  in.get();
  std::getline(in, talk.text);
  return talk;
}

// The value of one KEY=VALUE of a "state" line.
std::string StateValue(const std::string& line, const std::string& key) {
  for (const std::string& word : Words(line)) {
    if (StartsWith(word, key + "=")) return word.substr(key.size() + 1);
  }
  return {};
}

// The running game and everything it has told so far.
class Probe {
 public:
  Probe(const std::string& place, ChildProcess::Options options) {
    options.captureOutput = true;
    child_ = std::make_unique<ChildProcess>(std::vector<std::string>{TOWN_PROBE_PATH, place},
                                            std::move(options));
  }

  // Reads on until a line passes the check; that line, or nothing once the time is up.
  std::optional<std::string> WaitFor(const std::function<bool(const std::string&)>& check,
                                     std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return std::nullopt;
      const auto line = Next(left);
      if (!line) return std::nullopt;
      if (check(*line)) return line;
    }
  }
  std::optional<std::string> WaitForPrefix(const std::string& prefix,
                                           std::chrono::milliseconds timeout) {
    return WaitFor([&](const std::string& l) { return StartsWith(l, prefix); }, timeout);
  }
  // The next balloon of the counter or the hero, whatever it says.
  std::optional<Talk> NextTalk(std::chrono::milliseconds timeout) {
    const auto line = WaitForPrefix("talk ", timeout);
    return line ? ReadTalk(*line) : std::nullopt;
  }
  std::optional<Talk> WaitForTalk(const std::string& text, std::chrono::milliseconds timeout) {
    const auto line = WaitFor([&](const std::string& l) {
      const auto talk = ReadTalk(l);
      return talk && StartsWith(l, "talk ") && talk->text.find(text) != std::string::npos;
    }, timeout);
    return line ? ReadTalk(*line) : std::nullopt;
  }
  // The state once it passes the check.
  bool WaitForState(const std::function<bool(const std::string&)>& check,
                    std::chrono::milliseconds timeout) {
    if (check(state_)) return true;
    return WaitFor([&](const std::string& l) { return StartsWith(l, "state ") && check(l); },
                   timeout).has_value();
  }
  // Reads what comes until the game has been quiet for a moment outside any pause: the input
  // before has been dealt with and the game waits for the next.
  void Settle(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      if (!Next(400ms) && openPauses_ == 0) return;
    }
  }
  // Lines already written, without waiting for more.
  void Drain() {
    while (Next(5ms)) {
    }
  }

  const std::string& State() const { return state_; }
  const std::string& Latest(const std::string& prefix) { return latest_[prefix]; }
  int OpenPauses() const { return openPauses_; }
  const std::string& Log() const { return log_; }
  ChildProcess& Child() { return *child_; }

 private:
  std::optional<std::string> Next(std::chrono::milliseconds timeout) {
    auto line = child_->ReadLine(timeout);
    if (!line) return line;
    log_ += *line + "\n";
    const auto words = Words(*line);
    if (words.empty()) return line;
    if (words[0] == "state") state_ = *line;
    if (words[0] == "pause") ++openPauses_;
    if (words[0] == "resumed") --openPauses_;
    if ((words[0] == "rows" || words[0] == "list") && words.size() > 1) {
      latest_[words[0] + " " + words[1]] = *line;
    }
    latest_[words[0]] = *line;
    return line;
  }

  std::unique_ptr<ChildProcess> child_;
  std::string state_;
  std::map<std::string, std::string> latest_;
  int openPauses_ = 0;
  std::string log_;
};

class TownDesktop : public DesktopTest {
 protected:
  static void SetUpTestSuite() {
    StartDesktop({.suite = "town",
                  .shots = "town-desktop-shots",
                  .width = kScreenWidth,
                  .height = kScreenHeight,
                  .tools = {"xdotool"},
                  .backdrop = kRoot,
                  .floor = kFloor});
  }

  static void TearDownTestSuite() { StopDesktop(); }

  void SetUp() override {
    DesktopTest::SetUp();
    if (!Proceeds()) return;
    ASSERT_FALSE(Display().empty()) << "no display";
  }

  // Each game plays in a folder of its own: the ending writes its save and report there.
  static ChildProcess::Options Env(const std::string& play) { return desktop_->Env(play); }

  // Screenshots until one passes the check, as the desktop paints in its own time: whether
  // one did, and the last one taken.
  static bool ShotUntil(const std::string& name, Screenshot& shot,
                        const std::function<bool(const Screenshot&)>& check,
                        std::chrono::milliseconds timeout) {
    return WaitFor([&] { return check(shot = Shot(name)); }, timeout);
  }

  static void Click(int x, int y, int button = 1, int repeat = 1) {
    std::vector<std::string> argv = {"xdotool", "mousemove", std::to_string(x), std::to_string(y),
                                     "click"};
    if (repeat > 1) argv.insert(argv.end(), {"--repeat", std::to_string(repeat), "--delay", "80"});
    argv.push_back(std::to_string(button));
    X(argv);
  }

  // The balloon stands on screen: its body white, its text dark on it.
  static bool BalloonShows(const Screenshot& shot, const Rect& body) {
    if (shot.width == 0) return false;
    int white = 0, ink = 0, all = 0;
    for (int y = std::max(0, body.top); y < std::min(shot.height, body.bottom); ++y) {
      for (int x = std::max(0, body.left); x < std::min(shot.width, body.right); ++x) {
        const std::uint32_t p = shot.At(x, y);
        ++all;
        white += p == kWhite;
        const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
        ink += r < 128 && g < 128 && b < 128;
      }
    }
    return all > 0 && white * 2 > all && ink > 15;
  }

  // Pixels that differ between two shots in a rectangle.
  static int Changed(const Screenshot& a, const Screenshot& b, const Rect& r) {
    if (a.width == 0 || b.width != a.width || b.height != a.height) return -1;
    int changed = 0;
    for (int y = std::max(0, r.top); y < std::min(a.height, r.bottom); ++y) {
      for (int x = std::max(0, r.left); x < std::min(a.width, r.right); ++x) {
        changed += a.At(x, y) != b.At(x, y);
      }
    }
    return changed;
  }

  // The game's visible windows of a size, as "x y w h", by X's own account.
  static std::vector<Rect> WindowsOf(ChildProcess& game) {
    std::vector<Rect> found;
    std::istringstream ids(X({"xdotool", "search", "--onlyvisible", "--pid",
                              std::to_string(game.Pid()), "--name", "Tolmark2"}).output);
    for (std::string id; std::getline(ids, id);) {
      const std::string g = X({"xdotool", "getwindowgeometry", "--shell", id}).output;
      std::map<std::string, int> v;
      std::istringstream lines(g);
      for (std::string line; std::getline(lines, line);) {
        const auto eq = line.find('=');
        if (eq == std::string::npos || line.substr(0, eq) == "WINDOW") continue;
        v[line.substr(0, eq)] = std::atoi(line.c_str() + eq + 1);
      }
      found.push_back({v["X"], v["Y"], v["X"] + v["WIDTH"], v["Y"] + v["HEIGHT"]});
    }
    return found;
  }

  // The two list windows of the market, when both are mapped: the goods first.
  static std::optional<std::pair<Rect, Rect>> MarketLists(ChildProcess& game) {
    std::optional<Rect> sell, buy;
    for (const Rect& r : WindowsOf(game)) {
      if (r.bottom - r.top != kListHeight || r.left != 0) continue;
      if (r.top == kSellTop) sell = r;
      if (r.top == kBuyTop) buy = r;
    }
    if (!sell || !buy) return std::nullopt;
    return std::make_pair(*sell, *buy);
  }

  // A pixel of a figure standing at the counter (dealer, king or hero, or the counter board):
  // the scene window takes clicks only where it shows something.
  static std::optional<std::pair<int, int>> FigurePixel(const Screenshot& shot) {
    for (int y = kFloor - 3; y >= kFloor - 25; --y) {
      for (int x = 90; x < 200; ++x) {
        if (shot.At(x, y) != kRoot) return std::make_pair(x, y);
      }
    }
    return std::nullopt;
  }

  // Clicks the balloon as the player does to read on.
  static void ClickBalloon(const Talk& talk) { Click(talk.body.CenterX(), talk.body.CenterY()); }

  // The screen y of a list row (1-based) and the x to click it at, as the game last told.
  static std::optional<std::pair<int, int>> RowPixel(Probe& game, const std::string& list, int row) {
    const auto words = Words(game.Latest("rows " + list));
    if (words.size() < static_cast<std::size_t>(3 + row)) return std::nullopt;
    return std::make_pair(std::stoi(words[2]), std::stoi(words[static_cast<std::size_t>(2 + row)]));
  }

};

// The market's counts in a state line, row by row.
std::vector<int> Market(const std::string& state) {
  std::vector<int> counts;
  std::istringstream in(StateValue(state, "market"));
  for (std::string n; std::getline(in, n, ',');) counts.push_back(std::atoi(n.c_str()));
  return counts;
}

TEST_F(TownDesktop, MarketListsTakeAndPutBackWithTheMouseAndTheHeroBuysAndLeaves) {
  Probe game("town", Env("town"));
  ASSERT_TRUE(game.WaitForPrefix("ready", 30s)) << game.Log();

  // The hero walks in from the left; at the counter the dealer greets him.
  auto talk = game.WaitForTalk("いらっしゃい。ここは武器屋だよ", 30s);
  ASSERT_TRUE(talk) << "no greeting at the counter\n" << game.Log();
  game.Settle(10s);
  EXPECT_EQ(StateValue(game.State(), "phase"), "21") << "the hero should stand at the counter";
  Screenshot shot;
  EXPECT_TRUE(ShotUntil("town-greeting", shot, [&](const Screenshot& s) {
    return BalloonShows(s, talk->body);
  }, 10s)) << "the dealer's balloon is not on screen";
  EXPECT_TRUE(FigurePixel(shot)) << "nobody stands at the counter";

  ClickBalloon(*talk);
  talk = game.WaitForTalk("何を買うんだい？", 10s);
  ASSERT_TRUE(talk) << "the click on the balloon did not reach the game\n" << game.Log();
  EXPECT_FALSE(MarketLists(game.Child())) << "the lists opened before the dealer asked";
  game.Settle(10s);
  ClickBalloon(*talk);
  talk = game.WaitForTalk("所持金額：100,000", 10s);
  ASSERT_TRUE(talk) << game.Log();
  game.Settle(10s);

  // Both lists open at the left above the floor, the shopping list right below the goods.
  std::optional<std::pair<Rect, Rect>> lists;
  ASSERT_TRUE(WaitFor([&] { return (lists = MarketLists(game.Child())).has_value(); }, 10s))
      << "the two list windows are not mapped at their places";
  EXPECT_EQ(lists->first.bottom, lists->second.top);
  EXPECT_EQ(lists->second.bottom, kFloor - 60);
  EXPECT_GE(lists->first.right - lists->first.left, 250);
  const Rect sellRect = lists->first, buyRect = lists->second;
  ASSERT_TRUE(WaitFor([&] {
    game.Drain();
    return RowPixel(game, "frmASell", 4).has_value();
  }, 10s)) << "the market's list shows fewer than four whole rows\n" << game.Log();
  EXPECT_EQ(Market(game.State()), std::vector<int>(10, 10));
  // Filled: the goods' window shows its rows, not an empty list.
  const Rect sellRows{sellRect.left, RowPixel(game, "frmASell", 1)->second - 6, sellRect.right,
                      RowPixel(game, "frmASell", 4)->second + 6};
  Screenshot before;
  EXPECT_TRUE(ShotUntil("town-lists", before, [&](const Screenshot& shot) {
    return shot.CountOther(sellRows.left, sellRows.top, sellRows.right, sellRows.bottom, kWhite) > 500;
  }, 10s)) << "the market's rows are empty";

  // The whole row of ラビリス with the right button.
  auto [x, y] = *RowPixel(game, "frmASell", 4);
  Click(x, y, 3);
  ASSERT_TRUE(game.WaitForState([](const std::string& s) {
    return StateValue(s, "purchases") == "1" && Market(s).at(3) == 0;
  }, 10s)) << "a right click on a market row took nothing\n" << game.Log();
  EXPECT_EQ(StateValue(game.State(), "bought"), "ラビリス:10");
  game.Settle(10s);
  Screenshot after;
  EXPECT_TRUE(ShotUntil("town-row-taken", after, [&](const Screenshot& shot) {
    return Changed(before, shot, buyRect) > 50 && Changed(before, shot, sellRect) > 10;
  }, 10s)) << "the lists did not show the row taken";

  // One ゲイボルグ with a double click on its row.
  std::tie(x, y) = *RowPixel(game, "frmASell", 2);
  before = after;
  Click(x, y, 1, 2);
  ASSERT_TRUE(game.WaitForState([](const std::string& s) {
    return StateValue(s, "purchases") == "2" && Market(s).at(1) == 9;
  }, 10s)) << "a double click on a market row took nothing\n" << game.Log();
  EXPECT_EQ(StateValue(game.State(), "bought"), "ラビリス:10,ゲイボルグ:1");
  game.Settle(10s);
  EXPECT_TRUE(ShotUntil("town-piece-taken", after, [&](const Screenshot& shot) {
    return Changed(before, shot, buyRect) > 50;
  }, 10s)) << "the shopping list did not grow";

  // And put back with a double click on the shopping list: its row goes.
  ASSERT_TRUE(WaitFor([&] {
    game.Drain();
    return RowPixel(game, "frmABuy", 2).has_value();
  }, 10s)) << game.Log();
  std::tie(x, y) = *RowPixel(game, "frmABuy", 2);
  before = after;
  Click(x, y, 1, 2);
  ASSERT_TRUE(game.WaitForState([](const std::string& s) {
    return StateValue(s, "purchases") == "1" && Market(s).at(1) == 10;
  }, 10s)) << "a double click on the shopping list put nothing back\n" << game.Log();
  EXPECT_EQ(StateValue(game.State(), "bought"), "ラビリス:10");
  game.Settle(10s);
  EXPECT_TRUE(ShotUntil("town-piece-back", after, [&](const Screenshot& shot) {
    return Changed(before, shot, buyRect) > 50;
  }, 10s)) << "the shopping list still shows the row";

  // 買う from the town's menu on a right click on the counter; the dealer asks, Y answers.
  const auto figure = FigurePixel(after);
  ASSERT_TRUE(figure);
  Click(figure->first, figure->second, 3);
  ASSERT_TRUE(WaitFor([&] {
    return Changed(after, Shot("town-menu"), {0, 0, kScreenWidth, kScreenHeight}) > 500;
  }, 10s)) << "no menu on a right click at the counter";
  X({"xdotool", "key", "Down", "Return"});
  talk = game.WaitForTalk("全部で8,400カリムになるぜ", 10s);
  ASSERT_TRUE(talk) << "買う did not reach the game\n" << game.Log();
  game.Settle(10s);
  ClickBalloon(*talk);
  talk = game.WaitForTalk("それでも買うかい？", 10s);
  ASSERT_TRUE(talk) << game.Log();
  game.Settle(10s);
  ClickBalloon(*talk);
  ASSERT_TRUE(game.WaitForPrefix("ask ", 10s)) << game.Log();
  game.Settle(10s);
  X({"xdotool", "key", "y"});
  talk = game.WaitForTalk("毎度あり", 10s);
  ASSERT_TRUE(talk) << "Y did not answer the dealer\n" << game.Log();
  EXPECT_TRUE(game.WaitForState([](const std::string& s) {
    return StateValue(s, "gold") == "91600";
  }, 5s)) << game.State();
  game.Settle(10s);
  ClickBalloon(*talk);
  talk = game.WaitForTalk("また来るよ", 10s);
  ASSERT_TRUE(talk) << game.Log();
  game.Settle(10s);
  ClickBalloon(*talk);

  // He walks out; the lists close and the road home begins.
  ASSERT_TRUE(game.WaitForState([](const std::string& s) {
    return StateValue(s, "scene") == "frmField";
  }, 30s)) << "the hero never left the town\n" << game.Log();
  talk = game.WaitForTalk("さぁ、モノリスに帰りますよ", 30s);
  ASSERT_TRUE(talk) << "the road home did not begin\n" << game.Log();
  for (const char* window : {"frmASell", "frmABuy", "frmArms"}) {
    EXPECT_NE(game.Log().find("closed " + std::string(window) + "\n"), std::string::npos) << window;
  }
  EXPECT_TRUE(ShotUntil("town-left", shot, [&](const Screenshot& s) {
    return BalloonShows(s, talk->body) &&
           s.CountOther(sellRect.left, sellRect.top, sellRect.right, buyRect.bottom, kRoot) == 0;
  }, 10s)) << "the list windows are still on screen, or the road's first line is not\n"
      << game.Log();
  game.Child().Terminate();
}

TEST_F(TownDesktop, CastleDeliveryAndStoryLeadIntoTheNarrationAtItsPaceAndTheGameEnds) {
  Probe game("castle", Env("castle"));
  ASSERT_TRUE(game.WaitForPrefix("ready", 30s)) << game.Log();
  auto talk = game.WaitForTalk("あんた武器屋か？", 30s);
  ASSERT_TRUE(talk) << "the king did not speak\n" << game.Log();

  // The delivery and the king's story, one click on the balloon a line; one click may say
  // more than one (the delivery's rows and the payment).
  for (int clicks = 0; clicks < 60; ++clicks) {
    game.Settle(15s);
    talk = ReadTalk(game.Latest("talk"));
    if (talk->text == "あんたが悪い！！") break;
    ClickBalloon(*talk);
    ASSERT_TRUE(game.NextTalk(15s)) << "the click on \"" << talk->text << "\" did not read on\n"
                                    << game.Log();
  }
  ASSERT_EQ(talk->text, "あんたが悪い！！") << game.Log();
  auto said = [&](const std::string& text) {
    return game.Log().find(" " + text + "\n") != std::string::npos;
  };
  EXPECT_TRUE(said("睡魔の杖を5本戴くぞ")) << game.Log();
  EXPECT_TRUE(said("今回の武器代は4800カリムだ")) << game.Log();
  EXPECT_TRUE(said("そう、レッドドラゴンじゃ")) << game.Log();
  Screenshot last;
  EXPECT_TRUE(ShotUntil("ending-story-end", last, [&](const Screenshot& shot) {
    return BalloonShows(shot, talk->body);
  }, 10s));

  // The narration: each line on screen a good while into its pause.
  ClickBalloon(*talk);
  const char* narration[] = {"こうして、モノリスでの冒険は終わった",
                             "だが、それはブームの波乱の人生の始まりでしかなかった",
                             "今日もブームは武器を求め、冒険を続ける……", "+++ The End +++"};
  int n = 0;
  for (const char* line : narration) {
    talk = game.NextTalk(30s);
    ASSERT_TRUE(talk) << "the narration stopped before \"" << line << "\"\n" << game.Log();
    ASSERT_EQ(talk->text, line) << game.Log();
    ASSERT_TRUE(game.WaitForPrefix("pause ", 10s)) << "no pause after \"" << line << "\"";
    // A second into the pause, and for a while after while the line is still the one said.
    std::this_thread::sleep_for(1000ms);
    const auto until = std::chrono::steady_clock::now() + 2500ms;
    Screenshot shot;
    bool still = true, shown = false;
    do {
      shot = Shot("ending-narration-" + std::to_string(n + 1));
      game.Drain();
      still = ReadTalk(game.Latest("talk"))->text == line && game.OpenPauses() == 1;
      shown = still && BalloonShows(shot, talk->body) && Changed(last, shot, talk->body) > 15;
    } while (still && !shown && std::chrono::steady_clock::now() < until);
    ++n;
    ASSERT_TRUE(still) << "\"" << line << "\" was gone a second into its pause\n" << game.Log();
    EXPECT_TRUE(shown) << "\"" << line << "\" is not on screen during its pause";
    last = shot;
  }

  // The thanks, the four closing notes, and the program ends by itself.
  talk = game.WaitForTalk("お疲れ様でした", 30s);
  ASSERT_TRUE(talk) << game.Log();
  EXPECT_TRUE(game.WaitForState([](const std::string& s) {
    return StateValue(s, "cleared") == "-1";
  }, 5s)) << "the game is not marked cleared\n" << game.State();
  const char* notes[] = {"引き続き楽しめるよう、データをセーブしましたので、",
                         "心ゆくまで、続きをお楽しみください",
                         "なお、クリアファイルをフォルダ内に作成しましたので、", "どうぞご覧下さい"};
  for (const char* note : notes) {
    game.Settle(15s);
    ClickBalloon(*talk);
    talk = game.NextTalk(15s);
    ASSERT_TRUE(talk) << game.Log();
    EXPECT_EQ(talk->text, note);
  }
  game.Settle(15s);
  ClickBalloon(*talk);
  EXPECT_TRUE(game.WaitForPrefix("ended", 15s)) << "the game did not end\n" << game.Log();
  EXPECT_EQ(game.Child().WaitExit(15s), std::optional<int>(0));
  EXPECT_TRUE(fs::exists(Folders().Root() / "castle" / "Tolmark.dat")) << "no save of the cleared game";
  EXPECT_TRUE(fs::exists(Folders().Root() / "castle" / "Clear.txt")) << "no clear report";
  EXPECT_TRUE(WaitFor([] {
    const Screenshot gone = Shot("ending-gone");
    return gone.CountOther(0, 0, kScreenWidth, kScreenHeight, kRoot) == 0;
  }, 10s)) << "a window of the game stayed on screen";
}

}  // namespace
}  // namespace tolmark::testing
