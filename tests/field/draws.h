// Helpers of the road's tests: draw values that give a chosen Int(Rnd × n), and a fresh game.
#pragma once

#include <initializer_list>

#include "model/game_state.h"
#include "model/random.h"

namespace tolmark::field::testing {

// A draw value for which Int(Rnd × n) is exactly `value`.
inline double OfN(int value, int n) { return (value + 0.5) / n; }

// A scripted source holding the given draws, each as Int(Rnd × n) = value for its n.
struct Draw {
  int value;
  int n;
};
inline void QueueDraws(ScriptedRandom& random, std::initializer_list<Draw> draws) {
  for (const Draw& d : draws) random.Queue(OfN(d.value, d.n));
}

inline GameState NewGame() {
  GameState s;
  ApplyNewGame(s);
  return s;
}

}  // namespace tolmark::field::testing
