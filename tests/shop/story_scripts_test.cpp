// The story conversations: which script plays, where its plain talk runs out, sample lines.
#include "shop/story_scripts.h"

#include <gtest/gtest.h>

#include "shop/shop_codes.h"

namespace tolmark::shop {
namespace {

struct ScriptCase {
  std::int32_t eventCode;
  std::int32_t storyState;
  int talkRows;               // rows walked from the greeting by their next codes
  std::int32_t firstNonTalk;  // the code where the step function takes over
  std::int32_t endCode;
};

class StoryScriptsTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(StoryScriptsTest, TalkRunsFromTheGreetingToTheFirstStepThatActs) {
  const ScriptCase& c = GetParam();
  const Lines script = StoryScriptFor(c.eventCode, c.storyState);
  std::int32_t step = code::VisitorGreets;
  int walked = 0;
  while (const LineRow* row = FindLine(script, step)) {
    step = row->next;
    ++walked;
  }
  EXPECT_EQ(walked, c.talkRows);
  EXPECT_EQ(step, c.firstNonTalk);
  EXPECT_EQ(StoryEndCode(c.eventCode, c.storyState), c.endCode);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Events, StoryScriptsTest, ::testing::Values(
  // the errand
  ScriptCase{1, 1, 11, code::ErrandEnds, code::ErrandEnds},
  // the hammer delivered: chapter 2 at the end
  ScriptCase{1, 3, 14, code::HammerThanksEnds, code::HammerThanksEnds},
  // the enlargement: its price and question follow
  ScriptCase{2, 0, 2, code::TellEnlargementPrice, code::EnlargementEnds},
  // the royal order
  ScriptCase{3, 6, 21, code::RoyalOrderEnds, code::RoyalOrderEnds},
  // the weapons check
  ScriptCase{4, 7, 5, code::HandOverHolyBeastWeapons, code::HolyBeastEnds},
  // the strongest sword: the chapter decides
  ScriptCase{5, 8, 3, code::SwordWellMade, code::TakeTheSword}
));
// clang-format on

TEST(StoryScripts, SpeakersAndLines) {
  const LineRow* row = FindLine(StoryScriptFor(1, 3), code::VisitorGreets + 8);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->text, "この店なら、そうだな…。10万カリムで請け負うぜ！");
  EXPECT_EQ(row->speaker, Speaker::Visitor);
  row = FindLine(StoryScriptFor(3, 5), code::VisitorGreets + 13);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->speaker, Speaker::Hero);
  EXPECT_EQ(FindLine(StoryScriptFor(2, 0), code::MerchantGoesToBed), nullptr);  // no plain talk
}

TEST(StoryScripts, NoScriptForStrangeEvents) {
  EXPECT_TRUE(StoryScriptFor(1, 0).empty());
  EXPECT_TRUE(StoryScriptFor(0, 0).empty());
  EXPECT_TRUE(StoryScriptFor(6, 0).empty());
}

}  // namespace
}  // namespace tolmark::shop
