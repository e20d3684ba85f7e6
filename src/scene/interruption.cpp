// Putting a visit's step code aside for an interrupting question, and giving it back.
#include "scene/interruption.h"

#include "scene/step_codes.h"

namespace tolmark {

void BeginInterruption(GameState& s, std::int32_t questionCode) {
  s.AwaitingAnswer = kFalse;
  s.CommandBusy = kTrue;
  s.SavedAction = code::Idle;
  s.Answer = 0;
  if (s.EventActive == kTrue) s.SavedAction = s.PendingAction;
  s.PendingAction = questionCode;
}

std::int32_t AbandonInterruption(Scenes& c) {
  GameState& s = c.s;
  s.Answer = 0;
  s.PendingAction = code::Idle;
  s.InterruptPrompt = kFalse;
  // A command the question interrupted (buying, leaving the market) still runs and keeps its
  // lock; otherwise the lists and the menu would open in the middle of it.
  s.CommandBusy = AsFlag(Covers(CurrentRow(c).commands, s.SavedAction));
  c.desk.CloseWindow(Window::frmMessage);
  return s.SavedAction;
}

}  // namespace tolmark
