// Routing of advances by scene and step-code range; menus are prepared in scene/menus.
#include "scene/dispatch.h"

#include "field/field_operations.h"
#include "scene/common_commands.h"
#include "scene/menus.h"
#include "shop/shop_draw.h"
#include "shop/shop_operations.h"
#include "town/arms_operations.h"

namespace tolmark {
namespace {

bool Within(std::int32_t code, std::int32_t low, std::int32_t high) {
  return code >= low && code <= high;
}

void ShopAdvance(Scenes& c, bool manual) {
  GameState& s = c.s;
  if (manual) {
    s.AutoMode = kFalse;
    s.ShopSign = 99;
    if (s.EventActive == kTrue && s.PendingAction != 999 && s.ShopOpen == kTrue) {
      DrawShop(c, ShopFrame::WithVisitor);
    }
    c.desk.Focus(Window::frmShop);
  }
  if (s.AwaitingAnswer == kTrue) return;

  const std::int32_t code = s.PendingAction;
  if (code == 999) {
    c.desk.CloseWindow(Window::frmMessage);
    s.PendingAction = 0;
    s.EventActive = kFalse;
  } else if (code >= 900) {
    ExitCommand(c);
  } else if (Within(code, 700, 899)) {
    EventStart(c);
  } else if (Within(code, 600, 699)) {
    SaveORLoad(c);
  } else if (Within(code, 500, 599)) {
    ShopClose(c);
  } else if (Within(code, 400, 499)) {
    Stocking(c);
  } else if (Within(code, 300, 399)) {
    Sleeping(c);
  } else if (Within(code, 1, 299)) {
    BuyANDSell(c);
  }
}

// Codes 40..49: the encounter is over and the hero walks on (or the boss fight goes on).
void ResumeWalking(Scenes& c) {
  GameState& s = c.s;
  s.FieldStop = kFalse;
  c.desk.CloseWindow(Window::frmMessage);
  SetItemVisible(c.menus.field, "fmescape", false);
  SetItemEnabled(c.menus.field, "fmend", true);
  if (s.BossBattle != kFalse) {
    s.PendingAction = s.VisitorPicture == 119 ? 520 : 510;
    BossTurn(c);
    return;
  }
  c.desk.BeginScene(Window::frmField, 1);
  c.desk.DrawPicture(Window::frmField, s.LandmarkPicture, s.LandmarkX, s.HeroY);
  c.desk.DrawPicture(Window::frmField, s.HeroPicture, s.HeroX, s.HeroY);
  if (s.AutoMode == kTrue) c.desk.DrawPicture(Window::frmField, 101, 5, s.HeroY - c.PxY(20));
  c.desk.ShowScene(Window::frmField);
  s.EventActive = kFalse;
  s.CommandBusy = kFalse;
  s.PendingAction = 0;
}

void FieldAdvance(Scenes& c, bool manual) {
  GameState& s = c.s;
  if (manual) {
    s.AutoMode = kFalse;
    c.desk.Focus(Window::frmField);
  }
  if (s.AwaitingAnswer == kTrue) return;

  const std::int32_t code = s.PendingAction;
  if (Within(code, 1, 19)) {
    s.CommandBusy = kFalse;
    FighterAtack(c);
  } else if (Within(code, 20, 29)) {
    s.CommandBusy = kFalse;
    MonsterAtack(c);
  } else if (Within(code, 30, 39)) {
    BattleEnd(c);
  } else if (Within(code, 40, 49)) {
    ResumeWalking(c);
  } else if (Within(code, 50, 59)) {
    GameOver(c);
  } else if (Within(code, 100, 119)) {
    CarriageTurn(c);
  } else if (Within(code, 120, 129)) {
    PriestTurn(c);
  } else if (Within(code, 200, 219)) {
    ItemTurn(c);
  } else if (Within(code, 220, 229)) {
    EscapeTurn(c);
  } else if (Within(code, 300, 399)) {
    EventTurn(c);
  } else if (Within(code, 400, 499)) {
    CheckTurn(c);
  } else if (Within(code, 500, 599)) {
    BossTurn(c);
  } else if (Within(code, 600, 699)) {
    MoveNextStage(c);
  } else if (Within(code, 700, 799)) {
    HomeTurn(c);
  } else if (Within(code, 900, 902)) {
    ExitCommand(c);
  }
}

// The town and castle keep automatic play as it is: the manual flag is not used here.
void ArmsAdvance(Scenes& c) {
  GameState& s = c.s;
  if (s.AwaitingAnswer == kTrue) return;

  const std::int32_t code = s.PendingAction;
  if (code >= 900) {
    ExitCommand(c);
  } else if (Within(code, 700, 899)) {
    EndingTurn(c);
  } else if (Within(code, 500, 699)) {
    GoHome(c);
  } else if (Within(code, 200, 499)) {
    BuyArms(c);
  } else if (Within(code, 1, 199)) {
    if (s.Destination == 2) {
      ShopArms(c);
    } else if (code != 5) {  // 5: the castle is counting the delivery
      CastleTurn(c);
    }
  }
}

}  // namespace

void Dispatch(Scenes& c, int action, bool manual) {
  GameState& s = c.s;
  if (action == 1 && s.StartingUp == kTrue) return;
  if (action != 1 && action != 2) return;

  if (InShop(s)) {
    if (action == 1) {
      ShopAdvance(c, manual);
    } else {
      OpenShopMenu(c);
    }
  } else if (InField(s)) {
    if (action == 1) {
      FieldAdvance(c, manual);
    } else {
      OpenFieldMenu(c);
    }
  } else if (InArms(s)) {
    if (action == 1) {
      ArmsAdvance(c);
    } else {
      OpenArmsMenu(c);
    }
  }
}

}  // namespace tolmark
