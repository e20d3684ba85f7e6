// Routing of advances and right clicks to the scene on screen, by its rows of step codes.
#include "scene/dispatch.h"

namespace tolmark {

void Dispatch(Scenes& c, int action, bool manual) {
  GameState& s = c.s;
  if (action == 1 && s.StartingUp == kTrue) return;
  if (action != 1 && action != 2) return;
  const SceneRow* row = SceneOnScreen(c);
  if (row == nullptr) return;

  if (action == 2) {
    row->openMenu(c);
    return;
  }
  if (manual && row->manualAdvance != nullptr) row->manualAdvance(c);
  if (s.AwaitingAnswer == kTrue) return;
  if (SceneStep step = StepFor(row->codes, s.PendingAction)) step(c);
}

}  // namespace tolmark
