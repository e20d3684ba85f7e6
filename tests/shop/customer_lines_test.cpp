// The customers' lines: finished texts with names and plain-digit numbers, speakers, next codes.
#include "shop/customer_lines.h"

#include <gtest/gtest.h>

#include <set>

#include "new_game.h"

namespace tolmark::shop {
namespace {

using testing_support::NewGame;

struct LineCase {
  std::int32_t picture;
  bool buys;
  std::int32_t code;
  std::int32_t item;
  std::int32_t price;
  std::int32_t hp;
  std::int32_t amount;
  const char* text;
  bool heroSpeaks;
  std::int32_t next;
};

class CustomerLinesTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CustomerLinesTest, BuildsTheFinishedLine) {
  const LineCase& c = GetParam();
  GameState s = NewGame();
  s.VisitorPicture = c.picture;
  s.CustomerBuys = AsFlag(c.buys);
  s.PendingAction = c.code;
  s.CurrentItem = c.item;
  s.ItemPrice = c.price;
  s.HP = c.hp;
  s.DealAmount = c.amount;
  const auto line = CustomerLineFor(s);
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(line->text, c.text);
  EXPECT_EQ(line->heroSpeaks, c.heroSpeaks);
  EXPECT_EQ(line->next, c.next);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, CustomerLinesTest, ::testing::Values(
  // The rich lady's buying chain ends with the merchant's own line, amount first.
  LineCase{90, true, 42, 0, 10, 12, 37, "37カリムで、木刀を持って行かれた。残りHP：12", true, 70},
  LineCase{90, true, 41, 0, 10, 12, 37, "今持っているカリムで、これを貰っていくザマスよ！", false, 42},
  // Prices never carry a thousands separator.
  LineCase{51, false, 1, 14, 1500, 30, 0, "すまないが、風神剣を1500カリムで、買い取ってくれないか？", false, 2},
  LineCase{66, false, 1, 3, 12, 30, 0, "店主！すまないが、フライパンを12カリムで買い取ってくれまいか？", false, 2},
  LineCase{45, true, 1, 2, 30, 30, 0, "おい、人間！こん棒をくれ", false, 2},
  LineCase{60, true, 50, 1, 20, 7, 0, "ありがとう。これが欲しかったんです。残りHP：7", false, 70},
  LineCase{78, true, 60, 1, 20, 7, 0, "次に来た時はよろしくお願いしますね", false, 70},
  // Money-short sellers: three speak a chain, the others part at once.
  LineCase{26, false, 40, 5, 99, 9, 0, "金がねぇだと？", false, 41},
  LineCase{26, false, 41, 5, 99, 9, 0, "同業のよしみだ。今持ってる額でくれてやるよ", false, 42},
  LineCase{26, false, 42, 5, 99, 9, 0, "困った時は、お互い様ってやつさ。残りHP：9", false, 70},
  LineCase{51, false, 40, 5, 99, 9, 0, "持ち金が足りないのかい？", false, 60},
  LineCase{90, false, 41, 5, 99, 9, 1300, "1300カリムあげるザマスよ", false, 42},
  LineCase{60, false, 42, 5, 99, 9, 0, "あなたに、ガイア神のご加護がありますように…。残りHP：9", false, 70},
  LineCase{84, false, 60, 5, 99, 9, 0, "いい品なんだけどなぁ…", false, 70}
));
// clang-format on

TEST(CustomerLinesCoverage, EveryCustomerSpeaksEveryStepOfBothVisits) {
  const std::set<std::int32_t> chainSellers = {60, 26, 90};
  for (std::int32_t picture : {60, 72, 51, 26, 84, 45, 66, 78, 90}) {
    for (std::int32_t code : {1, 40, 41, 50, 60}) {
      EXPECT_NE(FindCustomerLine(picture, true, code), nullptr) << picture << " buys " << code;
    }
    for (std::int32_t code : {1, 40, 50, 60}) {
      EXPECT_NE(FindCustomerLine(picture, false, code), nullptr) << picture << " sells " << code;
    }
    const bool chain = chainSellers.count(picture) > 0;
    EXPECT_EQ(FindCustomerLine(picture, false, 41) != nullptr, chain) << picture;
    EXPECT_EQ(FindCustomerLine(picture, false, 42) != nullptr, chain) << picture;
    EXPECT_EQ(FindCustomerLine(picture, true, 42) != nullptr, picture == 90) << picture;
    EXPECT_EQ(FindCustomerLine(picture, true, 41)->next, picture == 90 ? 42 : 70) << picture;
  }
}

TEST(CustomerLinesCoverage, NothingToSayAtOtherCodesOrForStrangers) {
  GameState s = NewGame();
  s.VisitorPicture = 72;
  s.CustomerBuys = kTrue;
  for (std::int32_t code : {0, 2, 3, 5, 70, 71}) {
    s.PendingAction = code;
    EXPECT_FALSE(CustomerLineFor(s).has_value()) << code;
  }
  s.VisitorPicture = 32;  // the carpenter is no customer
  s.PendingAction = 1;
  EXPECT_FALSE(CustomerLineFor(s).has_value());
}

}  // namespace
}  // namespace tolmark::shop
