// A new game's state for the tests.
#include "new_game.h"

namespace tolmark::testing_support {

GameState NewGame() {
  GameState s;
  ApplyNewGame(s);
  return s;
}

}  // namespace tolmark::testing_support
