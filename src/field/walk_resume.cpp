// The walk resuming, and the tick while somebody stands beside the hero.
#include "field/walk_resume.h"

#include "field/boss_select.h"
#include "field/field_codes.h"
#include "field/field_layout.h"
#include "model/numbers.h"

namespace tolmark::field {

bool ResumeWalk(GameState& s) {
  s.FieldStop = kFalse;
  if (s.BossBattle == kTrue) {
    s.PendingAction = BossBeatenCode(s);
    return true;
  }
  s.EventActive = kFalse;
  s.CommandBusy = kFalse;
  s.PendingAction = code::Walking;
  return false;
}

bool TickIdles(const GameState& s) {
  const std::int32_t step = s.PendingAction;
  return (s.Homebound != kFalse && step == code::HomeboundAboard) ||
         InRange(step, code::HomeFirst, code::HomeLast) || code::EndQuestionOpen(step);
}

int StandingAnimationKind(const GameState& s) {
  if (s.FieldStop == kTrue) return 99;
  if (s.VisitorPicture == picture::kCarriage && s.CarriageLeaving == kFalse) return 3;
  return 0;
}

}  // namespace tolmark::field
