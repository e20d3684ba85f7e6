// The shop's own menu items and the handlers of its small windows, discarding included.
#include <iterator>

#include "model/inventory.h"
#include "shop/shop_commands.h"
#include "shop/shop_operations.h"
#include "shop/shop_windows.h"

namespace tolmark {
namespace {

Flag& OpenFlagOf(GameState& s, Window window) {
  switch (window) {
    case Window::frmShopItem: return s.ItemListOpen;
    case Window::frmStatus: return s.StatusOpen;
    case Window::frmList: return s.CollectionListOpen;
    default: return s.OrderListOpen;
  }
}

void ShowShopWindow(Scenes& c, Window window) {
  switch (window) {
    case Window::frmShopItem: ShowStockList(c.s, c.desk); return;
    case Window::frmStatus: ShowStatus(c.s, c.desk); return;
    case Window::frmList: ShowCollectionList(c.s, c.desk); return;
    default: ShowOrderList(c.s, c.desk); return;
  }
}

// One piece of the stock list's row (1-based) is thrown away; the last piece takes the row.
void DiscardOnePiece(Scenes& c, int row) {
  GameState& s = c.s;
  s.CommandBusy = kTrue;
  if (RemoveOneFromStockRow(s, row - 1)) s.SelectedRow = row - 1;  // the row above, 0 for the first
  s.CommandBusy = kFalse;
  for (Window w : {Window::frmStatus, Window::frmShopItem}) {
    if (OpenFlagOf(s, w) == kTrue) {
      c.desk.CloseWindow(w);
      ShowShopWindow(c, w);
    }
  }
}

}  // namespace

void ToggleShopWindow(Scenes& c, Window window) {
  Flag& open = OpenFlagOf(c.s, window);
  if (open == kTrue) {
    open = kFalse;
    c.desk.CloseWindow(window);
  } else {
    ShowShopWindow(c, window);
  }
  c.desk.Focus(Window::frmShop);
}

void ShopMenuChosen(Scenes& c, std::string_view item) {
  if (item == "mitem") {
    ToggleShopWindow(c, Window::frmShopItem);
  } else if (item == "mstatus") {
    ToggleShopWindow(c, Window::frmStatus);
  } else if (item == "mlist") {
    ToggleShopWindow(c, Window::frmList);
  } else if (item == "morder") {
    ToggleShopWindow(c, Window::frmOrder);
  } else if (item == "mopen") {
    OpenShop(c);
  } else if (item == "mclose") {
    StartClosing(c);
  } else if (item == "msleep") {
    StartSleeping(c);
  } else if (item == "mstage1") {
    StartTrip(c, 1);
  } else if (item == "mstage2") {
    StartTrip(c, 2);
  } else if (item == "mstage3") {
    StartTrip(c, 3);
  } else if (item == "mstage4") {
    StartTrip(c, 4);
  } else if (item == "msave") {
    StartRecord(c, true);
  } else if (item == "mload") {
    StartRecord(c, false);
  }
}

void ShopListMouseDown(Scenes& c, Window window, int row, int button) {
  GameState& s = c.s;
  if (window != Window::frmShopItem) return;
  if (row < 1 || row > std::ssize(UsedEntriesOf(s.ShopStock, s.StockCount))) return;
  s.SelectedRow = row;
  if (button == 2 && s.ShopOpen == kFalse && s.CommandBusy != kTrue) DiscardOnePiece(c, row);
}

void ShopWindowDoubleClick(Scenes& c, Window window) {
  if (window == Window::frmShopItem) c.s.SelectedRow = 0;
  switch (window) {
    case Window::frmShopItem:
    case Window::frmStatus:
    case Window::frmList:
    case Window::frmOrder:
      OpenFlagOf(c.s, window) = kFalse;
      c.desk.CloseWindow(window);
      return;
    default:
      return;
  }
}

}  // namespace tolmark
