// The click dispatcher: which scene operation a click (or Enter, G, an answer) runs next.
#pragma once

#include "scene/scenes.h"

namespace tolmark {

// action 1 advances, 2 opens the scene's menu, anything else does nothing. manual is true for
// the player's own mouse and keys; a manual advance ends automatic play.
void Dispatch(Scenes& c, int action, bool manual);

}  // namespace tolmark
