// The scene context: what every scene routine works on — the state, the desktop, the chance and
// the pop-up menus of the scene windows.
#pragma once

#include "model/game_state.h"
#include "model/random.h"
#include "present/desktop.h"

namespace tolmark {

// The three pop-up menus keep their item states while their scene window lives; a scene's
// start-up rebuilds its menu from the table.
struct SceneMenus {
  Menu shop;   // "menu" of frmMenu
  Menu field;  // "fmenu" of frmFMenu
  Menu arms;   // "amenu" of frmAMenu
};

// Timer1 of a scene while a figure walks in or out, and Timer2 while the watchdog runs.
inline constexpr int kWalkingTickMs = 100;
inline constexpr int kWatchdogTickMs = 100;

struct Scenes {
  GameState& s;
  Desktop& desk;
  Random& rnd;
  SceneMenus menus;

  std::int32_t PxX(int px) const { return desk.UnitsFromPixelsX(px); }
  std::int32_t PxY(int px) const { return desk.UnitsFromPixelsY(px); }
};

// The scene on screen, by SceneName; frmShop before any scene has started.
Window CurrentScene(const GameState& s);
// Whether SceneName names one of the three scene windows.
bool SceneIsCurrent(const GameState& s);
bool InShop(const GameState& s);
bool InField(const GameState& s);
bool InArms(const GameState& s);

}  // namespace tolmark
