// The dealer's greeting at the counter of アーウット (ShopArms, code::Welcome to code::Browsing):
// two plain lines, then the hero reads his purse aloud while he browses the two lists.
// Nothing here draws from Random.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "scene/outcome.h"

namespace tolmark::town {

// ShopArms's plain talk: Welcome and AskWhatToBuy, the dealer.
Lines MarketGreeting();

// The hero's purse line: kPurse with Gold formatted "#,##0".
std::string PurseLine(const GameState& s);

// ShopArms by PendingAction, changing nothing itself: the greeting rows; OpenLists the purse
// line, next Browsing, then the lists open (ShowMarketLists); Browsing the purse line again on
// every click, staying there; any other code nothing. No random draw.
Outcome ShopArmsTalk(const GameState& s);

namespace market_line {
inline constexpr std::string_view kWelcome = "いらっしゃい。ここは武器屋だよ";  // the dealer
inline constexpr std::string_view kWhatToBuy = "何を買うんだい？";               // the dealer
inline constexpr std::string_view kPurse = "所持金額：{gold}";                   // the hero
}  // namespace market_line

}  // namespace tolmark::town
