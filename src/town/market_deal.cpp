// Buying the shopping list, or leaving the market without it.
#include "town/market_deal.h"

#include <algorithm>
#include <limits>

#include "model/inventory.h"
#include "model/language.h"
#include "model/numbers.h"
#include "scene/dialogue.h"
#include "town/arms_layout.h"
#include "town/arms_operations.h"
#include "town/town_codes.h"

namespace tolmark::town {
namespace {

Outcome Dealer(std::string_view line, std::int32_t next) {
  return Says(Speaker::Visitor, std::string(line), next);
}

Outcome LeaveTheCounter(GameState& s) {
  StartWalkingOut(s);
  Outcome o;
  o.then = WalkOut;
  return o;
}

// "No" to either question: the dealer asks for a purchase and the hero browses again.
Outcome KeepBrowsing(GameState& s) {
  s.Answer = 0;
  s.CommandBusy = kFalse;
  s.MarketListsShut = kFalse;
  return Dealer(deal_line::kBuySomething, code::Browsing);
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
  return Fill(deal_line::kTotal, {{"total", FormatThousands(s.DealAmount)}});
}

Outcome BuyArmsTurn(GameState& s) {
  if (s.Answer == kAnswerYes) {
    s.Answer = 0;
    SubtractFrom(s.Gold, s.DealAmount);
    s.MarketDealDone = kTrue;
    s.PendingAction = code::SayGoodbyeBought;
    return Dealer(deal_line::kThanks, code::SayGoodbyeBought);
  }
  if (s.Answer == kAnswerNo) return KeepBrowsing(s);
  switch (s.PendingAction) {
    case code::NameTheTotal:
      // Ten rows of ten at the dearest asking price stay far below the money's range; the
      // clamp only keeps a hand-made list from wrapping.
      s.DealAmount = static_cast<std::int32_t>(std::clamp<std::int64_t>(
          ShoppingListTotal(s), 0, std::numeric_limits<std::int32_t>::max()));
      s.MarketListsShut = kTrue;
      return Dealer(TotalLine(s), code::WeighThePurse);
    case code::WeighThePurse:
      if (s.Gold < s.DealAmount) return Dealer(deal_line::kShortOfMoney, code::GiveUp);
      return Dealer(deal_line::kStillBuying, code::AskToBuy);
    case code::AskToBuy:
      return Asks(deal_line::kBuy, deal_line::kDontBuy);
    case code::SayGoodbyeBought:
      return Says(Speaker::Hero, std::string(deal_line::kComeAgain), code::LeaveBought);
    case code::LeaveBought:
      return LeaveTheCounter(s);
    case code::GiveUp:
      s.CommandBusy = kFalse;
      s.MarketListsShut = kFalse;
      return Dealer(deal_line::kGiveUp, code::Browsing);
    default:
      return {};
  }
}

void StartGoingHome(GameState& s) {
  s.CommandBusy = kTrue;
  s.Answer = 0;
  s.PendingAction = code::AskIfLeaving;
}

Outcome GoHomeTurn(GameState& s) {
  if (s.Answer == kAnswerYes) {
    s.Answer = 0;
    s.TownPurchaseCount = 0;
    s.MarketDealDone = kTrue;
    return Dealer(deal_line::kCarriageCalled, code::SayGoodbyeEmptyHanded);
  }
  if (s.Answer == kAnswerNo) return KeepBrowsing(s);
  switch (s.PendingAction) {
    case code::AskIfLeaving:
      return Dealer(deal_line::kLeavingEmptyHanded, code::AskToLeave);
    case code::AskToLeave:
      return Asks(deal_line::kGoHome, deal_line::kStay);
    case code::SayGoodbyeEmptyHanded:
      return Says(Speaker::Hero, std::string(deal_line::kComeAgain), code::LeaveEmptyHanded);
    case code::LeaveEmptyHanded:
      return LeaveTheCounter(s);
    default:
      return {};
  }
}

}  // namespace tolmark::town
