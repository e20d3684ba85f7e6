// The common part of the scene start-ups, and the scene a hand-over enters.
#include "scene/startup.h"

#include "scene/menus.h"

namespace tolmark {

void ShowSceneWindow(Scenes& c, const SceneRow& row) {
  GameState& s = c.s;
  s.SceneName = std::string(row.name);
  s.ActiveScene = row.window;
  c.desk.ShowWindow(row.window);
  c.desk.SetTimer(row.window, Timer::Timer2, s.AlwaysOnTop == kTrue ? kWatchdogTickMs : 0);
  ResetMenu(c, row);
}

bool EnterScene(Scenes& c, const SceneRow& row) {
  if (c.s.SceneEntry != row.entryCode) return false;
  ShowSceneWindow(c, row);
  return true;
}

void StartEnteredScene(Scenes& c) {
  for (const SceneRow* row : c.rows) {
    if (row->entryCode == c.s.SceneEntry) {
      row->startUp(c);
      return;
    }
  }
}

void CloseSceneWindow(Scenes& c, Window scene) {
  c.desk.SetTimer(scene, Timer::Timer1, 0);
  c.desk.SetTimer(scene, Timer::Timer2, 0);
  c.desk.CloseWindow(scene);
}

}  // namespace tolmark
