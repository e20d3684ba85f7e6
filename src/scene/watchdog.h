// The stacking watchdog: with always-in-front on, the game's windows come back above others.
#pragma once

#include "scene/scenes.h"

namespace tolmark {

// One Timer2 tick of that scene window.
void WatchdogTick(Scenes& c, Window scene);

}  // namespace tolmark
