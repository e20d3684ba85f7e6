// The customers' lines: finished texts with names and plain-digit numbers, speakers, next codes.
#include "shop/customer_lines.h"

#include <gtest/gtest.h>

#include <set>

#include "new_game.h"
#include "shop/shop_codes.h"

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
  EXPECT_EQ(line->line, c.text);
  EXPECT_EQ(line->speaker == Speaker::Hero, c.heroSpeaks);
  EXPECT_EQ(line->next, c.next);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, CustomerLinesTest, ::testing::Values(
  // The rich lady's buying chain ends with the merchant's own line, amount first.
  LineCase{90, true, code::ShortOfMoneySettled, 0, 10, 12, 37, "37カリムで、木刀を持って行かれた。残りHP：12", true, code::EarnExperience},
  LineCase{90, true, code::ShortOfMoneyWayOut, 0, 10, 12, 37, "今持っているカリムで、これを貰っていくザマスよ！", false, code::ShortOfMoneySettled},
  // Prices never carry a thousands separator.
  LineCase{51, false, code::VisitBegins, 14, 1500, 30, 0, "すまないが、風神剣を1500カリムで、買い取ってくれないか？", false, code::AskTheDeal},
  LineCase{66, false, code::VisitBegins, 3, 12, 30, 0, "店主！すまないが、フライパンを12カリムで買い取ってくれまいか？", false, code::AskTheDeal},
  LineCase{45, true, code::VisitBegins, 2, 30, 30, 0, "おい、人間！こん棒をくれ", false, code::AskTheDeal},
  LineCase{60, true, code::DealDone, 1, 20, 7, 0, "ありがとう。これが欲しかったんです。残りHP：7", false, code::EarnExperience},
  LineCase{78, true, code::DealRefused, 1, 20, 7, 0, "次に来た時はよろしくお願いしますね", false, code::EarnExperience},
  // Money-short sellers: three speak a chain, the others part at once.
  LineCase{26, false, code::ShortOfMoney, 5, 99, 9, 0, "金がねぇだと？", false, code::ShortOfMoneyWayOut},
  LineCase{26, false, code::ShortOfMoneyWayOut, 5, 99, 9, 0, "同業のよしみだ。今持ってる額でくれてやるよ", false, code::ShortOfMoneySettled},
  LineCase{26, false, code::ShortOfMoneySettled, 5, 99, 9, 0, "困った時は、お互い様ってやつさ。残りHP：9", false, code::EarnExperience},
  LineCase{51, false, code::ShortOfMoney, 5, 99, 9, 0, "持ち金が足りないのかい？", false, code::DealRefused},
  LineCase{90, false, code::ShortOfMoneyWayOut, 5, 99, 9, 1300, "1300カリムあげるザマスよ", false, code::ShortOfMoneySettled},
  LineCase{60, false, code::ShortOfMoneySettled, 5, 99, 9, 0, "あなたに、ガイア神のご加護がありますように…。残りHP：9", false, code::EarnExperience},
  LineCase{84, false, code::DealRefused, 5, 99, 9, 0, "いい品なんだけどなぁ…", false, code::EarnExperience}
));
// clang-format on

TEST(CustomerLinesCoverage, EveryCustomerSpeaksEveryStepOfBothVisits) {
  const std::set<std::int32_t> chainSellers = {60, 26, 90};
  for (std::int32_t picture : {60, 72, 51, 26, 84, 45, 66, 78, 90}) {
    for (std::int32_t step : {code::VisitBegins, code::ShortOfMoney, code::ShortOfMoneyWayOut,
                              code::DealDone, code::DealRefused}) {
      EXPECT_NE(FindCustomerLine(picture, true, step), nullptr) << picture << " buys " << step;
    }
    for (std::int32_t step :
         {code::VisitBegins, code::ShortOfMoney, code::DealDone, code::DealRefused}) {
      EXPECT_NE(FindCustomerLine(picture, false, step), nullptr) << picture << " sells " << step;
    }
    const bool chain = chainSellers.count(picture) > 0;
    EXPECT_EQ(FindCustomerLine(picture, false, code::ShortOfMoneyWayOut) != nullptr, chain)
        << picture;
    EXPECT_EQ(FindCustomerLine(picture, false, code::ShortOfMoneySettled) != nullptr, chain)
        << picture;
    EXPECT_EQ(FindCustomerLine(picture, true, code::ShortOfMoneySettled) != nullptr, picture == 90)
        << picture;
    EXPECT_EQ(FindCustomerLine(picture, true, code::ShortOfMoneyWayOut)->next,
              picture == 90 ? code::ShortOfMoneySettled : code::EarnExperience)
        << picture;
  }
}

TEST(CustomerLinesCoverage, NothingToSayAtOtherCodesOrForStrangers) {
  GameState s = NewGame();
  s.VisitorPicture = 72;
  s.CustomerBuys = kTrue;
  for (std::int32_t step : {code::Idle, code::AskTheDeal, code::DealAnswered, code::NoRoomInStock,
                            code::EarnExperience, code::LevelUpTold}) {
    s.PendingAction = step;
    EXPECT_FALSE(CustomerLineFor(s).has_value()) << step;
  }
  s.VisitorPicture = 32;  // the carpenter is no customer
  s.PendingAction = code::VisitBegins;
  EXPECT_FALSE(CustomerLineFor(s).has_value());
}

}  // namespace
}  // namespace tolmark::shop
