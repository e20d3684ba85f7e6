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
// - HP within 0..MaxHP and Gold within 0..kGoldCap, but for the road, where a find may leave
//   either at -1 (the mark the next click settles);
// - Reputation within 0..999;
// - while the town's market has its lists on screen, the market's ledger holds (balanced while
//   the hero browses; once the deal is done, the list is what was paid for, or empty);
// - exactly one scene window is on screen (the road's may stay beside the town's until its next
//   tick, as the hand-over to the town goes);
// - each small window of the scene on screen is open exactly when its flag says so, and those
//   of the other scenes are closed.
//
// The market's ledger is the town's own rule (town::MarketLedgerBreach): the program that runs
// the soak hands it in, as the headless desktop sits below the scenes.
using LedgerRule = std::optional<std::string> (*)(const GameState& s);
std::optional<std::string> FirstBrokenRule(const GameState& s, const HeadlessDesktop& desk,
                                           LedgerRule ledger);

}  // namespace tolmark
