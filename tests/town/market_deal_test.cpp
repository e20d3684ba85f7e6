// Paying for the shopping list and leaving without it, click by click as the step functions
// drive them: the lines, the prompts, the money and the list.
#include "town/market_deal.h"

#include <gtest/gtest.h>

#include "town/arms_operations.h"
#include "town/market_lists.h"
#include "town_fixture.h"

namespace tolmark::town {
namespace {

using testing::AtTheMarket;
using testing::ListRows;

// One click on a step of BuyArms or GoHome, as its step function takes it: the turn, then the
// line's next code.
template <class Turn>
Outcome Click(GameState& s, Turn turn) {
  Outcome step = turn(s);
  if (step.next) s.PendingAction = *step.next;
  return step;
}

// The answer balloon: the answer stored and the code raised by one before the turn runs again.
template <class Turn>
Outcome Answer(GameState& s, std::int16_t answer, Turn turn) {
  s.Answer = answer;
  s.AwaitingAnswer = kFalse;
  s.PendingAction += 1;
  return Click(s, turn);
}

// The list: 3 of 包丁 at 138 and all 10 of 猛毒の爪 at 564, 414 + 5640 = 6054.
GameState WithAList() {
  GameState s = AtTheMarket();
  for (int i = 0; i < 3; ++i) TakeOnePiece(s, 4);
  TakeWholeRow(s, 0);
  return s;
}

class MarketBuyArmsTest : public ::testing::Test {
 protected:
  GameState s = WithAList();
  Outcome Buy() { return Click(s, BuyArmsTurn); }
};

TEST_F(MarketBuyArmsTest, MoneyExactlyEqualBuysAndTheListGoesHome) {
  s.Gold = 6054;
  StartBuying(s);
  EXPECT_EQ(s.CommandBusy, kTrue);

  Outcome step = Buy();
  EXPECT_EQ(step.line, "全部で6,054カリムになるぜ");
  EXPECT_EQ(step.speaker, Speaker::Visitor);
  EXPECT_FALSE(ListsTakeClicks(s));
  EXPECT_EQ(s.DealAmount, 6054);

  EXPECT_EQ(Buy().line, "それでも買うかい？");
  step = Buy();
  EXPECT_FALSE(step.yes.empty());
  EXPECT_EQ(step.yes, "買う");
  EXPECT_EQ(step.no, "買わない");
  EXPECT_EQ(s.PendingAction, 202);

  step = Answer(s, 89, BuyArmsTurn);
  EXPECT_EQ(step.line, "毎度あり～");
  EXPECT_EQ(s.Gold, 0);
  EXPECT_EQ(s.Answer, 0);
  EXPECT_EQ(s.PendingAction, 203);
  EXPECT_EQ(ListRows(s), (std::vector<std::string>{"包丁×3", "猛毒の爪×10"}));

  step = Buy();
  EXPECT_EQ(step.speaker, Speaker::Hero);
  EXPECT_EQ(step.line, "また来るよ");
  step = Buy();
  EXPECT_EQ(step.then, WalkOut);
  EXPECT_EQ(s.ScenePhase, 30);
  EXPECT_EQ(s.Homebound, kTrue);
  EXPECT_EQ(s.CommandBusy, kTrue) << "the lists stay shut while he leaves";
}

TEST_F(MarketBuyArmsTest, OneKarimShortGivesUpAndBrowsesAgain) {
  s.Gold = 6053;
  StartBuying(s);
  Buy();
  EXPECT_EQ(Buy().line, "って、金が足りないようだな…");
  EXPECT_EQ(s.PendingAction, 210);
  const Outcome step = Buy();
  EXPECT_EQ(step.line, "なんか諦めたらどうだ？");
  EXPECT_TRUE(ListsTakeClicks(s));
  EXPECT_EQ(s.PendingAction, 4);
  EXPECT_EQ(s.CommandBusy, kFalse);
  EXPECT_EQ(s.Gold, 6053);
  EXPECT_EQ(ListRows(s).size(), 2u);
}

TEST_F(MarketBuyArmsTest, AnsweringNoKeepsMoneyAndList) {
  s.Gold = 100000;
  StartBuying(s);
  Buy();
  Buy();
  Buy();
  const Outcome step = Answer(s, 78, BuyArmsTurn);
  EXPECT_EQ(step.line, "なんか買ってくれよ");
  EXPECT_TRUE(ListsTakeClicks(s));
  EXPECT_EQ(s.PendingAction, 4);
  EXPECT_EQ(s.CommandBusy, kFalse);
  EXPECT_EQ(s.Answer, 0);
  EXPECT_EQ(s.Gold, 100000);
  EXPECT_EQ(ListRows(s).size(), 2u);
}

TEST(MarketGoHome, YesDropsTheListWithoutMoney) {
  GameState s = WithAList();
  s.Gold = 5000;
  StartGoingHome(s);
  EXPECT_EQ(Click(s, GoHomeTurn).line, "何も買わずに帰るのかい？");
  const Outcome ask = Click(s, GoHomeTurn);
  EXPECT_FALSE(ask.yes.empty());
  EXPECT_EQ(ask.yes, "帰る");
  EXPECT_EQ(ask.no, "帰らない");

  EXPECT_EQ(Answer(s, 89, GoHomeTurn).line, "そうかい？外に馬車を呼んでおいたよ");
  EXPECT_EQ(s.TownPurchaseCount, 0);
  EXPECT_EQ(s.Gold, 5000);
  EXPECT_EQ(s.PendingAction, 502);
  EXPECT_EQ(Click(s, GoHomeTurn).line, "また来るよ");
  EXPECT_EQ(Click(s, GoHomeTurn).then, WalkOut);
  EXPECT_EQ(s.ScenePhase, 30);
  EXPECT_EQ(s.Homebound, kTrue);
}

TEST(MarketGoHome, NoStaysWithTheList) {
  GameState s = WithAList();
  StartGoingHome(s);
  Click(s, GoHomeTurn);
  Click(s, GoHomeTurn);
  EXPECT_EQ(Answer(s, 78, GoHomeTurn).line, "なんか買ってくれよ");
  EXPECT_EQ(s.PendingAction, 4);
  EXPECT_EQ(s.CommandBusy, kFalse);
  EXPECT_EQ(ListRows(s).size(), 2u);
}

TEST(MarketDeal, CodesOutsideTheStepsDoNothing) {
  GameState s = WithAList();
  for (std::int32_t code : {4, 199, 205, 211, 499}) {
    s.PendingAction = code;
    const Outcome step = BuyArmsTurn(s);
    EXPECT_TRUE(step.line.empty()) << code;
    EXPECT_TRUE(step.yes.empty() && step.then == nullptr) << code;
  }
  for (std::int32_t code : {4, 499, 504, 699}) {
    s.PendingAction = code;
    EXPECT_TRUE(GoHomeTurn(s).line.empty()) << code;
  }
  EXPECT_EQ(s.ScenePhase, 0);
}

}  // namespace
}  // namespace tolmark::town
