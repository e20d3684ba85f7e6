// Every number of the game state at the edges of what its field can hold, followed by play in
// the shop, on the road and in the town: the game may refuse or clamp such values, but its
// arithmetic must never overflow (the sanitizer build stops on the first overflow).
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "headless/script_runner.h"
#include "model/state_fields.h"
#include "scene_fixture.h"
#include "scratch_folder.h"

namespace tolmark {
namespace {

struct EdgeValue {
  std::string field;
  std::string value;
  friend void PrintTo(const EdgeValue& e, std::ostream* os) { *os << e.field << "=" << e.value; }
};

// The top-level numbers of the state (flags excluded: they hold only -1 and 0), each at the
// largest and smallest value its field takes.
std::vector<EdgeValue> EdgeValues() {
  GameState s = testing_support::NewGame();
  const std::string json = StateJson(s);
  std::vector<EdgeValue> values;
  int depth = 0;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const char ch = json[i];
    if (ch == '{' || ch == '[') ++depth;
    if (ch == '}' || ch == ']') --depth;
    if (ch != '"' || depth != 1) continue;
    const std::size_t close = json.find('"', i + 1);
    const std::string name = json.substr(i + 1, close - i - 1);
    i = close;
    if (json[close + 1] != ':') continue;
    const char first = json[close + 2];
    if (first != '-' && (first < '0' || first > '9')) continue;
    for (const auto& [high, low] : {std::pair{"2147483647", "-2147483648"},
                                    std::pair{"32767", "-32768"}}) {
      GameState probe = testing_support::NewGame();
      std::string error;
      if (!WriteField(probe, name, high, &error)) continue;
      values.push_back({name, high});
      if (WriteField(probe, name, low, &error)) values.push_back({name, low});
      break;
    }
  }
  return values;
}

// A stretch of play that reaches some of the game's arithmetic: the edge value is set after
// `before` has brought the game there, and `after` plays on. Each tour ends as the game lets it.
struct Tour {
  const char* name;
  std::string before;
  std::string after;
};

std::string Repeat(std::string_view line, int times) {
  std::string lines;
  for (int i = 0; i < times; ++i) lines += line;
  return lines;
}

// The walk to the king's counter with the order's weapons in the bag, the boss of the road
// beaten or not.
std::string AtTheCastle(bool bossBeaten) {
  return std::string("set Chapter 3\nset Reputation 400\nbag 23:60,32:20\n") +
         "click frmShop right\nmenu mstage3\n" +
         "rnd 0.99*399\ntick 400\nclick frmField\nclick frmField\nclick frmField\n" +
         "rnd 0.99*199\ntick 200\nclick frmField\nclick frmField\nrun 3000\n" +
         (bossBeaten ? "set BossBeatenThisTrip -1\n" : "");
}

// The priest walks in to the open shop and asks for a wooden sword.
const std::string kPriestComes = "rnd 0.95 0.0 0.5 0.5 0.0 0.0\ntick 17\n";

const std::vector<Tour>& Tours() {
  static const std::vector<Tour> tours = {
      // A customer's deal in the shop: the priest buys a wooden sword.
      {"shop", "stock 0:20,1:20,2:20\nclick frmShop right\nmenu mopen\n",
       kPriestComes + "click frmShop\nrnd 0.5 0.0\nclick frmYes\nrnd 0.0\nclick frmShop\n"
       "run 5000\nclick frmShop right\n"},
      // A deal refused, then the shop closed on the next customer: the reputation lost.
      {"refuse", "stock 0:20,1:20,2:20\nclick frmShop right\nmenu mopen\n",
       kPriestComes + "click frmShop\nrnd 0.5 0.0\nclick frmNo\nclick frmShop\ntick 17\n" +
           kPriestComes + "click frmShop right\nmenu mclose\nclick frmShop\nkey Y\n"},
      // A battle on the road.
      {"road", "click frmShop right\nmenu mstage1\n",
       "rnd 0.0*200\ntick 4\n" + Repeat("click frmField\n", 30) + "tick 4\nclick frmField right\n"},
      // The walk into the town and its market.
      {"town", "set Chapter 2\nclick frmShop right\nmenu mstage2\nrnd 0.99*600\ntick 600\n",
       "click frmField\nrnd 0.5*40\nclick frmField\nrun 15000\nclick frmArms\nclick frmArms\n"
       "click frmArms\nclick frmArms right\n"},
      // The merchant faints over a deal: the game-over losses by rank and level.
      {"faint", "set HP 1\nset MaxHP 90\nset Gold 200000\nclick frmShop right\nmenu mopen\nkey A\n",
       "rnd 0.95 0.03 0.5 0.5 0.0 0.0 0.5 0.5\ntick 17\nclick frmShop\nclick frmShop\n"},
      // A night's sleep: the living cost by rank and level.
      {"sleep", "", "click frmShop right\nmenu msleep\nclick frmShop\nclick frmShop\n"},
      // The royal messenger brings the king's order.
      {"order", "set Chapter 2\nset StoryState 5\nclick frmShop right\nmenu mopen\n",
       "rnd 0.95 0.0 0.5\ntick 17\n" + Repeat("click frmShop\n", 30)},
      // The whole purse spent in the market: the carriage home takes reputation for its fare, drives
      // off, and the list joins the stock.
      {"market",
       "set Chapter 2\nset Level 4\nset Reputation 50\nset Gold 5050\n"
       "click frmShop right\nmenu mstage2\nrnd 0.99*599\ntick 600\nclick frmField\n"
       "rnd 0.0 0.75*10\nclick frmField\nrun 3000\nclick frmArms\nclick frmArms\n"
       "listclick frmASell 1 right\nlistclick frmASell 5\ndblclick frmASell\n"
       "click frmArms right\nmenu abuy\nclick frmArms\nclick frmArms\nkey Y\n"
       "click frmArms\nclick frmArms\n",
       "run 3000\nclick frmField\n"},
      // The king takes part of his order and pays for it.
      {"castle", AtTheCastle(false), Repeat("click frmArms\n", 8) + "run 3000\n"},
      // The king takes the rest, the ending stocks the last bag, saves and writes the report.
      {"ending", AtTheCastle(true), Repeat("click frmArms\n", 36)},
  };
  return tours;
}

class EdgeValueTest : public testing_support::ScratchFolder,
                      public ::testing::WithParamInterface<EdgeValue> {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    WorkInIt();
  }
};

