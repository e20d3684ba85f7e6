// The guard's verdict and his talk.
#include "field/checkpoint_rules.h"

#include "field/field_layout.h"

namespace tolmark::field {

void GuardStepsUp(GameState& s) {
  s.EventActive = kTrue;
  s.PendingAction = 400;
  s.FieldStop = kTrue;
  s.VisitorPicture = picture::kGuard;
  s.VisitorFrames = 3;
}

bool PassesCheckpoint(const GameState& s) { return s.Reputation >= kCheckpointReputation; }

GuardTalk CheckTurnTalk(const GameState& s) {
  switch (s.PendingAction) {
    case 400:
      if (PassesCheckpoint(s)) return {guard_line::kKnown, 401};
      return {guard_line::kStranger, 420};
    case 401:
      return {guard_line::kPass, 40};
    case 420:
      return {guard_line::kComeBackLater, 421};
    case 421:
      // A merchant in his own wagon is not put in a carriage: he turns the wagon about.
      if (s.WagonHired != kFalse) return {{}, 710};
      return {guard_line::kGoHome, 422};
    default:
      return {{}, 0};
  }
}

FarePayment LeaveCheckpoint(GameState& s) {
  const FarePayment paid = PayFare(s);
  s.FieldStop = kFalse;
  return paid;
}

}  // namespace tolmark::field
