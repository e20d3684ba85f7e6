// The field's right-click menu: running away in a battle, driving home with a wagon.
#include "field/field_operations.h"
#include "field/field_scene.h"
#include "model/numbers.h"
#include "scene/menus.h"

namespace tolmark::field {

void OpenFieldMenu(Scenes& c) {
  GameState& s = c.s;
  Menu& m = MenuOf(c, kFieldScene);
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
    const bool homeBlocked = InRange(code, 1, 59) || s.FieldSteps == 300 ||
                             s.HeroFainted != kFalse || InRange(code, 400, 499) ||
                             InRange(code, 700, 799);
    SetItemEnabled(m, "fmhome", !homeBlocked);
  }

  SetItemVisible(m, "fSpeed", true);
  CheckSpeedItem(m, "fSpeed", s.TickInterval);
  c.desk.PopupMenu(Window::frmFMenu, m);
}

}  // namespace tolmark::field
