// The guard's verdict and his talk.
#include "field/checkpoint_rules.h"

#include "field/field_codes.h"
#include "field/field_layout.h"

namespace tolmark::field {
namespace {

Outcome GuardSays(std::string_view line, std::int32_t next) {
  return Says(Speaker::Visitor, std::string(line), next);
}

}  // namespace

void GuardStepsUp(GameState& s) {
  s.EventActive = kTrue;
  s.PendingAction = code::GuardHalts;
  s.FieldStop = kTrue;
  s.VisitorPicture = picture::kGuard;
  s.VisitorFrames = 3;
}

bool PassesCheckpoint(const GameState& s) { return s.Reputation >= kCheckpointReputation; }

Outcome CheckTurnTalk(const GameState& s) {
  switch (s.PendingAction) {
    case code::GuardHalts:
      if (PassesCheckpoint(s)) return GuardSays(guard_line::kKnown, code::GuardLetsPass);
      return GuardSays(guard_line::kStranger, code::GuardRefuses);
    case code::GuardLetsPass: return GuardSays(guard_line::kPass, code::ResumeWalking);
    case code::GuardRefuses: return GuardSays(guard_line::kComeBackLater, code::TurnedBack);
    case code::TurnedBack:
      // A merchant in his own wagon is not put in a carriage: he turns the wagon about.
      if (s.WagonHired != kFalse) {
        Outcome turnsAbout;
        turnsAbout.next = code::DriveHome;
        return turnsAbout;
      }
      return GuardSays(guard_line::kGoHome, code::SentToCarriage);
    default: return {};
  }
}

FarePayment LeaveCheckpoint(GameState& s) {
  const FarePayment paid = PayFare(s);
  s.FieldStop = kFalse;
  return paid;
}

}  // namespace tolmark::field
