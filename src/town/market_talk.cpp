// The dealer's greeting and the hero's purse.
#include "town/market_talk.h"

#include <array>

#include "model/numbers.h"

namespace tolmark::town {
namespace {

constexpr std::array<TalkRow, 2> kGreetingRows = {{
    {1, Speaker::Counter, market_line::kWelcome, 2},
    {2, Speaker::Counter, market_line::kWhatToBuy, kOpenListsCode},
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
    case kOpenListsCode:
      return {{Speaker::Hero, PurseLine(s), kBrowsingCode}, true};
    case kBrowsingCode:
      return {{Speaker::Hero, PurseLine(s), kBrowsingCode}, false};
    default:
      return {};
  }
}

}  // namespace tolmark::town
