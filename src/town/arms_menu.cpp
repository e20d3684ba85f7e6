// The town's right-click menu: buying and going home, none of it at the castle.
#include "model/numbers.h"
#include "scene/menus.h"
#include "town/arms_operations.h"
#include "town/town_codes.h"
#include "town/town_scene.h"

namespace tolmark::town {

void OpenArmsMenu(Scenes& c) {
  GameState& s = c.s;
  Menu& m = MenuOf(c, kTownScene);
  ShowAlwaysOnTopItems(m, kTownInFront, s.AlwaysOnTop);

  const bool busy = s.CommandBusy == kTrue;
  // Once the list is paid for or leaving is agreed, the visit has nothing more to sell.
  if (s.Destination == destination::kCastle || s.MarketDealDone == kTrue) {
    SetItemVisible(m, "abuy", false);
    SetItemVisible(m, "ahome", false);
  } else if (s.TownPurchaseCount >= 1 && !busy) {
    SetItemVisible(m, "abuy", true);
    SetItemVisible(m, "ahome", true);
  } else {
    SetItemVisible(m, "abuy", false);
    SetItemVisible(m, "ahome", s.PendingAction == code::Browsing && !busy);
  }
  if (InRange(s.PendingAction, code::EndingFirst, code::EndingLast)) {
    SetItemVisible(m, "abuy", false);
    SetItemVisible(m, "ahome", false);
    SetItemVisible(m, kTownEnd, true);
  }
  c.desk.PopupMenu(Window::frmAMenu, m);
}

}  // namespace tolmark::town
