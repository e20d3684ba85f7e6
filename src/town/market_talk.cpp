// The dealer's greeting and the hero's purse.
#include "town/market_talk.h"

#include <array>

#include "model/numbers.h"
#include "town/town_codes.h"

namespace tolmark::town {
namespace {

constexpr std::array<TalkRow, 2> kGreetingRows = {{
    {code::Welcome, Speaker::Counter, market_line::kWelcome, code::AskWhatToBuy},
    {code::AskWhatToBuy, Speaker::Counter, market_line::kWhatToBuy, code::OpenLists},
}};
static_assert(SortedByCode(kGreetingRows));

}  // namespace

TalkScript MarketGreeting() { return kGreetingRows; }

std::string PurseLine(const GameState& s) {
  return std::string(market_line::kPurse) + FormatThousands(s.Gold);
}

ShopArmsStep ShopArmsTalk(const GameState& s) {
  if (const TalkRow* row = FindTalkRow(MarketGreeting(), s.PendingAction)) {
    return {{row->speaker, std::string(row->text), row->next}, false};
  }
  switch (s.PendingAction) {
    case code::OpenLists:
      return {{Speaker::Hero, PurseLine(s), code::Browsing}, true};
    case code::Browsing:
      return {{Speaker::Hero, PurseLine(s), code::Browsing}, false};
    default:
      return {};
  }
}

}  // namespace tolmark::town
