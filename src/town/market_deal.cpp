// Buying the shopping list, or leaving the market without it.
#include "town/market_deal.h"

#include <algorithm>
#include <limits>

#include "model/inventory.h"
#include "model/numbers.h"
#include "scene/dialogue.h"
#include "town/arms_layout.h"

namespace tolmark::town {
namespace {

constexpr std::int32_t kBrowsing = 4;

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
  step.talk = Dealer(deal_line::kBuySomething, kBrowsing);
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
  s.PendingAction = 200;
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
    s.PendingAction = 203;
    step.talk = Dealer(deal_line::kThanks, 203);
    return step;
  }
  if (s.Answer == kAnswerNo) return KeepBrowsing(s);
  switch (s.PendingAction) {
    case 200:
      // Ten rows of ten at the dearest asking price stay far below the money's range; the
      // clamp only keeps a hand-made list from wrapping.
      s.DealAmount = static_cast<std::int32_t>(std::clamp<std::int64_t>(
          ShoppingListTotal(s), 0, std::numeric_limits<std::int32_t>::max()));
      s.MarketListsShut = kTrue;
      step.talk = Dealer(TotalLine(s), 201);
      return step;
    case 201:
      if (s.Gold < s.DealAmount) {
        step.talk = Dealer(deal_line::kShortOfMoney, 210);
      } else {
        step.talk = Dealer(deal_line::kStillBuying, 202);
      }
      return step;
    case 202:
      return Ask(deal_line::kBuy, deal_line::kDontBuy);
    case 203:
      step.talk = {Speaker::Hero, std::string(deal_line::kComeAgain), 204};
      return step;
    case 204:
      return WalkOut(s);
    case 210:
      s.CommandBusy = kFalse;
      s.MarketListsShut = kFalse;
      step.talk = Dealer(deal_line::kGiveUp, kBrowsing);
      return step;
    default:
      return step;
  }
}

void StartGoingHome(GameState& s) {
  s.CommandBusy = kTrue;
  s.Answer = 0;
  s.PendingAction = 500;
}

MarketStep GoHomeTurn(GameState& s) {
  MarketStep step;
  if (s.Answer == kAnswerYes) {
    s.Answer = 0;
    s.TownPurchaseCount = 0;
    s.MarketDealDone = kTrue;
    step.talk = Dealer(deal_line::kCarriageCalled, 502);
    return step;
  }
  if (s.Answer == kAnswerNo) return KeepBrowsing(s);
  switch (s.PendingAction) {
    case 500:
      step.talk = Dealer(deal_line::kLeavingEmptyHanded, 501);
      return step;
    case 501:
      return Ask(deal_line::kGoHome, deal_line::kStay);
    case 502:
      step.talk = {Speaker::Hero, std::string(deal_line::kComeAgain), 503};
      return step;
    case 503:
      return WalkOut(s);
    default:
      return step;
  }
}

}  // namespace tolmark::town
