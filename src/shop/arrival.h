// Who comes to the counter once the arrival roll has succeeded: a customer or a story visitor.
#pragma once

#include "art/picture_names.h"
#include "model/game_state.h"
#include "model/random.h"

namespace tolmark::shop {

// Base pictures of the visitors.
inline constexpr std::int32_t kMessengerPicture = 84;

// The customer of the draw k = Int(Rnd × 45), 0..44.
std::int32_t CustomerPictureOfDraw(std::int32_t k);

// Chooses the visitor after a successful arrival roll: sets EventActive, VisitorPicture,
// EventCode (0 customer, 1..5 story visitor), CustomerBuys, and for an enlargement offer
// DealAmount and for the first errand StoryState. Returns false when nobody comes after all
// (a buyer at an empty shop); EventActive is then 0 again. The walk itself is the caller's.
bool ChooseVisitor(GameState& s, Random& random);

}  // namespace tolmark::shop
