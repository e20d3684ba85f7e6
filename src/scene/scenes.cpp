// Which scene is on screen, read from SceneName, and which scene owns a window.
#include "scene/scenes.h"

#include <algorithm>

namespace tolmark {

const SceneRow* SceneOnScreen(const Scenes& c) {
  for (const SceneRow* row : c.rows) {
    if (c.s.SceneName == row->name) return row;
  }
  return nullptr;
}

const SceneRow& CurrentRow(const Scenes& c) {
  const SceneRow* row = SceneOnScreen(c);
  return row ? *row : *c.rows.front();
}

Window CurrentScene(const Scenes& c) { return CurrentRow(c).window; }

const SceneRow* RowOf(const Scenes& c, Window window) {
  for (const SceneRow* row : c.rows) {
    if (row->window == window) return row;
    if (std::any_of(row->windows.begin(), row->windows.end(),
                    [&](const SmallWindow& w) { return w.window == window; })) {
      return row;
    }
  }
  return nullptr;
}

Menu& MenuOf(Scenes& c, const SceneRow& row) { return c.menus[row.window]; }

}  // namespace tolmark
