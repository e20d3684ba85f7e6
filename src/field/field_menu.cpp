// The field's right-click menu: the road's rules say which commands the moment allows.
#include "field/field_menu_rules.h"
#include "field/field_operations.h"
#include "field/field_scene.h"
#include "scene/menus.h"

namespace tolmark::field {

void OpenFieldMenu(Scenes& c) {
  GameState& s = c.s;
  Menu& m = MenuOf(c, kFieldScene);
  const FieldMenuItems items = FieldMenuOnOpen(s);
  s.AutoMode = kFalse;
  c.desk.Focus(Window::frmField);
  SetItemEnabled(m, "fmauto", items.autoEnabled);
  SetItemVisible(m, "fmhome", items.homeVisible);
  SetItemEnabled(m, "fmhome", items.homeEnabled);
  ShowAlwaysOnTopItems(m, kFieldInFront, s.AlwaysOnTop);
  SetItemVisible(m, "fmescape", items.escapeVisible);
  SetItemEnabled(m, kFieldEnd, items.endEnabled);
  SetItemVisible(m, kFieldSpeed.menu, true);
  CheckSpeedItem(m, kFieldSpeed, s.TickInterval);
  c.desk.PopupMenu(Window::frmFMenu, m);
}

void EscapeCommand(Scenes& c) {
  ChooseEscape(c.s);
  EscapeTurn(c);
}

void GoHomeCommand(Scenes& c) {
  ChooseGoHome(c.s);
  HomeTurn(c);
}

}  // namespace tolmark::field
