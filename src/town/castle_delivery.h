// The king's counter at モノリス城 (CastleTurn, code::CounterFirst..CounterLast): the greeting, the delivery
// of the royal order from the bag with its payment, the farewell; and, once the game has been
// cleared, the short greeting before the ending's replay. Plain talk as tables; the delivery
// and the payment as rules. The step functions say the lines, pump, pause and walk the hero
// out.
// Nothing here draws from Random.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "scene/outcome.h"

namespace tolmark::town {

// The wagon's fare, paid back by the king with the weapons.
inline constexpr std::int32_t kWagonFareRefund = 100000;

// How long the king looks over each delivered row, in ms.
inline constexpr int kDeliveryRowPauseMs = 1500;

// CastleTurn's plain talk: the cleared game's greeting (KingGreets) while GameCleared is set,
// else the ordinary visit (the greeting, NothingBrought, KingAsksAgain, HeroTakesLeave).
Lines CastleScript(const GameState& s);

// CastleTurn HeroAnswers in a cleared game: PendingAction Epilogue. The step function then runs
// EndingTurn at once, which replays the epilogue (no delivery).
void ReplayEnding(GameState& s);

// The king names one delivered row: "{weapon}を{n}本戴くぞ" with the row's name and the pieces
// handed over, counted in suits ("具") for row 3.
std::string DeliveryRowLine(const OrderEntry& order, std::int32_t orderRow, std::int32_t pieces);

// Receives each delivered row's line, in order, inside the same click; the step function has
// the king say it (Say, counter flag), pumps and pauses kDeliveryRowPauseMs. PendingAction is
// code::Counting meanwhile, so clicks then do nothing. The row's goods and money have already
// moved when its line arrives.
using DeliveryLineSink = std::function<void(const std::string& line)>;

// How a delivery ended.
struct DeliveryOutcome {
  std::int32_t rowsDelivered = 0;
  // NothingBrought: nothing of the order was in the bag; KingPays: paid, something still wanted
  // or the road's boss not beaten; KingPaysInFull: paid with the boss beaten, the ending follows
  // in the same click.
  std::int32_t next = 0;
  // The king's closing line, but for the ending, where EndingTurn speaks next.
  std::string_view line;
};

// CastleTurn Deliver, the delivery, all in one click; no random draw. DealAmount starts at 0 and
// PendingAction at Counting. For order rows 0..3 still wanted, the first bag entry of the row's
// weapon hands over what it has, or just what is wanted: the row's Wanted and the bag lose the
// pieces (an emptied entry leaves the bag, the entries after it moving up), and DealAmount
// grows by CLng(Price × pieces × 1.2) at the catalogue price; then the row's line goes to
// sayRow. A row whose weapon is not in the bag is passed over. After the rows, when something
// was delivered: the wagon's fare is added with a hired wagon, Gold grows by DealAmount, and
// PendingAction becomes KingPaysInFull with BossBeatenThisTrip set, else KingPays. With nothing
// delivered, nothing changes but PendingAction NothingBrought. The step function then has the
// king say outcome.line, or for the ending runs EndingTurn at once (its first line names
// DealAmount).
DeliveryOutcome DeliverRoyalOrder(GameState& s, const DeliveryLineSink& sayRow);

// CastleTurn KingPays, the king pays for part of the order: kPaidWithWagon with a hired wagon,
// else kPaidForWeapons, naming DealAmount in plain digits; next KingAsksAgain. The money went to
// Gold at the delivery already.
Outcome PaymentTalk(const GameState& s);

namespace castle_line {
inline constexpr std::string_view kWellDone = "ご苦労じゃったな";            // cleared, the king
inline constexpr std::string_view kAreYouTheDealer = "あんた武器屋か？";      // the king
inline constexpr std::string_view kBringingWeapons = "あぁ、武器を届けに来た";  // the hero
inline constexpr std::string_view kLetMeSee = "すまないな。見せてもらうよ";     // the king
inline constexpr std::string_view kNothingBrought = "うん？頼んでいた物を持ってきていないようだな";
inline constexpr std::string_view kStillShort = "まだ、足りない物があるようじゃな";
inline constexpr std::string_view kNextTime = "次は頼むよ";                   // the king
inline constexpr std::string_view kPaidWithWagon =
    "とりあえず、馬車代と合わせて{amount}カリム払っておくよ";
inline constexpr std::string_view kPaidForWeapons = "とりあえず、今回の武器代は{amount}カリムだ";
inline constexpr std::string_view kAgainPlease = "次も頼むよ";                // the king
inline constexpr std::string_view kComeAgain = "また来るよ";                  // the hero
}  // namespace castle_line

}  // namespace tolmark::town
