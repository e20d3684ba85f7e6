// Menu building from the tables, and what each scene shows, greys and checks on a right click.
#include "scene/menus.h"

#include "save/save_file.h"
#include "shop/shop_draw.h"

namespace tolmark {
namespace {

MenuItem* FindIn(std::vector<MenuItem>& items, std::string_view name) {
  for (MenuItem& item : items) {
    if (item.name == name) return &item;
    if (MenuItem* inner = FindIn(item.children, name)) return inner;
  }
  return nullptr;
}

void CheckSpeedItem(Menu& menu, std::string_view prefix, std::int16_t tickInterval) {
  const std::string p(prefix);
  SetItemChecked(menu, p + "1", tickInterval == 500);
  SetItemChecked(menu, p + "2", tickInterval == 1000);
  SetItemChecked(menu, p + "3", tickInterval == 1500);
}

void ShowAlwaysOnTopItems(Menu& menu, std::string_view on, std::string_view off, Flag option) {
  SetItemVisible(menu, on, option != kTrue);
  SetItemVisible(menu, off, option == kTrue);
}

}  // namespace

Menu BuildMenu(std::string_view menuName, std::span<const MenuRow> rows) {
  Menu menu{std::string(menuName), {}};
  for (const MenuRow& row : rows) {
    MenuItem item{std::string(row.name), std::string(row.caption), row.visible, true, row.checked,
                  {}};
    if (row.parent.empty()) {
      menu.items.push_back(std::move(item));
    } else if (MenuItem* parent = FindMenuItem(menu, row.parent)) {
      parent->children.push_back(std::move(item));
    }
  }
  return menu;
}

MenuItem* FindMenuItem(Menu& menu, std::string_view name) { return FindIn(menu.items, name); }

const MenuItem* FindMenuItem(const Menu& menu, std::string_view name) {
  return FindMenuItem(const_cast<Menu&>(menu), name);
}

void SetItemVisible(Menu& menu, std::string_view name, bool visible) {
  if (MenuItem* item = FindMenuItem(menu, name)) item->visible = visible;
}
void SetItemEnabled(Menu& menu, std::string_view name, bool enabled) {
  if (MenuItem* item = FindMenuItem(menu, name)) item->enabled = enabled;
}
void SetItemChecked(Menu& menu, std::string_view name, bool checked) {
  if (MenuItem* item = FindMenuItem(menu, name)) item->checked = checked;
}

void ResetShopMenu(Scenes& c) { c.menus.shop = BuildMenu("menu", kShopMenuRows); }
void ResetFieldMenu(Scenes& c) { c.menus.field = BuildMenu("fmenu", kFieldMenuRows); }
void ResetArmsMenu(Scenes& c) { c.menus.arms = BuildMenu("amenu", kArmsMenuRows); }

void OpenShopMenu(Scenes& c) {
  GameState& s = c.s;
  Menu& m = c.menus.shop;
  // The carried-home balloon must be clicked away first.
  if (s.PendingAction == 999) return;

  SetItemVisible(m, "mauto", true);
  SetItemEnabled(m, "mauto", true);
  s.AutoMode = kFalse;
  s.ShopSign = 99;
  if (s.EventActive == kTrue) DrawShop(c, ShopFrame::WithVisitor);
  c.desk.Focus(Window::frmShop);
  if (s.EventActive == kTrue) SetItemEnabled(m, "mauto", false);

  ShowAlwaysOnTopItems(m, "mActive", "mNoActive", s.AlwaysOnTop);

  const bool busy = s.CommandBusy == kTrue;
  if (s.ShopOpen == kTrue) {
    // 73: the hero's collapse is being told; no menu until it is over.
    if (s.PendingAction == 73) return;
    for (std::string_view name : {"mopen", "mbuyer", "msleep", "msave_load", "mstage2", "mstage3",
                                  "mstage4", "morder"}) {
      SetItemVisible(m, name, false);
    }
    SetItemVisible(m, "mclose", true);
    SetItemVisible(m, "mSpeed", true);
    CheckSpeedItem(m, "mSpeed", s.TickInterval);
    SetItemEnabled(m, "mclose", !busy);
    SetItemEnabled(m, "mend", !busy);
  } else {
    for (std::string_view name : {"mauto", "mclose", "morder", "mSpeed"}) {
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
    for (std::string_view name : {"msleep", "mbuyer", "msave_load", "mopen", "mend"}) {
      SetItemEnabled(m, name, !busy);
    }
    if (busy) SetItemEnabled(m, "mauto", false);
    SetItemEnabled(m, "mload", SaveFileExists());
  }
  c.desk.PopupMenu(Window::frmMenu, m);
}

void OpenFieldMenu(Scenes& c) {
  GameState& s = c.s;
  Menu& m = c.menus.field;
  SetItemEnabled(m, "fmauto", true);
  s.AutoMode = kFalse;
  c.desk.Focus(Window::frmField);
  if (s.EventActive == kTrue) SetItemEnabled(m, "fmauto", false);

  const bool wagon = s.WagonHired != kFalse;
  SetItemVisible(m, "fmhome", wagon);
  SetItemEnabled(m, "fmhome", wagon);

  ShowAlwaysOnTopItems(m, "fActive", "fNoActive", s.AlwaysOnTop);

  const std::int32_t code = s.PendingAction;
  if (s.CommandBusy == kTrue) {
    SetItemVisible(m, "fmescape", false);
    SetItemEnabled(m, "fmend", false);
    SetItemEnabled(m, "fmhome", false);
  } else if (code == 2 && s.BossBattle == kFalse) {
    // The hero's turn in an ordinary battle: he may run away, not drive home.
    SetItemVisible(m, "fmescape", true);
    SetItemEnabled(m, "fmend", true);
    SetItemEnabled(m, "fmhome", false);
  } else {
    SetItemVisible(m, "fmescape", false);
    SetItemEnabled(m, "fmend", true);
    const bool homeBlocked = (code >= 1 && code <= 59) || s.FieldSteps == 300 ||
                             s.HeroFainted != kFalse || (code >= 400 && code <= 499) ||
                             (code >= 700 && code <= 799);
    SetItemEnabled(m, "fmhome", !homeBlocked);
  }

  SetItemVisible(m, "fSpeed", true);
  CheckSpeedItem(m, "fSpeed", s.TickInterval);
  c.desk.PopupMenu(Window::frmFMenu, m);
}

void OpenArmsMenu(Scenes& c) {
  GameState& s = c.s;
  Menu& m = c.menus.arms;
  ShowAlwaysOnTopItems(m, "aActive", "aNoActive", s.AlwaysOnTop);

  const bool busy = s.CommandBusy == kTrue;
  if (s.Destination == 3) {
    SetItemVisible(m, "abuy", false);
    SetItemVisible(m, "ahome", false);
  } else if (s.TownPurchaseCount >= 1 && !busy) {
    SetItemVisible(m, "abuy", true);
    SetItemVisible(m, "ahome", true);
  } else {
    SetItemVisible(m, "abuy", false);
    SetItemVisible(m, "ahome", s.PendingAction == 4 && !busy);
  }
  if (s.PendingAction >= 700 && s.PendingAction <= 799) {
    SetItemVisible(m, "abuy", false);
    SetItemVisible(m, "ahome", false);
    SetItemVisible(m, "aend", true);
  }
  c.desk.PopupMenu(Window::frmAMenu, m);
}

}  // namespace tolmark
