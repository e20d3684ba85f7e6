// Raising a scene's own windows when a foreign window has taken the focus.
#include "scene/watchdog.h"

namespace tolmark {

void WatchdogTick(Scenes& c, Window scene) {
  // A window with the game's caption has the focus: nothing to do.
  if (c.desk.ForegroundCaption() == kGameCaption) return;
  const SceneRow* row = RowOf(c, scene);
  if (row == nullptr) row = c.rows.front();
  for (Window w : row->raised) {
    if (c.desk.IsOpen(w)) c.desk.BringToFront(w);
  }
  c.desk.Focus(scene);
}

}  // namespace tolmark
