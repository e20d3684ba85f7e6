// Throwing carried weapons away on the road, one piece at a time, with the right button on the
// bag list (frmFItem): when it is allowed and what it does to the bag and the selection.
#pragma once

#include <cstdint>

#include "model/game_state.h"

namespace tolmark::field {

// A discard is refused while a command is under way, at the castle gate (step 300 on the road
// to モノリス城, where the royal order is counted), while the 棟梁 waits for the five
// holy-beast weapons (StoryState 7) and while a buyer on the road waits for his answer.
bool MayDiscard(const GameState& s);

// One piece of the bag's row (1-based, as the list shows it) is thrown away: nothing is paid and
// nothing is said. A row of several pieces keeps the selection; the last piece removes the row,
// the rows below move up, and the selection goes to the row above (0 when the first row went).
// A row the bag does not hold changes nothing; returns whether a piece went. The step function
// sets CommandBusy around it and re-shows the open windows.
bool DiscardOnePiece(GameState& s, std::int32_t row);

}  // namespace tolmark::field
