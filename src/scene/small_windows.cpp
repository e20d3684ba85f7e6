// Opening, re-filling and closing the small windows a scene row lists.
#include "scene/small_windows.h"

namespace tolmark {
namespace {

const SmallWindow* Find(const SceneRow& row, Window window) {
  for (const SmallWindow& w : row.windows) {
    if (w.window == window) return &w;
  }
  return nullptr;
}

bool IsOpenByFlag(const GameState& s, const SmallWindow& w) {
  return w.openFlag == nullptr || s.*w.openFlag != kFalse;
}

}  // namespace

void RefreshOpenWindows(Scenes& c) {
  const SceneRow* row = SceneOnScreen(c);
  if (row == nullptr) return;
  for (const SmallWindow& w : row->windows) {
    if (w.refilled && IsOpenByFlag(c.s, w)) w.show(c);
  }
  c.desk.Focus(row->window);
}

void ToggleSmallWindow(Scenes& c, Window window) {
  const SceneRow* row = RowOf(c, window);
  if (row == nullptr) return;
  const SmallWindow& w = *Find(*row, window);
  if (w.openFlag != nullptr && c.s.*w.openFlag == kTrue) {
    c.s.*w.openFlag = kFalse;
    c.desk.CloseWindow(window);
  } else {
    w.show(c);
  }
  c.desk.Focus(row->window);
}

void ShowAgain(Scenes& c, std::initializer_list<Window> windows) {
  for (Window window : windows) {
    const SceneRow* row = RowOf(c, window);
    if (row == nullptr) continue;
    const SmallWindow& w = *Find(*row, window);
    if (w.openFlag == nullptr || c.s.*w.openFlag != kTrue) continue;
    c.desk.CloseWindow(window);
    w.show(c);
  }
}

void CloseSmallWindow(Scenes& c, Window window) {
  const SceneRow* row = RowOf(c, window);
  if (row == nullptr) return;
  const SmallWindow& w = *Find(*row, window);
  if (w.openFlag != nullptr) c.s.*w.openFlag = kFalse;
  c.desk.CloseWindow(window);
}

void CloseSmallWindows(Scenes& c, const SceneRow& row) {
  for (Window window : row.closedOnLeaving) {
    const SmallWindow& w = *Find(row, window);
    c.desk.CloseWindow(w.window);
    if (w.openFlag != nullptr) c.s.*w.openFlag = kFalse;
  }
}

}  // namespace tolmark
