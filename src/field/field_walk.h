// The road's animation step: the hero walking (or driving his wagon), the empty wagon going
// back, somebody standing beside the halted hero, and the carriage scenes.
#pragma once

#include <cstdint>

#include "scene/scenes.h"

namespace tolmark::field {

// One frame of the road, presented; the automatic-play marker first while the road plays
// itself. picture: 134 (or 38 with the wagon) the walking hero, who moves on the moving phases
// and counts a step; 39 the empty wagon going left; 96 the carriage, kind 0 in place with the
// hero hidden, 1 driving left with the hero waiting, 2 driving left with him aboard, 3 waiting
// with him; any other the visitor beside the halted hero, mode its frame count (2: P and P+1
// alternate on every tick), kind 99 a traveller who halted him (six-picture steps).
void AnimateField(Scenes& c, std::int32_t picture, std::int32_t mode, std::int16_t kind);

}  // namespace tolmark::field
