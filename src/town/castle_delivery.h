// The king's counter at モノリス城 (CastleTurn, PendingAction 1..199): the greeting, the delivery
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
#include "town/town_talk.h"

namespace tolmark::town {

// The wagon's fare, paid back by the king with the weapons.
inline constexpr std::int32_t kWagonFareRefund = 100000;

// How long the king looks over each delivered row, in ms.
inline constexpr int kDeliveryRowPauseMs = 1500;

// Castle codes that act rather than talk.
inline constexpr std::int32_t kDeliverCode = 4;      // the delivery (DeliverRoyalOrder)
inline constexpr std::int32_t kCountingCode = 5;     // the delivery under way: clicks do nothing
inline constexpr std::int32_t kNothingBroughtCode = 20;
inline constexpr std::int32_t kPaymentCode = 30;     // PaymentTalk
inline constexpr std::int32_t kWalkOutCode = 91;     // StartWalkingOut
inline constexpr std::int32_t kReplayCode = 2;       // cleared game: ReplayEnding
inline constexpr std::int32_t kEndingCode = 700;     // the ending's first line, same click
inline constexpr std::int32_t kEpilogueCode = 725;   // the epilogue, same click

// CastleTurn's plain talk: the cleared game's greeting (1) while GameCleared is set, else the
// ordinary visit (1, 2, 3, 20, 31, 90).
TalkScript CastleScript(const GameState& s);

// CastleTurn 2 in a cleared game: PendingAction 725. The step function then runs EndingTurn at
// once, which replays the epilogue (no delivery).
void ReplayEnding(GameState& s);

// The king names one delivered row: the row's name + "を" + pieces + "本" ("具" for row 3) +
// "戴くぞ".
std::string DeliveryRowLine(const OrderEntry& order, std::int32_t orderRow, std::int32_t pieces);

// Receives each delivered row's line, in order, inside the same click; the step function has
// the king say it (Say, counter flag), pumps and pauses kDeliveryRowPauseMs. PendingAction is
// kCountingCode meanwhile, so clicks then do nothing. The row's goods and money have already
// moved when its line arrives.
using DeliveryLineSink = std::function<void(const std::string& line)>;

// How a delivery ended.
struct DeliveryOutcome {
  std::int32_t rowsDelivered = 0;
  // 20: nothing of the order was in the bag; 30: paid, something still wanted or the road's
  // boss not beaten; 700: paid with the boss beaten, the ending follows in the same click.
  std::int32_t next = 0;
  // The king's closing line for 20 and 30; empty for 700, where EndingTurn speaks next.
  std::string_view line;
};

// CastleTurn 4, the delivery, all in one click; no random draw. DealAmount starts at 0 and
// PendingAction at 5. For order rows 0..3 still wanted, the first bag entry of the row's
// weapon hands over what it has, or just what is wanted: the row's Wanted and the bag lose the
// pieces (an emptied entry leaves the bag, the entries after it moving up), and DealAmount
// grows by CLng(Price × pieces × 1.2) at the catalogue price; then the row's line goes to
// sayRow. A row whose weapon is not in the bag is passed over. After the rows, when something
// was delivered: the wagon's fare is added with a hired wagon, Gold grows by DealAmount, and
// PendingAction becomes 700 with BossBeatenThisTrip set, else 30. With nothing delivered,
// nothing changes but PendingAction 20. The step function then has the king say outcome.line,
// or for 700 runs EndingTurn at once (its first line names DealAmount).
DeliveryOutcome DeliverRoyalOrder(GameState& s, const DeliveryLineSink& sayRow);

// CastleTurn 30, the king pays for part of the order: with a hired wagon "とりあえず、馬車代と
// 合わせて" + DealAmount + "カリム払っておくよ", else "とりあえず、今回の武器代は" + DealAmount +
// "カリムだ" (plain digits); next 31. The money went to Gold at the delivery already.
TalkStep PaymentTalk(const GameState& s);

namespace castle_line {
inline constexpr std::string_view kWellDone = "ご苦労じゃったな";            // cleared, 1, the king
inline constexpr std::string_view kAreYouTheDealer = "あんた武器屋か？";      // 1, the king
inline constexpr std::string_view kBringingWeapons = "あぁ、武器を届けに来た";  // 2, the hero
inline constexpr std::string_view kLetMeSee = "すまないな。見せてもらうよ";   // 3, the king
inline constexpr std::string_view kPieces = "本";                             // counter, rows 0..2
inline constexpr std::string_view kSuits = "具";                              // counter, row 3
inline constexpr std::string_view kRowJoin = "を";
inline constexpr std::string_view kRowTaken = "戴くぞ";
inline constexpr std::string_view kNothingBrought = "うん？頼んでいた物を持ってきていないようだな";
inline constexpr std::string_view kStillShort = "まだ、足りない物があるようじゃな";
inline constexpr std::string_view kNextTime = "次は頼むよ";                   // 20, the king
inline constexpr std::string_view kPaidWithWagon = "とりあえず、馬車代と合わせて";  // 30
inline constexpr std::string_view kPaidWithWagonAfter = "カリム払っておくよ";
inline constexpr std::string_view kPaidForWeapons = "とりあえず、今回の武器代は";  // 30
inline constexpr std::string_view kPaidForWeaponsAfter = "カリムだ";
inline constexpr std::string_view kAgainPlease = "次も頼むよ";                // 31, the king
inline constexpr std::string_view kComeAgain = "また来るよ";                  // 90, the hero
}  // namespace castle_line

}  // namespace tolmark::town
