// The counter scene's animation step: the dealer or the king behind the counter board, and the
// hero walking in to the counter or out again.
#pragma once

#include "scene/scenes.h"

namespace tolmark::town {

// One frame of the figure behind the counter and the walking hero (ScenePhase 10 in, 30 out),
// the board drawn in front. Arriving, the hero starts the counter's talk and the frame waits for
// the next presentation; gone, the tick keeps its period and leaves for the road.
void AnimateCounter(Scenes& c);

}  // namespace tolmark::town
