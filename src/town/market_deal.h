// Paying for the shopping list (BuyArms, code::BuyFirst..BuyLast) and leaving the market
// without buying (GoHome, code::GoHomeFirst..GoHomeLast): the dealer's lines, the money and what becomes of the
// list. The step functions say the lines, ask the questions and start the walk out.
// Nothing here draws from Random.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "scene/outcome.h"

namespace tolmark::town {

// The shopping list's price: the sum of Price × Count over its used rows.
std::int64_t ShoppingListTotal(const GameState& s);

// The menu item 買う (abuy): CommandBusy -1, Answer 0, PendingAction NameTheTotal. The step
// function then runs BuyArms at once.
void StartBuying(GameState& s);

// BuyArms, the answer first, then the code (no random draw):
// - Answer 89 (yes, PendingAction already SayGoodbyeBought): Answer 0, Gold less DealAmount
//   (the shopping list stays and travels home with the hero), the deal done; the dealer's
//   kThanks; next SayGoodbyeBought.
// - Answer 78: Answer 0, CommandBusy 0; the dealer's kBuySomething; lists open; next Browsing.
// - NameTheTotal: DealAmount the list's total; the dealer's TotalLine; lists shut; next
//   WeighThePurse.
// - WeighThePurse: money short of DealAmount: kShortOfMoney, next GiveUp; otherwise
//   kStillBuying, next AskToBuy (money exactly equal buys).
// - AskToBuy: the prompt 買う/買わない; the answer raises the code by one.
// - SayGoodbyeBought: the hero's kComeAgain; next LeaveBought.
// - LeaveBought: StartWalkingOut, then WalkOut (the walking pace).
// - GiveUp: the dealer's kGiveUp; CommandBusy 0; lists open; next Browsing.
// Any other code: nothing.
Outcome BuyArmsTurn(GameState& s);

// The dealer's total: kTotal with DealAmount formatted "#,##0".
std::string TotalLine(const GameState& s);

// The menu item 帰る (ahome): CommandBusy -1, Answer 0, PendingAction AskIfLeaving. The step
// function then runs GoHome at once.
void StartGoingHome(GameState& s);

// GoHome, the answer first, then the code (no random draw):
// - Answer 89: Answer 0; the shopping list is dropped (TownPurchaseCount 0), no money changes
//   hands, the deal done; the dealer's kCarriageCalled; next SayGoodbyeEmptyHanded.
// - Answer 78: Answer 0, CommandBusy 0; the dealer's kBuySomething; next Browsing.
// - AskIfLeaving: the dealer's kLeavingEmptyHanded; next AskToLeave.
// - AskToLeave: the prompt 帰る/帰らない, as BuyArms's AskToBuy (the answer raises the code by
//   one).
// - SayGoodbyeEmptyHanded: the hero's kComeAgain; next LeaveEmptyHanded.
// - LeaveEmptyHanded: StartWalkingOut, then WalkOut.
// Any other code: nothing.
Outcome GoHomeTurn(GameState& s);

namespace deal_line {
inline constexpr std::string_view kTotal = "全部で{total}カリムになるぜ";  // the dealer
inline constexpr std::string_view kShortOfMoney = "って、金が足りないようだな…";
inline constexpr std::string_view kStillBuying = "それでも買うかい？";
inline constexpr std::string_view kBuy = "買う";                                // the prompt
inline constexpr std::string_view kDontBuy = "買わない";
inline constexpr std::string_view kThanks = "毎度あり～";                        // yes, the dealer
inline constexpr std::string_view kBuySomething = "なんか買ってくれよ";          // no, the dealer
inline constexpr std::string_view kGiveUp = "なんか諦めたらどうだ？";            // the dealer
inline constexpr std::string_view kComeAgain = "また来るよ";                      // the hero
inline constexpr std::string_view kLeavingEmptyHanded = "何も買わずに帰るのかい？";  // the dealer
inline constexpr std::string_view kGoHome = "帰る";                             // the prompt
inline constexpr std::string_view kStay = "帰らない";
inline constexpr std::string_view kCarriageCalled = "そうかい？外に馬車を呼んでおいたよ";  // yes
}  // namespace deal_line

}  // namespace tolmark::town
