// The bag as the road's encounters see it: whether it has room, whether a weapon is carried,
// and a weapon handed to the merchant on the road.
#pragma once

#include <cstdint>

#include "model/game_state.h"

namespace tolmark::field {

// The bag is full once it holds as many pieces as it has room for.
bool BagIsFull(const GameState& s);

// The bag's entry (0-based) holding the weapon, or -1.
std::int32_t BagRowOf(const GameState& s, std::int32_t weapon);

// Carried: in one of the bag's entries or one of the shop's stock entries.
bool Carried(const GameState& s, std::int32_t weapon);

// One piece of the weapon goes into the bag (its entry grows, or a new entry is appended) and
// the weapon is marked collected: it has been in the merchant's hands. The capacity is the
// caller's test; a bag without a free entry changes nothing.
void PutInBag(GameState& s, std::int32_t weapon);

}  // namespace tolmark::field
