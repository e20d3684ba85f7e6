// The counter scene of the town and the castle: the hero walks in, talks at the counter, buys
// or leaves, and walks out to the road home.
#include "town/arms_operations.h"

#include "art/picture_names.h"
#include "scene/common_commands.h"
#include "scene/outcome.h"
#include "scene/small_windows.h"
#include "scene/startup.h"
#include "town/arms_layout.h"
#include "town/counter_walk.h"
#include "town/market_deal.h"
#include "town/market_opening.h"
#include "town/market_talk.h"
#include "town/town_codes.h"
#include "town/town_scene.h"

namespace tolmark::town {
void ArmsStartUp(Scenes& c) {
  GameState& s = c.s;
  if (!EnterScene(c, kTownScene)) return;
  const ScreenMetrics m = ScreenMetrics::Of(c.desk);
  EnterCounterScene(s, m);
  // The figure behind its counter; the hero is not on screen yet.
  const ScenePoint board = CounterBoardAt(s, m);
  c.desk.BeginScene(Window::frmArms, 1);
  c.desk.DrawPicture(Window::frmArms, s.VisitorPicture, s.VisitorX, s.VisitorY);
  c.desk.DrawPicture(Window::frmArms, picture::kCounterBoard, board.x, board.y);
  c.desk.ShowScene(Window::frmArms);
  c.desk.SetTimer(Window::frmArms, Timer::Timer1, kWalkingTickMs);
  if (s.Destination == destination::kTown) OpenMarket(s, c.rnd);
}

void ArmsTick(Scenes& c) {
  GameState& s = c.s;
  // A window left over from an earlier visit goes.
  if (s.SceneEntry != entry::kToTown) {
    CloseSceneWindow(c, Window::frmArms);
    return;
  }
  if (s.PendingAction >= code::SayEndQuestion) return;  // the end question is open
  switch (s.ScenePhase) {
    case 0:
      s.ScenePhase = 10;
      return;
    case 10:
      if (s.Homebound != kFalse) {
        HandOverArmsToField(c);
        return;
      }
      s.AwaitingAnswer = kFalse;
      AnimateCounter(c);
      return;
    case 20:
      ArriveAtCounter(s);
      c.desk.SetTimer(Window::frmArms, Timer::Timer1, 0);  // the walk waits during the talk
      CounterTurn(c);
      return;
    case 30:
      AnimateCounter(c);
      return;
    default:
      return;
  }
}

// At the castle, while the delivery is being counted, a click does nothing.
void CounterTurn(Scenes& c) {
  if (c.s.Destination == destination::kTown) {
    ShopArms(c);
  } else if (c.s.PendingAction != code::Counting) {
    CastleTurn(c);
  }
}

void ShopArms(Scenes& c) { Perform(c, ShopArmsTalk(c.s)); }

void BuyArms(Scenes& c) { Perform(c, BuyArmsTurn(c.s)); }

void GoHome(Scenes& c) { Perform(c, GoHomeTurn(c.s)); }

void WalkOut(Scenes& c) { c.desk.SetTimer(Window::frmArms, Timer::Timer1, kWalkingTickMs); }

void BuyCommand(Scenes& c) {
  StartBuying(c.s);
  BuyArms(c);
}

void GoHomeCommand(Scenes& c) {
  StartGoingHome(c.s);
  GoHome(c);
}

void HandOverArmsToField(Scenes& c) {
  c.s.SceneEntry = entry::kToField;
  c.desk.SetTimer(Window::frmArms, Timer::Timer1, 0);
  CloseSmallWindows(c, kTownScene);
  CloseSceneWindow(c, Window::frmArms);
  StartEnteredScene(c);
}

}  // namespace tolmark::town
