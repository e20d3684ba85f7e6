// The shop's right-click menu, and the input on its small windows, discarding included.
#include <iterator>

#include "art/picture_names.h"
#include "model/inventory.h"
#include "save/save_file.h"
#include "scene/menus.h"
#include "scene/small_windows.h"
#include "shop/shop_codes.h"
#include "shop/shop_draw.h"
#include "shop/shop_operations.h"
#include "shop/shop_scene.h"
#include "shop/shop_windows.h"

namespace tolmark::shop {
namespace {

using namespace std::string_view_literals;

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
  Menu& m = MenuOf(c, kShopScene);
  // The carried-home balloon must be clicked away first.
  if (s.PendingAction == code::CarriedHome) return;

  SetItemVisible(m, "mauto", true);
  SetItemEnabled(m, "mauto", true);
  s.AutoMode = kFalse;
  s.ShopSign = picture::kCounterBoard;
  if (s.EventActive == kTrue) DrawShop(c, ShopFrame::WithVisitor);
  c.desk.Focus(Window::frmShop);
  if (s.EventActive == kTrue) SetItemEnabled(m, "mauto", false);

  ShowAlwaysOnTopItems(m, kShopInFront, s.AlwaysOnTop);

  const bool busy = s.CommandBusy == kTrue;
  if (s.ShopOpen == kTrue) {
    // The hero's collapse is being told; no menu until it is over.
    if (s.PendingAction == code::CloseAfterFainting) return;
    for (std::string_view name : {"mopen", "mbuyer", "msleep", "msave_load", "mstage2", "mstage3",
                                  "mstage4", "morder"}) {
      SetItemVisible(m, name, false);
    }
    SetItemVisible(m, "mclose", true);
    SetItemVisible(m, kShopSpeed.menu, true);
    CheckSpeedItem(m, kShopSpeed, s.TickInterval);
    SetItemEnabled(m, "mclose", !busy);
    SetItemEnabled(m, kShopEnd, !busy);
  } else {
    for (std::string_view name : {"mauto"sv, "mclose"sv, "morder"sv, kShopSpeed.menu}) {
      SetItemVisible(m, name, false);
    }
    for (std::string_view name : {"mopen", "mbuyer", "msleep", "msave_load"}) {
      SetItemVisible(m, name, true);
    }
    // Chapter 1 leaves the later destinations as they were (hidden since the menu was loaded).
    if (s.Chapter == 2) {
      SetItemVisible(m, "mstage2", true);
    } else if (s.Chapter == 3 || s.Chapter == 4) {
      SetItemVisible(m, "mstage2", true);
      SetItemVisible(m, "mstage3", true);
      if (s.Chapter == 4) SetItemVisible(m, "mstage4", true);
      SetItemVisible(m, "morder", true);
    }
    for (std::string_view name : {"msleep"sv, "mbuyer"sv, "msave_load"sv, "mopen"sv, kShopEnd}) {
      SetItemEnabled(m, name, !busy);
    }
    if (busy) SetItemEnabled(m, "mauto", false);
    SetItemEnabled(m, "mload", SaveFileExists());
  }
  c.desk.PopupMenu(Window::frmMenu, m);
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
