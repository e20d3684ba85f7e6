// Buying the shopping list, or leaving the market without it.
#include "town/market_deal.h"

#include <algorithm>
#include <limits>

#include "model/inventory.h"
#include "model/numbers.h"
#include "scene/dialogue.h"
#include "town/arms_layout.h"
#include "town/town_codes.h"

namespace tolmark::town {
namespace {

TalkStep Dealer(std::string_view line, std::int32_t next) {
  return {Speaker::Counter, std::string(line), next};
}

MarketStep WalkOut(GameState& s) {
  StartWalkingOut(s);
  MarketStep step;
  step.walkOut = true;
  return step;
}

MarketStep Ask(std::string_view yes, std::string_view no) {
  MarketStep step;
  step.ask = true;
  step.yes = yes;
  step.no = no;
  return step;
}

// "No" to either question: the dealer asks for a purchase and the hero browses again.
MarketStep KeepBrowsing(GameState& s) {
  s.Answer = 0;
  s.CommandBusy = kFalse;
  s.MarketListsShut = kFalse;
  MarketStep step;
  step.talk = Dealer(deal_line::kBuySomething, code::Browsing);
  return step;
}

}  // namespace

std::int64_t ShoppingListTotal(const GameState& s) {
  std::int64_t total = 0;
  for (const PurchaseEntry& row : UsedEntriesOf(s.TownPurchases, s.TownPurchaseCount)) {
    total += static_cast<std::int64_t>(row.Price) * row.Count;
  }
  return total;
}

void StartBuying(GameState& s) {
  s.CommandBusy = kTrue;
  s.Answer = 0;
  s.PendingAction = code::NameTheTotal;
}

std::string TotalLine(const GameState& s) {
  return std::string(deal_line::kTotalBefore) + FormatThousands(s.DealAmount) +
         std::string(deal_line::kTotalAfter);
}

MarketStep BuyArmsTurn(GameState& s) {
  MarketStep step;
  if (s.Answer == kAnswerYes) {
    s.Answer = 0;
    SubtractFrom(s.Gold, s.DealAmount);
    s.MarketDealDone = kTrue;
    s.PendingAction = code::SayGoodbyeBought;
    step.talk = Dealer(deal_line::kThanks, code::SayGoodbyeBought);
    return step;
  }
  if (s.Answer == kAnswerNo) return KeepBrowsing(s);
  switch (s.PendingAction) {
    case code::NameTheTotal:
      // Ten rows of ten at the dearest asking price stay far below the money's range; the
      // clamp only keeps a hand-made list from wrapping.
      s.DealAmount = static_cast<std::int32_t>(std::clamp<std::int64_t>(
          ShoppingListTotal(s), 0, std::numeric_limits<std::int32_t>::max()));
      s.MarketListsShut = kTrue;
      step.talk = Dealer(TotalLine(s), code::WeighThePurse);
      return step;
    case code::WeighThePurse:
      if (s.Gold < s.DealAmount) {
        step.talk = Dealer(deal_line::kShortOfMoney, code::GiveUp);
      } else {
        step.talk = Dealer(deal_line::kStillBuying, code::AskToBuy);
      }
      return step;
    case code::AskToBuy:
      return Ask(deal_line::kBuy, deal_line::kDontBuy);
    case code::SayGoodbyeBought:
      step.talk = {Speaker::Hero, std::string(deal_line::kComeAgain), code::LeaveBought};
      return step;
    case code::LeaveBought:
      return WalkOut(s);
    case code::GiveUp:
      s.CommandBusy = kFalse;
      s.MarketListsShut = kFalse;
      step.talk = Dealer(deal_line::kGiveUp, code::Browsing);
      return step;
    default:
      return step;
  }
}

void StartGoingHome(GameState& s) {
  s.CommandBusy = kTrue;
  s.Answer = 0;
  s.PendingAction = code::AskIfLeaving;
}

MarketStep GoHomeTurn(GameState& s) {
  MarketStep step;
  if (s.Answer == kAnswerYes) {
    s.Answer = 0;
    s.TownPurchaseCount = 0;
    s.MarketDealDone = kTrue;
    step.talk = Dealer(deal_line::kCarriageCalled, code::SayGoodbyeEmptyHanded);
    return step;
  }
  if (s.Answer == kAnswerNo) return KeepBrowsing(s);
  switch (s.PendingAction) {
    case code::AskIfLeaving:
      step.talk = Dealer(deal_line::kLeavingEmptyHanded, code::AskToLeave);
      return step;
    case code::AskToLeave:
      return Ask(deal_line::kGoHome, deal_line::kStay);
    case code::SayGoodbyeEmptyHanded:
      step.talk = {Speaker::Hero, std::string(deal_line::kComeAgain), code::LeaveEmptyHanded};
      return step;
    case code::LeaveEmptyHanded:
      return WalkOut(s);
    default:
      return step;
  }
}

}  // namespace tolmark::town
