// The story conversations: which script plays, where its plain talk runs out, sample lines.
#include "shop/story_scripts.h"

#include <gtest/gtest.h>

namespace tolmark::shop {
namespace {

struct ScriptCase {
  std::int32_t eventCode;
  std::int32_t storyState;
  int talkRows;               // rows walked from 700 by their next codes
  std::int32_t firstNonTalk;  // the code where the step function takes over
  std::int32_t endCode;
};

class StoryScriptsTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(StoryScriptsTest, TalkRunsFrom700ToTheFirstStepThatActs) {
  const ScriptCase& c = GetParam();
  const StoryScript script = StoryScriptFor(c.eventCode, c.storyState);
  std::int32_t code = 700;
  int walked = 0;
  while (const StoryRow* row = FindStoryRow(script, code)) {
    code = row->next;
    ++walked;
  }
  EXPECT_EQ(walked, c.talkRows);
  EXPECT_EQ(code, c.firstNonTalk);
  EXPECT_EQ(StoryEndCode(c.eventCode, c.storyState), c.endCode);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Events, StoryScriptsTest, ::testing::Values(
  ScriptCase{1, 1, 11, 711, 711},  // the errand
  ScriptCase{1, 3, 14, 714, 714},  // the hammer delivered: chapter 2 at the end
  ScriptCase{2, 0, 2, 702, 718},   // the enlargement: its price and question follow
  ScriptCase{3, 6, 21, 721, 721},  // the royal order
  ScriptCase{4, 7, 5, 705, 707},   // the weapons check
  ScriptCase{5, 8, 3, 703, 731}    // the strongest sword: the chapter decides
));
// clang-format on

TEST(StoryScripts, SpeakersAndLines) {
  const StoryRow* row = FindStoryRow(StoryScriptFor(1, 3), 708);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->text, "この店なら、そうだな…。10万カリムで請け負うぜ！");
  EXPECT_EQ(row->speaker, StorySpeaker::Visitor);
  row = FindStoryRow(StoryScriptFor(3, 5), 713);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->speaker, StorySpeaker::Hero);
  EXPECT_EQ(FindStoryRow(StoryScriptFor(2, 0), 713), nullptr);  // the night is no plain talk
}

TEST(StoryScripts, NoScriptForStrangeEvents) {
  EXPECT_TRUE(StoryScriptFor(1, 0).empty());
  EXPECT_TRUE(StoryScriptFor(0, 0).empty());
  EXPECT_TRUE(StoryScriptFor(6, 0).empty());
}

}  // namespace
}  // namespace tolmark::shop
