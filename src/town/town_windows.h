// Loading routines of the town's list windows; RefreshOpenWindows re-runs them.
#pragma once

#include "scene/scenes.h"

namespace tolmark::town {

void LoadArmsSellWindow(Scenes& c);  // frmASell, the market's goods
void LoadArmsBuyWindow(Scenes& c);   // frmABuy, the shopping list

// Input on this scene's small windows (frmABuy, frmASell): a mouse press on
// a list row (1-based, 0 below the last row), a double click.
void TownListMouseDown(Scenes& c, Window window, int row, int button);
void TownWindowDoubleClick(Scenes& c, Window window);

}  // namespace tolmark::town
