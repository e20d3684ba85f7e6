// The scene context: what every scene routine works on — the state, the desktop, the chance,
// the scenes of the game as rows, and the pop-up menu of each scene window.
#pragma once

#include <map>
#include <span>

#include "model/game_state.h"
#include "model/random.h"
#include "present/desktop.h"
#include "scene/scene_row.h"

namespace tolmark {

// Timer1 of a scene while a figure walks in or out, and Timer2 while the watchdog runs.
inline constexpr int kWalkingTickMs = 100;
inline constexpr int kWatchdogTickMs = 100;

struct Scenes {
  GameState& s;
  Desktop& desk;
  Random& rnd;
  std::span<const SceneRow* const> rows;  // the first is where the program starts
  // A menu keeps its item states while its scene window lives; the start-up rebuilds it.
  std::map<Window, Menu> menus;

  std::int32_t PxX(int px) const { return desk.UnitsFromPixelsX(px); }
  std::int32_t PxY(int px) const { return desk.UnitsFromPixelsY(px); }
};

// The row of the scene named by SceneName, or null when no scene has started.
const SceneRow* SceneOnScreen(const Scenes& c);
// The scene on screen; the first scene before any has started.
const SceneRow& CurrentRow(const Scenes& c);
Window CurrentScene(const Scenes& c);
// The row of that scene window, or of the window's owner for a small window; null for others.
const SceneRow* RowOf(const Scenes& c, Window window);

// The menu of that scene, as its start-up left it or its last right click prepared it.
Menu& MenuOf(Scenes& c, const SceneRow& row);

}  // namespace tolmark
