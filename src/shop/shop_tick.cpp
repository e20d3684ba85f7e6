// The shop tick: idle, walking in, at the counter, walking out.
#include "shop/shop_tick.h"

#include "scene/dialogue.h"
#include "scene/keys.h"
#include "scene/startup.h"
#include "shop/shop_codes.h"
#include "shop/shop_operations.h"
#include "shop/shop_walk.h"

namespace tolmark::shop {
namespace {

// An exit or close question is open: the shop stands still until it is answered.
bool QuestionHoldsShop(std::int32_t step) {
  return code::EndQuestionOpen(step) || step == code::ClosingBegins || step == code::AskToClose;
}

void SetWalkingPeriod(Scenes& c) {
  if (c.desk.TimerPeriod(Window::frmShop, Timer::Timer1) != kWalkingTickMs) {
    c.desk.SetTimer(Window::frmShop, Timer::Timer1, kWalkingTickMs);
  }
}

}  // namespace

void ShopTick(Scenes& c) {
  GameState& s = c.s;
  if (s.ShopOpen != kTrue) {
    c.desk.SetTimer(Window::frmShop, Timer::Timer1, 0);
    return;
  }
  if (s.SceneEntry == entry::kToField || s.SceneEntry == entry::kToTown) {
    CloseSceneWindow(c, Window::frmShop);
    return;
  }
  if (QuestionHoldsShop(s.PendingAction)) return;

  if (s.EventActive != kTrue) {
    AnimateMerchant(c);
    TimerEvent(c);
    return;
  }
  switch (s.ScenePhase) {
    case 10:
      SetWalkingPeriod(c);
      s.AwaitingAnswer = kFalse;
      s.PendingAction = code::Idle;
      AnimateCustomerWalk(c);
      return;
    case 20:
      c.desk.SetTimer(Window::frmShop, Timer::Timer1, 0);
      s.ScenePhase = 21;
      BuyANDSellItem(c);
      return;
    case 21:
      // Automatic play only: the balloon that called this tick asks for the next line or answer.
      if (s.AutoMode == kTrue) ReadOnInAutomaticPlay(c, kKeyY);
      return;
    case 30:
      AnimateCustomerWalk(c);
      return;
    default:
      return;
  }
}

}  // namespace tolmark::shop
