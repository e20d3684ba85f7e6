// The two list windows of the market: frmASell, the goods on sale, and frmABuy, the hero's
// shopping list. Their rows, columns and selection, and where they stand. The loading routines
// (and the town's refresh after every change) hand these to the desktop.
// Nothing here draws from Random.
#pragma once

#include "model/game_state.h"
#include "present/desktop.h"
#include "present/floor_placement.h"

namespace tolmark::town {

// Both windows are 4350 units wide, the list filling them, and 88 px high, at the left edge:
// frmASell with its bottom 148 px above the floor, frmABuy 60 px above it, so the goods stand
// right on top of the shopping list.
Placement SellListPlacement(const ScreenMetrics& m);  // frmASell
Placement BuyListPlacement(const ScreenMetrics& m);   // frmABuy

// "売物名称" / "個数" / "値段": all ten market rows in order, the pieces left as a plain number,
// the day's asking price "##,##0"; the selected row is ShownSellRow.
ListContent SellListContent(const GameState& s);

// "買物リスト" / "個数" / "合計金額": the used shopping-list rows in order, pieces "##,##0", the
// row's price times its pieces "##,##0"; the selected row is ShownBuyRow (none when empty).
ListContent BuyListContent(const GameState& s);

}  // namespace tolmark::town
