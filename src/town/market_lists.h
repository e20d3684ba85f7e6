// The market's goods (frmASell) and the hero's shopping list (frmABuy) as one ledger: pieces
// move between the two, one at a time or a whole row at a time, and every market row keeps its
// ten pieces between the two tables. Rows are matched between the tables by weapon name. Pure
// operations on the game state; the step functions fill the windows again afterwards.
// Nothing here draws from Random.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/game_state.h"

namespace tolmark::town {

// Pieces of each weapon the market has on a visit.
inline constexpr std::int32_t kPiecesPerMarketRow = 10;

// Rows count from 0 here; the list windows count from 1. The input handlers reach these four
// through SellListGesture and BuyListGesture below, which also keep the selection and
// CommandBusy.

// Take one piece (a double click on market row `row`): a full row (10) starts a shopping-list
// row of 1 piece at the day's OfferPrice, appended at the end; a row with 1..9 left gives one
// more piece to its shopping-list row. False, and nothing changed, for an empty row (0 left) or
// a row the market does not have: the windows are then not filled again.
bool TakeOnePiece(GameState& s, std::int32_t row);

// Take a whole row (a right press on market row `row`): everything left goes to the shopping
// list, which then holds all ten; a full row starts a shopping-list row of 10. False as for
// TakeOnePiece.
bool TakeWholeRow(GameState& s, std::int32_t row);

// Put one piece back (a double click on shopping-list row `row`): the last piece of a row
// puts the whole row back (see PutBackWholeRow); with 2 or more, one piece returns to its
// market row (nothing changes when no market row has that name). False only for a row the
// list does not have.
bool PutBackOnePiece(GameState& s, std::int32_t row);

// Put a whole row back (a right press on shopping-list row `row`): its market row is full
// again, the row leaves the list and the rows below move up one place; the selection moves to
// the row above (SelectedBuyRow = row, 1-based; 0, the first row, when it was the top one).
// False only for a row the list does not have.
bool PutBackWholeRow(GameState& s, std::int32_t row);

// A gesture on a list window, as the desktop reports it.
enum class ListGesture : std::uint8_t {
  Press,        // left button: only the selection is recorded
  RightPress,   // right button: the whole row moves
  DoubleClick,  // one piece moves
};

// The row each list shows selected, 1-based: the recorded selection, row 1 while none is
// recorded, 0 when the list has no such row (a selection that fails selects nothing).
int ShownSellRow(const GameState& s);
int ShownBuyRow(const GameState& s);

// Both lists are shut from the moment the dealer names the total until the hero gives up or
// says no, and for the rest of the visit once the deal is done (paid for, or leaving agreed).
// Kept by the deal itself, not read from the step code, so no end question coming and going
// in between can open them. A shut list takes no press, right press or double click at all:
// not even the selection moves.
bool ListsTakeClicks(const GameState& s);

// Input on frmASell (ListMouseDown with the row under the pointer, or DoubleClick with the
// row the list shows selected, ShownSellRow): the row is recorded in SelectedRow; a right press
// or a double click then moves pieces when CommandBusy is clear. CommandBusy is -1 during the
// move and 0 after it. Returns whether the step function fills both lists again (the town's
// refresh); a press on no row (0) or outside the list changes nothing. No random draw.
bool SellListGesture(GameState& s, int shownRow, ListGesture gesture);

// The same for frmABuy, recording SelectedBuyRow while the list has rows (ShownBuyRow for a
// double click).
bool BuyListGesture(GameState& s, int shownRow, ListGesture gesture);

// The ledger's invariant while the market's lists are on screen. TownPurchaseCount is in
// 0..10. Once the deal is done, the list holds exactly what was paid for (DealAmount), or
// nothing when the hero left without it. While he browses (no command under way), every used
// shopping-list row names exactly one market row, no two name the same one, and holds 1..10
// pieces; every market row holds 0..10 and, with its shopping-list row, exactly 10; a full
// market row has no shopping-list row. The first breach found, described, or none.
std::optional<std::string> MarketLedgerBreach(const GameState& s);

}  // namespace tolmark::town
