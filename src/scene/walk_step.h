// One animation frame of every figure on screen, and the walker's arrival and leaving.
#pragma once

#include "scene/scenes.h"

namespace tolmark {

// The mode of a shop customer walking in or out.
inline constexpr std::int32_t kCustomerWalking = 100;

// picture: 57 the idle shop hero, 134 (or 38) the walking field hero, else the visitor's base
// picture. mode: 100 a shop customer walking; the visitor's frame count in the field; else 0/1.
// kind: 0 normally; 99 a traveller halts the field; 0..3 the carriage scenes.
void WalkStep(Scenes& c, std::int32_t picture, std::int32_t mode, std::int16_t kind);

}  // namespace tolmark
