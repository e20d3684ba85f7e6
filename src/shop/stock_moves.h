// Whole lots leaving or entering the stock: the wagon's load, the holy-beast weapons, the sword.
#pragma once

#include <optional>
#include <string>

#include "model/game_state.h"

namespace tolmark::shop {

// Wagon limits: pieces while loading, and the bag of the trip once the wagon is hired.
inline constexpr std::int32_t kWagonLoadLimit = 80;
inline constexpr std::int32_t kWagonBagCapacity = 100;
inline constexpr std::int32_t kWagonFee = 100000;

// Empties the bag (the old capacity kept in SavedBagCapacity) and loads the ordered weapons
// from the stock, order row by row, up to 80 pieces. Returns the pieces loaded; the order's
// wanted counts are left for the castle.
std::int32_t LoadWagon(GameState& s);

// When all five holy-beast weapons have a stock row, every row of them leaves the stock whole
// and true is returned; otherwise nothing is taken.
bool TakeHolyBeastWeapons(GameState& s);

// The carpenter's sword enters the stock (marked collected when new). When 50 are already
// there the piece is thrown away and the merchant's line saying so is returned.
std::optional<std::string> AddStrongestSword(GameState& s);

}  // namespace tolmark::shop
