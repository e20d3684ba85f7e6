// The market's lists on the desktop, and pieces taken and put back with the mouse.
#include "town/town_windows.h"

#include "scene/small_windows.h"
#include "town/market_lists.h"
#include "town/market_windows.h"

namespace tolmark::town {

void LoadArmsSellWindow(Scenes& c) {
  c.desk.ShowList(Window::frmASell, SellListPlacement(ScreenMetrics::Of(c.desk)),
                  SellListContent(c.s));
}

void LoadArmsBuyWindow(Scenes& c) {
  c.desk.ShowList(Window::frmABuy, BuyListPlacement(ScreenMetrics::Of(c.desk)),
                  BuyListContent(c.s));
}

void ShowMarketLists(Scenes& c) {
  LoadArmsSellWindow(c);
  LoadArmsBuyWindow(c);
}

void TownListMouseDown(Scenes& c, Window window, int row, int button) {
  const ListGesture gesture = button == 2 ? ListGesture::RightPress : ListGesture::Press;
  const bool changed = window == Window::frmASell ? SellListGesture(c.s, row, gesture)
                                                  : BuyListGesture(c.s, row, gesture);
  if (changed) RefreshOpenWindows(c);
}

void TownWindowDoubleClick(Scenes& c, Window window) {
  const bool changed =
      window == Window::frmASell
          ? SellListGesture(c.s, ShownSellRow(c.s), ListGesture::DoubleClick)
          : BuyListGesture(c.s, ShownBuyRow(c.s), ListGesture::DoubleClick);
  if (changed) RefreshOpenWindows(c);
}

}  // namespace tolmark::town
