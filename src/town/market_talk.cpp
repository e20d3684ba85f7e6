// The dealer's greeting and the hero's purse.
#include "town/market_talk.h"

#include <array>

#include "model/language.h"
#include "model/numbers.h"
#include "town/town_codes.h"
#include "town/town_windows.h"

namespace tolmark::town {
namespace {

constexpr std::array<LineRow, 2> kGreetingRows = {{
    {code::Welcome, Speaker::Visitor, market_line::kWelcome, code::AskWhatToBuy},
    {code::AskWhatToBuy, Speaker::Visitor, market_line::kWhatToBuy, code::OpenLists},
}};
static_assert(SortedByCode(kGreetingRows));

}  // namespace

Lines MarketGreeting() { return kGreetingRows; }

std::string PurseLine(const GameState& s) {
  return Fill(market_line::kPurse, {{"gold", FormatThousands(s.Gold)}});
}

Outcome ShopArmsTalk(const GameState& s) {
  if (const LineRow* row = FindLine(MarketGreeting(), s.PendingAction)) return Says(*row);
  switch (s.PendingAction) {
    case code::OpenLists: {
      Outcome o = Says(Speaker::Hero, PurseLine(s), code::Browsing);
      o.then = ShowMarketLists;
      return o;
    }
    case code::Browsing:
      return Says(Speaker::Hero, PurseLine(s), code::Browsing);
    default:
      return {};
  }
}

}  // namespace tolmark::town
