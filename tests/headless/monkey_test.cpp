// The soak's promise: the script it keeps replays its run exactly, and its run is the seed's.
#include "headless/monkey.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/state_fields.h"
#include "scratch_folder.h"

namespace tolmark {
namespace {

using testing_support::Contents;

class MonkeyTest : public testing_support::ScratchFolder {};

// Seed 7's last run starts from the save an earlier run left (a `file` line); seed 11's last run
// starts with no save in the folder.
TEST_F(MonkeyTest, TheScriptItKeepsReplaysTheRunExactly) {
  WorkInIt();
  for (const auto& [seed, steps] : {std::pair{7u, 6000}, std::pair{11u, 3000}}) {
    std::ostringstream report;
    std::ostringstream errors;
    Monkey monkey(seed, report, errors);
    ASSERT_EQ(monkey.Run(steps), ScriptRunner::kAllHeld) << report.str() << errors.str();
    const std::string script = Contents(Monkey::kReplayFile);
    ASSERT_FALSE(script.empty());

    // The replay runs in a folder of its own, empty as a scenario's.
    const auto replayFolder = folder_ / ("replay" + std::to_string(seed));
    std::filesystem::create_directory(replayFolder);
    std::filesystem::current_path(replayFolder);
    std::ostringstream transcript;
    std::ostringstream replayErrors;
    ScriptRunner replay(transcript, replayErrors);
    std::istringstream lines(script);
    EXPECT_EQ(replay.Run(lines), ScriptRunner::kAllHeld) << replayErrors.str();
    EXPECT_EQ(StateJson(replay.State()), monkey.StateNow()) << "seed " << seed;
    std::filesystem::current_path(folder_);
  }
}

TEST_F(MonkeyTest, ASeedPlaysTheSameRunEveryTime) {
  WorkInIt();
  std::string first;
  for (int time = 0; time < 2; ++time) {
    std::ostringstream report;
    std::ostringstream errors;
    Monkey monkey(11, report, errors);
    ASSERT_EQ(monkey.Run(3000), ScriptRunner::kAllHeld) << report.str();
    const std::string played = Contents(Monkey::kReplayFile) + monkey.StateNow();
    if (time == 0) first = played;
    EXPECT_EQ(played, first);
  }
}

}  // namespace
}  // namespace tolmark