TEST_P(EdgeValueTest, PlayGoesOnWithoutOverflow) {
  const EdgeValue& e = GetParam();
  for (const Tour& tour : Tours()) {
    std::ostringstream transcript;
    std::ostringstream errors;
    std::istringstream in("start\n" + tour.before + "set " + e.field + " " + e.value + "\n" +
                          tour.after);
    const int status = ScriptRunner(transcript, errors).Run(in);
    // A script may stop where an odd value leaves the game (status 2 for an input it no longer
    // accepts); an exception out of the game (3) is a fault.
    EXPECT_NE(status, ScriptRunner::kGameFailed) << tour.name << ": " << errors.str();
  }
}

class EdgeValueTours : public testing_support::ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    WorkInIt();
  }
};

// Each tour, with ordinary values, gets as far as the arithmetic it is there for.
TEST_F(EdgeValueTours, EachReachesItsPartOfTheGame) {
  struct Reached {
    const char* tour;
    const char* line;  // a line of the transcript only that part shows
  };
  const Reached reached[] = {
      {"shop", "これが欲しかったんです。残りHP："},
      {"refuse", "閉店する(Y)"},
      {"road", "talk frmMessage"},
      {"town", "rows frmASell"},
      {"market", "close frmField\nopen frmShop"},
      {"faint", "め……めまいが………"},
      {"sleep", "生活費として"},
      {"order", "計4種150本50具を城まで届けてくれ"},
      {"castle", "とりあえず、今回の武器代は"},
      {"ending", "お疲れ様でした"},
  };
  for (const Reached& r : reached) {
    const auto tour = std::find_if(Tours().begin(), Tours().end(),
                                   [&](const Tour& t) { return std::string_view(t.name) == r.tour; });
    ASSERT_NE(tour, Tours().end()) << r.tour;
    std::ostringstream transcript;
    std::ostringstream errors;
    std::istringstream in("start\n" + tour->before + tour->after);
    ScriptRunner(transcript, errors).Run(in);
    EXPECT_NE(transcript.str().find(r.line), std::string::npos) << r.tour << ": " << errors.str();
  }
}

INSTANTIATE_TEST_SUITE_P(StateNumbers, EdgeValueTest, ::testing::ValuesIn(EdgeValues()),
                         [](const ::testing::TestParamInfo<EdgeValue>& info) {
                           std::string name = info.param.field + "_" + info.param.value;
                           for (char& ch : name) {
                             if (ch == '-') ch = 'm';
                           }
                           return name;
                         });

}  // namespace
}  // namespace tolmark
