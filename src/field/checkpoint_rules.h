// The checkpoint on the road to モノリス城 (step 200): only a merchant of good name may pass; the
// rest are sent home, by carriage on foot or in their own wagon. The guard's words and the
// pure side of each step (CheckPoint, CheckTurn from GuardHalts to RideHomeTurnedBack); the drawing
// and the calls to the carriage and the wagon belong to the step functions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "field/carriage_rules.h"
#include "model/game_state.h"
#include "scene/outcome.h"

namespace tolmark::field {

// The reputation that opens the checkpoint.
inline constexpr std::int32_t kCheckpointReputation = 400;

// CheckPoint (the tick at step 200 on the road to モノリス城): the guard steps up. EventActive and
// FieldStop set, PendingAction GuardHalts, the visitor the guard (85, three frames). The step
// function places him (PlaceVisitor), draws the landmark, the hero and the guard, and has him say
// guard_line::kHalt.
void GuardStepsUp(GameState& s);

// Whether the guard lets the merchant through: Reputation 400 or more.
bool PassesCheckpoint(const GameState& s);


// CheckTurn at the codes where the guard only talks or decides: GuardHalts (the verdict:
// GuardLetsPass or GuardRefuses), GuardLetsPass (ResumeWalking follows), GuardRefuses (then
// TurnedBack), and TurnedBack: on foot the guard calls a carriage (SentToCarriage); with a hired
// wagon he says nothing and HomeTurn drives the wagon home (DriveHome). Codes the guard does not
// handle give nothing: SentToCarriage is CarriageSelect (which answers with kHurryAboard
// and RideHomeTurnedBack), and RideHomeTurnedBack is LeaveCheckpoint.
Outcome CheckTurnTalk(const GameState& s);

// CheckTurn at RideHomeTurnedBack: the fare is paid by the fare rule and the guard steps aside
// (FieldStop cleared). The step function then refreshes the open windows and lets CarriageTurn
// carry the hero home (PendingAction RideUnderWay).
FarePayment LeaveCheckpoint(GameState& s);

namespace guard_line {
inline constexpr std::string_view kHalt = "ここは関所だ！";
inline constexpr std::string_view kKnown = "あんたは、ブームさんじゃないか！";
inline constexpr std::string_view kStranger = "お前は何物だ？怪しい奴は通さないぞ！";
inline constexpr std::string_view kPass = "有名な武器商人ならいいだろう。通っていいぞ";
inline constexpr std::string_view kComeBackLater = "ここを通りたかったら、評判でもあげてから来るんだな";
inline constexpr std::string_view kGoHome = "馬車を呼んでやるから、とっとと帰った帰った！";
}  // namespace guard_line

}  // namespace tolmark::field
