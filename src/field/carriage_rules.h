// The carriage home to モノリス: what each ride costs, how a fare is paid when the purse is light,
// and which of its offers the carriage makes when it pulls up. Its lines are here too; the
// carriage's drawing, boarding and departure belong to the step functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/game_state.h"

namespace tolmark::field {

// The steps walked on this stage, (HeroX - FieldStartX) / FieldStepX as a real number. A road
// without step width (a screen too narrow for it) counts 0 steps rather than dividing by 0.
double StepsWalked(const GameState& s);

// The carriage fare of the destination, s being StepsWalked: トーテム山 CLng(s + 500),
// アーウット CLng(s × 3 + 1000), モノリス城 CLng(s × 10 + 5000), デモンズ山脈 CLng(s × 15 + 10000).
// None for any other destination: DealAmount then keeps what it held.
std::optional<std::int32_t> CarriageFare(const GameState& s);

// DealAmount = the destination's fare (unchanged for an unknown destination). Called where the
// carriage pulls up (CarriageSelect) and by the homebound entry.
void SetCarriageFare(GameState& s);

// What a payment did, for the line that comments on it.
struct FarePayment {
  bool purseTooLight = false;        // the money did not cover the fare
  std::int32_t paid = 0;             // what left the purse (all of it when too light)
  std::int32_t reputationLost = 0;   // 3 × Level when too light, no more than there was
};

// Paying DealAmount. With Gold below it, all the money goes and Reputation falls by 3 × Level
// (not below 0); money exactly equal to the fare pays it in full. Used by the homebound entry,
// the step-299 return (CarriageSelect), the carriage ride accepted (CarriageTurn 102 on yes)
// and the checkpoint return (CheckTurn 423).
FarePayment PayFare(GameState& s);

// The ride home after a boss scene (BossTurn 505, 518, 590): DealAmount = CLng(s + 500) at
// every destination. Only Gold above the fare pays it; money exactly equal to it is taken
// whole and still costs the 3 × Level reputation, as a light purse does.
void SetBossRideFare(GameState& s);
FarePayment PayBossRideFare(GameState& s);

// Why the carriage pulls up (CarriageSelect), read before it changes anything.
enum class CarriageCall {
  Defeat,              // PendingAction 51 or a boss battle lost: fetch the fainted hero (-> 52)
  SentFromCheckpoint,  // PendingAction 422: the guard turned the hero back (-> 423)
  AfterBossScene,      // PendingAction 590: the boss scene sends the hero home (-> 591, silent)
  NothingBeyond,       // step 299, nothing waits further on: fare taken at once (-> 104)
  Warning,             // step 299, danger ahead: an offer with a warning (-> 100)
  PlainOffer,          // the ordinary offer (-> 100)
};
CarriageCall ClassifyCarriage(const GameState& s);

// The code CarriageSelect leaves in PendingAction for each call.
std::int32_t CarriageNextCode(CarriageCall call);

// The driver's first line for each call; empty for AfterBossScene, where nothing is said.
std::string_view CarriageOpeningLine(CarriageCall call);

// CarriageSelect, wherever the carriage is sent for (the tick's fixed steps, the encounter roll,
// the defeat after GameOver 50, the checkpoint at 422, a boss scene's ride home), after the
// carriage is placed (PlaceCarriage); no random draw. It sets EventActive, the fare in
// DealAmount, and by the call: a defeat loses the bag, half the reputation and a tenth of the
// money (ApplyDefeatLosses); the step-299 return pays the fare at once; CarriagePlainOffer is set
// for the plain offer at step 299 and cleared for the other step-299 offers. PendingAction
// becomes CarriageNextCode. The step function draws the landmark, the hero, the carriage and the
// marker first, and afterwards refreshes the open windows (after a defeat) and has the driver
// say CarriageOpeningLine (nothing for AfterBossScene).
CarriageCall CarriageArrives(GameState& s);

// Whether a refusal turns down the step-299 warning rather than a plain offer: its answer is then
// kRefusedWarning instead of kRefusedOffer (CarriageTurn 102 on no).
bool RefusedTheWarning(const GameState& s);

// The codes at which CarriageTurn goes straight to the ride home: 52 (the fainted hero), 423 (sent
// back from the checkpoint), 590 (after a boss scene) and 104 (nothing beyond step 299).
bool RideHomeAt(std::int32_t code);

// CarriageTurn 100: the driver names the fare, "モノリスまで" DealAmount "カリムだよ". Next 101.
std::string FareLine(const GameState& s);

// The driver's answer to the prompt (CarriageTurn 102) and where it leads.
struct RideAnswer {
  std::string_view line;
  std::int32_t next = 0;  // 0: the ride itself follows (the step function pumps, waits 2000 ms)
};

// 102 with Answer 89 (乗る): Answer cleared and the fare paid by the fare rule; a light purse is
// remarked upon. The ride follows.
RideAnswer AcceptRide(GameState& s);

// 102 with Answer 78 (乗らない): Answer cleared; the warning's refusal is answered more sharply.
// Next 40: the walk resumes on the next click.
RideAnswer RefuseRide(GameState& s);

// Lines of the carriage conversation (CarriageTurn).
namespace carriage_line {
inline constexpr std::string_view kDefeat = "これは大変だ！！早く連れて帰らないと！！";
inline constexpr std::string_view kHurryAboard = "お客さん、さっさと乗ってくれ！";
inline constexpr std::string_view kNothingBeyond = "そっちに行っても何もないぜ";
inline constexpr std::string_view kWarning = "そこの人！それ以上進むと危険だよ！";
inline constexpr std::string_view kPlainOffer = "モノリス行きだよ。乗ってくかい？";
inline constexpr std::string_view kFarePrefix = "モノリスまで";   // 100: then DealAmount
inline constexpr std::string_view kFareSuffix = "カリムだよ";
inline constexpr std::string_view kBoard = "乗る";               // 101: the prompt
inline constexpr std::string_view kStay = "乗らない";
inline constexpr std::string_view kPennilessAboard = "なんだよ、文無しかい。持ってる分だけでいいよ";
inline constexpr std::string_view kAboard = "じゃあ、乗ってくんな";
inline constexpr std::string_view kRefusedWarning = "やられても知らないからな！";
inline constexpr std::string_view kRefusedOffer = "そうかい？道中気をつけてな";
inline constexpr std::string_view kBossRideOffer = "モノリス行きだぜ。乗って行きな";  // BossTurn E
}  // namespace carriage_line

}  // namespace tolmark::field
