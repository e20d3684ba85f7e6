// The town's list windows; their contents come with the town market.
#include "town/town_windows.h"

namespace tolmark::town {

void LoadArmsSellWindow(Scenes&) {}
void LoadArmsBuyWindow(Scenes&) {}

void TownListMouseDown(Scenes&, Window, int, int) {}
void TownWindowDoubleClick(Scenes&, Window) {}

}  // namespace tolmark::town
