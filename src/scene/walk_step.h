// What every scene's animation step is made of: four-phase frame counters, the walking
// sequences, and a figure walking in to the counter or out past the left edge. Each scene
// animates its own window with these (shop_walk, counter_walk, field_walk).
#pragma once

#include <array>
#include <cstdint>

#include "scene/scenes.h"

namespace tolmark {

// The pictures of frame phases 1..4: absolute, or offsets from a base picture P.
using FrameSequence = std::array<std::int32_t, 4>;

inline constexpr FrameSequence kSixPictureRight = {0, 2, 0, 4};  // offsets from P
inline constexpr FrameSequence kSixPictureLeft = {1, 3, 1, 5};
inline constexpr FrameSequence kThreeInPlace = {0, 1, 0, 2};

// A figure moves on phases 1 and 3 only.
constexpr bool MovingPhase(std::int32_t frame) { return frame == 1 || frame == 3; }

// Draws the figure of its frame (base + the sequence's picture) and advances the counter; an
// invalid counter draws nothing.
void DrawAndAdvance(Scenes& c, Window w, const FrameSequence& seq, std::int32_t base,
                    std::int32_t& frame, std::int32_t x, std::int32_t y);

// What a walker's step came to.
enum class Walked : std::uint8_t {
  Drawn,    // a step in or out, drawn; the scene presents the frame
  Arrived,  // past the counter mark: ScenePhase 20, nothing drawn; the scene sets its step code
  Gone,     // off the screen: the balloon closed, ScenePhase 0, EventActive cleared
  Still,    // neither walking in (ScenePhase 10) nor out (30): nothing drawn
};

// One step of a figure walking in from the left (ScenePhase 10, 7 px a moving phase, until x is
// past 700) or out to the left (30, 10 px, until x is below -400), at (x, y) with its frame
// counter; in and out are its sequences from base.
Walked StepWalker(Scenes& c, Window w, std::int32_t& x, std::int32_t y, std::int32_t& frame,
                  const FrameSequence& in, const FrameSequence& out, std::int32_t base);

}  // namespace tolmark
