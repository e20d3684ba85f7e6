// The wagon's question and the departure's mark on the game state.
#include "field/going_home.h"

#include "field/field_codes.h"
#include "field/roadside_finds.h"

namespace tolmark::field {

void AskToGoHome(GameState& s) {
  s.InterruptPrompt = kTrue;
  s.PendingAction = code::AskToGoHome;
}

void AgreeToGoHome(GameState& s) {
  s.InterruptAnswer = 0;
  s.PendingAction = code::DriveHome;
}

bool StayOnTheRoad(GameState& s) {
  s.InterruptAnswer = 0;
  s.PendingAction = code::Walking;
  s.InterruptPrompt = kFalse;
  s.CommandBusy = kFalse;
  if (s.EventActive != kTrue) return false;
  s.PendingAction = s.SavedAction;
  return true;
}

void MarkDepartedHome(GameState& s) {
  // A full stomach or an empty purse of a find is only a mark on the road; the shop gets the
  // real values.
  SettleFindMarks(s);
  s.SceneEntry = 4;
  s.EventCode = talk::Over;
  s.FieldEventItem = 99999;
  s.FixedWaitMessage = kFalse;
  s.ReturnedHome = kTrue;
  s.ItemListOpen = kFalse;
  s.StatusOpen = kFalse;
}

}  // namespace tolmark::field
