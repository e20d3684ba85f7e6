// The field menu's items as the menu opens (frmFMenu on a right click): which commands a
// situation on the road allows, read from the game state alone.
#pragma once

#include "model/game_state.h"

namespace tolmark::field {

struct FieldMenuItems {
  bool autoEnabled = true;     // fmauto: not while somebody stands beside the hero
  bool homeVisible = false;    // fmhome 店に帰る: only with a hired wagon
  bool homeEnabled = false;
  bool escapeVisible = false;  // fmescape 逃げる: the hero's turn of an ordinary battle
  bool endEnabled = true;      // fmend
};

// The items' states when the menu opens. While a command is under way nothing but the status and
// bag windows may start; on the hero's turn of an ordinary battle (PendingAction LandHeroBlow, no
// boss) he may run; the wagon may not leave during a battle, at step 300, after a defeat, at the
// checkpoint or while already going home. (The menu also switches automatic play off as it opens;
// that is the dispatcher's.)
FieldMenuItems FieldMenuOnOpen(const GameState& s);

// 逃げる chosen (fmescape): a command under way, PendingAction TryToEscape; the step function then
// calls EscapeTurn.
void ChooseEscape(GameState& s);

// 店に帰る chosen (fmhome): no prompt awaited, a command under way, the code of a running encounter
// kept in SavedAction (Walking when none runs), Answer cleared, PendingAction SayGoHome; the step
// function then calls HomeTurn, which asks.
void ChooseGoHome(GameState& s);

}  // namespace tolmark::field
