// Opening, closing (asking first when a customer waits), sleeping and fainting.
#include <string>

#include "art/picture_names.h"
#include "model/language.h"
#include "scene/dialogue.h"
#include "scene/dispatch.h"
#include "scene/interruption.h"
#include "scene/small_windows.h"
#include "scene/startup.h"
#include "shop/counter_talk.h"
#include "shop/day.h"
#include "shop/deal.h"
#include "shop/shop_codes.h"
#include "shop/shop_commands.h"
#include "shop/shop_draw.h"
#include "shop/shop_operations.h"

namespace tolmark::shop {
namespace {

// The shop shuts: closed board, nobody at the counter, the tick stopped.
void CloseTheShop(Scenes& c) {
  GameState& s = c.s;
  s.ShopSign = picture::kClosedBoard;
  DrawShop(c, ShopFrame::MerchantAndBoard);
  c.desk.CloseWindow(Window::frmMessage);
  s.VisitorPicture = 99999;
  s.PendingAction = code::Idle;
  s.EventActive = kFalse;
  s.AutoMode = kFalse;
  s.CommandBusy = kFalse;
  c.desk.SetTimer(Window::frmShop, Timer::Timer1, 0);
  s.InterruptPrompt = kFalse;
  s.ShopOpen = kFalse;
}

}  // namespace

void OpenShop(Scenes& c) {
  GameState& s = c.s;
  s.ShopSign = picture::kCounterBoard;
  DrawShop(c, ShopFrame::MerchantAndBoard);
  s.ShopOpen = kTrue;
  c.desk.SetTimer(Window::frmShop, Timer::Timer1, s.TickInterval);
  c.desk.Focus(Window::frmShop);
  if (s.OrderListOpen == kTrue) {
    s.OrderListOpen = kFalse;
    c.desk.CloseWindow(Window::frmOrder);
  }
}

void StartClosing(Scenes& c) {
  BeginInterruption(c.s, code::ClosingBegins);
  c.desk.Focus(Window::frmShop);
  ShopClose(c);
}

void ShopClose(Scenes& c) {
  GameState& s = c.s;
  if (s.EventActive == kTrue) {
    if (s.PendingAction == code::ClosingBegins) {
      s.InterruptPrompt = kTrue;
      for (Window w : {Window::frmMessage, Window::frmYes, Window::frmNo}) c.desk.CloseWindow(w);
      MerchantLine(c, "客がいるのに閉店するのか？評判が落ちるぞ", code::AskToClose);
      return;
    }
    if (s.PendingAction == code::AskToClose) {
      s.InterruptAnswer = 0;
      s.AwaitingAnswer = kTrue;
      c.desk.Focus(Window::frmShop);
      AskYesNo(c, "閉店する", "閉店しない");
      return;
    }
    if (s.InterruptAnswer == kAnswerYes) {
      CancelVisitForClosing(s, c.rnd);
      RefreshOpenWindows(c);
      CloseTheShop(c);
      return;
    }
    if (s.InterruptAnswer == kAnswerNo) {
      // A customer who had made his request makes it again; one still walking walks on.
      const std::int32_t saved = AbandonInterruption(c);
      const bool requestMade = saved >= code::RequestMadeFirst && saved <= code::RequestMadeLast;
      s.PendingAction = requestMade ? code::VisitBegins : saved;
      Dispatch(c, 1, true);
      return;
    }
    return;
  }
  CloseTheShop(c);
}

void StartSleeping(Scenes& c) {
  GameState& s = c.s;
  s.CommandBusy = kTrue;
  s.DealAmount = LivingCost(s);
  s.PendingAction = code::SayRested;
  c.desk.Focus(Window::frmShop);
  Sleeping(c);
}

void Sleeping(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::SayRested:
      MerchantLine(c, "体力が全快した！", code::ChargeForTheNight);
      return;
    case code::ChargeForTheNight:
      ChargeLivingCost(s);
      MerchantLine(c,
                   Fill("生活費として{amount}カリムかかったようだ",
                        {{"amount", std::to_string(s.DealAmount)}}),
                   code::WakeUp);
      return;
    case code::WakeUp:
      // HP comes back only once both lines have been read.
      s.PendingAction = code::Idle;
      s.HP = s.MaxHP;
      s.CommandBusy = kFalse;
      RefreshOpenWindows(c);
      c.desk.CloseWindow(Window::frmMessage);
      return;
    default:
      return;
  }
}

}  // namespace tolmark::shop
