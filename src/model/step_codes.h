// The step codes the shared rules look at themselves. Every scene reaches them, with the middle
// layer's own, through scene/step_codes.h.
#pragma once

#include <cstdint>

namespace tolmark::code {

// Nothing is pending: a click or a key moves nothing on.
inline constexpr std::int32_t Idle = 0;

// A new kind of piece found no free row in the stock; the next click turns it away.
inline constexpr std::int32_t NoRoomInStock = 5;

// A battle just won: its experience and money come from the monster.
inline constexpr std::int32_t BattleWon = 31;

}  // namespace tolmark::code
