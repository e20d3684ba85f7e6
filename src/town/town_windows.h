// The town's two list windows: the market's goods and the hero's shopping list.
#pragma once

#include "scene/scenes.h"

namespace tolmark::town {

// Open (or fill again) each window at its place; the town fills both again after every change.
void LoadArmsSellWindow(Scenes& c);  // frmASell, the market's goods
void LoadArmsBuyWindow(Scenes& c);   // frmABuy, the shopping list

// Both, as the dealer's greeting ends: the goods above, the shopping list below.
void ShowMarketLists(Scenes& c);

// Input on the two lists: a mouse press on a row (1-based, 0 below the last row), a double
// click on the row the list shows selected.
void TownListMouseDown(Scenes& c, Window window, int row, int button);
void TownWindowDoubleClick(Scenes& c, Window window);

}  // namespace tolmark::town
