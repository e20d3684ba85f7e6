// The field's right click and its menu's commands; the road's rules say which the moment allows.
#include "field/field_menu_rules.h"
#include "field/field_operations.h"
#include "scene/menus.h"

namespace tolmark::field {

void OpenFieldMenu(Scenes& c) {
  c.s.AutoMode = kFalse;
  c.desk.Focus(Window::frmField);
  PopUpMenu(c);
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
