// Helpers of the road's tests: draw values that give a chosen Int(Rnd × n), and the new game of
// the shared test support.
#pragma once

#include "model/game_state.h"
#include "model/random.h"
#include "scene_fixture.h"

namespace tolmark::field::testing {

// A draw value for which Int(Rnd × n) is exactly `value`.
inline double OfN(int value, int n) { return (value + 0.5) / n; }

// One draw of a scripted run, as the value Int(Rnd × n) is to give.
struct Draw {
  int value;
  int n;
};

using testing_support::NewGame;

}  // namespace tolmark::field::testing
