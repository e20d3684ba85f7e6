// Every number of the game state at the edges of what its field can hold, followed by play in
// the shop, on the road and in the town: the game may refuse or clamp such values, but its
// arithmetic must never overflow (the sanitizer build stops on the first overflow).
#include <gtest/gtest.h>

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

// A stretch of play that reaches the field's arithmetic: a customer's deal in the shop, a
// battle on the road, the walk into the town. Ends as the game lets it.
std::string Tour(const EdgeValue& e, std::string_view where) {
  std::ostringstream script;
  script << "start\n";
  if (where == "shop") {
    script << "set " << e.field << " " << e.value << "\n"
           << "rnd 0.0*40\nclick frmShop right\n"
           << "menu mopen\ntick 40\nclick frmShop\nclick frmShop\nkey Y\nclick frmShop\n"
           << "click frmShop\nclick frmShop\nrun 5000\nclick frmShop right\n";
  } else if (where == "road") {
    script << "click frmShop right\nmenu mstage1\n"
           << "set " << e.field << " " << e.value << "\n"
           << "rnd 0.0*200\ntick 4\n";
    for (int i = 0; i < 30; ++i) script << "click frmField\n";
    script << "tick 4\nclick frmField right\n";
  } else {
    script << "set Chapter 2\nclick frmShop right\nmenu mstage2\nrnd 0.99*600\ntick 600\n"
           << "set " << e.field << " " << e.value << "\n"
           << "click frmField\nrnd 0.5*40\nclick frmField\nrun 15000\n"
           << "click frmArms\nclick frmArms\nclick frmArms\nclick frmArms right\n";
  }
  return script.str();
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
  for (const char* where : {"shop", "road", "town"}) {
    std::ostringstream transcript;
    std::ostringstream errors;
    std::istringstream in(Tour(GetParam(), where));
    const int status = ScriptRunner(transcript, errors).Run(in);
    // A script may stop where an odd value leaves the game (status 2 for an input it no longer
    // accepts); an exception out of the game (3) is a fault.
    EXPECT_NE(status, ScriptRunner::kGameFailed) << where << ": " << errors.str();
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
