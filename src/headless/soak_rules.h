// The rules of the game that must hold after every input, whatever the input was: what the soak
// (tolmark-sim --monkey) checks between its steps.
#pragma once

#include <optional>
#include <string>

#include "headless/headless_desktop.h"
#include "model/game_state.h"

namespace tolmark {

// The most gold the purse holds by the rules' capped growth.
inline constexpr std::int32_t kGoldCap = 999'999'999;
// The most pieces of one weapon the shop keeps.
inline constexpr std::int32_t kMostPiecesInStock = 50;

// The first rule the game breaks as it stands, described; none while all hold. Called while the
// program runs (not after it has ended):
// - every flag is -1 or 0;
// - the stock holds 1..50 pieces per used row, no weapon twice, StockCount <= StockCapacity;
// - BagPieces is the sum of the bag's used rows;
// - HP within 0..MaxHP and Gold within 0..kGoldCap, but in a scene that marks them (the road,
//   where a find may leave either at -1 for the next click to settle);
// - Reputation within 0..999;
// - exactly one scene window is on screen, or two while a hand-over goes: the window of the
//   scene left stays until its next tick sees the new entry code;
// - each small window of the scene on screen is open exactly when its flag says so, and those
//   of the other scenes are closed;
// - while a small window of the scene on screen is shown, the scene's own rule holds (the
//   town's: the market's ledger).
std::optional<std::string> FirstBrokenRule(const GameState& s, const HeadlessDesktop& desk);

}  // namespace tolmark
