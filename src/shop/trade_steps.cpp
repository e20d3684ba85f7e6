// A customer's visit, step by step: arrival, request, answer, reaction, experience, leaving.
#include "art/picture_names.h"
#include "model/progression.h"
#include "present/shapes.h"
#include "scene/dialogue.h"
#include "scene/outcome.h"
#include "scene/small_windows.h"
#include "scene/startup.h"
#include "shop/arrival.h"
#include "shop/counter_talk.h"
#include "shop/customer_lines.h"
#include "shop/day.h"
#include "shop/deal.h"
#include "shop/shop_codes.h"
#include "shop/shop_commands.h"
#include "shop/shop_draw.h"
#include "shop/shop_operations.h"

namespace tolmark::shop {
namespace {

constexpr std::int32_t kEntranceX = -32;
constexpr int kDarkShopMs = 1000;

// The merchant fainted at the counter: money and reputation are lost, the shop goes dark.
// (The field has a GameOver of its own; this one stays inside the shop.)
void GameOver(Scenes& c) {
  GameState& s = c.s;
  ApplyGameOverLosses(s);
  s.ShopSign = picture::kClosedBoard;
  DrawShop(c, ShopFrame::BoardOnly);
  c.desk.Sleep(kDarkShopMs);
  Speak(c, Speaker::Hero, "ふぅ…評判とお金が減ったようだ。働きすぎには気をつけないとな…");
  DrawShop(c, ShopFrame::MerchantAndBoard);
  RefreshOpenWindows(c);
}

// The merchant turns a piece away for lack of room; the customer's parting line follows.
void NoRoom(Scenes& c) {
  TurnAwayForNoRoom(c.s);
  Speak(c, Speaker::Hero, "悪いが、店が狭くて置く場所がないんだ");
}

// The customer's line at the current code, if he has one. The next code is set before the
// balloon: in automatic play the balloon itself runs the next step.
void SpeakCustomerLine(Scenes& c) {
  if (const auto line = CustomerLineFor(c.s)) Perform(c, *line);
}

}  // namespace

void VisitorWalksOut(Scenes& c) {
  c.s.PendingAction = code::Idle;
  c.desk.SetTimer(Window::frmShop, Timer::Timer1, kWalkingTickMs);
  c.s.ScenePhase = 30;
}

void TimerEvent(Scenes& c) {
  GameState& s = c.s;
  if (!VisitorComes(c.rnd, s.Reputation)) return;
  if (!ChooseVisitor(s, c.rnd)) return;
  s.VisitorX = kEntranceX;
  s.VisitorY = c.desk.WorkAreaHeight() - PictureHeight(s.VisitorPicture);
  s.VisitorFrame = 2;
  s.ScenePhase = 10;
}

void BuyANDSellItem(Scenes& c) {
  GameState& s = c.s;
  if (s.EventCode != 0) {
    if (s.AutoMode == kTrue) {
      s.ShopSign = picture::kCounterBoard;
      DrawShop(c, ShopFrame::WithVisitor);
    }
    s.PendingAction = code::VisitorGreets;
    EventStart(c);
    return;
  }
  PrepareDeal(s, c.rnd);
  BuyANDSell(c);
}

void BuyANDSell(Scenes& c) {
  GameState& s = c.s;
  const bool buyer = s.CustomerBuys != kFalse;
  if (s.PendingAction == code::Idle) return;

  if (s.PendingAction == code::AskTheDeal) {
    AskAtCounter(c, buyer ? "売る" : "買う", buyer ? "売らない" : "買わない");
    return;
  }

  // The answer is read only at the code the prompt raised the step to.
  const bool answered = s.PendingAction == code::DealAnswered;
  bool answeredYes = false;
  if (answered && s.Answer == kAnswerYes) {
    if (buyer) {
      SellToCustomer(s, c.rnd);
    } else if (!BuyFromCustomer(s, c.rnd)) {
      NoRoom(c);
      return;
    }
    RefreshOpenWindows(c);
    answeredYes = true;
  } else if (answered && s.Answer == kAnswerNo) {
    RefuseDeal(s, c.rnd);
  } else if (s.PendingAction == code::NoRoomInStock) {
    // A gift that found no room: turned away on the click after it.
    NoRoom(c);
    return;
  }

  if (answeredYes && s.HeroFainted == kTrue) {
    s.HeroFainted = kFalse;
    s.PendingAction = code::FaintAtCounter;
    s.AutoMode = kFalse;
    Speak(c, Speaker::Hero, "め……めまいが………");
    return;
  }

  switch (s.PendingAction) {
    case code::EarnExperience:
      GainExperience(s, c.rnd);
      RefreshOpenWindows(c);
      if (s.LevelUpPending == kTrue) {
        s.LevelUpPending = kFalse;
        MerchantLine(c, "レベルアップ！", code::LevelUpTold);
        return;
      }
      RefreshOpenWindows(c);
      VisitorWalksOut(c);
      return;
    case code::LevelUpTold:
      c.desk.CloseWindow(Window::frmMessage);
      RefreshOpenWindows(c);
      VisitorWalksOut(c);
      return;
    case code::FaintAtCounter:
      GameOver(c);
      s.PendingAction = code::CloseAfterFainting;
      return;
    case code::CloseAfterFainting:
      c.desk.CloseWindow(Window::frmMessage);
      s.EventActive = kFalse;
      s.PendingAction = code::ClosingBegins;
      ShopClose(c);
      return;
    default:
      break;
  }
  SpeakCustomerLine(c);
}

}  // namespace tolmark::shop
