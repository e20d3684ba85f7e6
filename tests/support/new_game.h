// A new game's state: what every suite starts its cases from.
#pragma once

#include "model/game_state.h"

namespace tolmark::testing_support {

// A new game's state, as the shop's first start sets it up.
GameState NewGame();

}  // namespace tolmark::testing_support
