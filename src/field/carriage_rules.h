// The carriage home to モノリス: what each ride costs, how a fare is paid when the purse is light,
// and which of its offers the carriage makes when it pulls up. Its lines are here too; the
// carriage's drawing, boarding and departure belong to the step functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "scene/outcome.h"

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

// Paying DealAmount. With Gold below it, all the money goes and Reputation falls by 3 × Level (not
// below 0); money exactly equal to the fare pays it in full. Used by the homebound entry, the
// step-299 return (CarriageSelect), the carriage ride accepted (CarriageTurn BoardAnswered on yes)
// and the checkpoint return (CheckTurn at RideHomeTurnedBack).
FarePayment PayFare(GameState& s);

// The ride home after a boss scene (BossTurn at OfferBossRide and the 棟梁's rides home):
// DealAmount = CLng(s + 500) at every destination. Only Gold above the fare pays it; money exactly
// equal to it is taken whole and still costs the 3 × Level reputation, as a light purse does.
void SetBossRideFare(GameState& s);
FarePayment PayBossRideFare(GameState& s);

// Why the carriage pulls up (CarriageSelect), read before it changes anything.
enum class CarriageCall {
  Defeat,              // the defeat counted or a boss battle lost: fetch the fainted hero
  SentFromCheckpoint,  // the guard turned the hero back
  AfterBossScene,      // the boss scene sends the hero home (silent)
  NothingBeyond,       // step 299, nothing waits further on: fare taken at once
  Warning,             // step 299, danger ahead: an offer with a warning
  PlainOffer,          // the ordinary offer
};
CarriageCall ClassifyCarriage(const GameState& s);

// The code CarriageSelect leaves in PendingAction for each call.
std::int32_t CarriageNextCode(CarriageCall call);

// The driver's first line for each call; empty for AfterBossScene, where nothing is said.
std::string_view CarriageOpeningLine(CarriageCall call);

// CarriageSelect, wherever the carriage is sent for (the tick's fixed steps, the encounter roll,
// the defeat after GameOver CountDefeat, the checkpoint at SentToCarriage, a boss scene's ride
// home), after the carriage is placed (PlaceCarriage); no random draw. It sets EventActive, the
// fare in DealAmount, and by the call: a defeat loses the bag, half the reputation and a tenth of
// the money (ApplyDefeatLosses); the step-299 return pays the fare at once; CarriagePlainOffer is
// set for the plain offer at step 299 and cleared for the other step-299 offers. PendingAction
// becomes CarriageNextCode. The step function draws the landmark, the hero, the carriage and the
// marker first, and afterwards refreshes the open windows (after a defeat) and has the driver say
// CarriageOpeningLine (nothing for AfterBossScene).
CarriageCall CarriageArrives(GameState& s);

// Whether a refusal turns down the step-299 warning rather than a plain offer: its answer is then
// kRefusedWarning instead of kRefusedOffer (CarriageTurn BoardAnswered on no).
bool RefusedTheWarning(const GameState& s);

// The codes at which CarriageTurn goes straight to the ride home: the fainted hero, the hero sent
// back from the checkpoint, the end of a boss scene, and nothing beyond step 299.
bool RideHomeAt(std::int32_t step);

// CarriageTurn TellFare: the driver names the fare, kFare with DealAmount. Next
// AskToBoard.
std::string FareLine(const GameState& s);

// The driver's answer to the prompt (CarriageTurn BoardAnswered) and where it leads.
// BoardAnswered with Answer 89 (乗る): Answer cleared and the fare paid by the fare rule; a light
// purse is remarked upon. No code follows: the step function lets the line stand two seconds,
// then the ride begins.
Outcome AcceptRide(GameState& s);

// BoardAnswered with Answer 78 (乗らない): Answer cleared; the warning's refusal is answered more
// sharply. Next ResumeWalking: the walk resumes on the next click.
Outcome RefuseRide(GameState& s);

// Lines of the carriage conversation (CarriageTurn).
namespace carriage_line {
inline constexpr std::string_view kDefeat = "これは大変だ！！早く連れて帰らないと！！";
inline constexpr std::string_view kHurryAboard = "お客さん、さっさと乗ってくれ！";
inline constexpr std::string_view kNothingBeyond = "そっちに行っても何もないぜ";
inline constexpr std::string_view kWarning = "そこの人！それ以上進むと危険だよ！";
inline constexpr std::string_view kPlainOffer = "モノリス行きだよ。乗ってくかい？";
inline constexpr std::string_view kFare = "モノリスまで{fare}カリムだよ";  // TellFare, DealAmount
inline constexpr std::string_view kBoard = "乗る";  // AskToBoard: the prompt
inline constexpr std::string_view kStay = "乗らない";
inline constexpr std::string_view kPennilessAboard = "なんだよ、文無しかい。持ってる分だけでいいよ";
inline constexpr std::string_view kAboard = "じゃあ、乗ってくんな";
inline constexpr std::string_view kRefusedWarning = "やられても知らないからな！";
inline constexpr std::string_view kRefusedOffer = "そうかい？道中気をつけてな";
inline constexpr std::string_view kBossRideOffer = "モノリス行きだぜ。乗って行きな";  // BossTurn E
}  // namespace carriage_line

}  // namespace tolmark::field
