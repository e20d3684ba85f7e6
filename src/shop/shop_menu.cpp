// The shop's right click, and the input on its small windows, discarding included.
#include <iterator>

#include "art/picture_names.h"
#include "model/inventory.h"
#include "scene/menus.h"
#include "scene/small_windows.h"
#include "shop/shop_codes.h"
#include "shop/shop_draw.h"
#include "shop/shop_operations.h"
#include "shop/shop_windows.h"

namespace tolmark::shop {
namespace {

// One piece of the stock list's row (1-based) is thrown away; the last piece takes the row.
void DiscardOnePiece(Scenes& c, int row) {
  GameState& s = c.s;
  s.CommandBusy = kTrue;
  if (RemoveOneFromStockRow(s, row - 1)) s.SelectedRow = row - 1;  // the row above, 0 for the first
  s.CommandBusy = kFalse;
  // The two windows that show the stock are drawn again from scratch.
  ShowAgain(c, {Window::frmStatus, Window::frmShopItem});
}

}  // namespace

void OpenShopMenu(Scenes& c) {
  GameState& s = c.s;
  // The carried-home balloon must be clicked away first.
  if (s.PendingAction == code::CarriedHome) return;

  s.AutoMode = kFalse;
  s.ShopSign = picture::kCounterBoard;
  if (s.EventActive == kTrue) DrawShop(c, ShopFrame::WithVisitor);
  c.desk.Focus(Window::frmShop);
  // The hero's collapse is being told; no menu until it is over.
  if (s.ShopOpen == kTrue && s.PendingAction == code::CloseAfterFainting) return;
  PopUpMenu(c);
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
  CloseSmallWindow(c, window);
}

}  // namespace tolmark::shop
