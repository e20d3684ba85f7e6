// The merchant behind his counter and the customers who come and go.
#include "shop/shop_walk.h"

#include "art/picture_names.h"
#include "model/numbers.h"
#include "scene/walk_step.h"
#include "shop/shop_codes.h"

namespace tolmark::shop {
namespace {

constexpr FrameSequence kMerchantIdle = {picture::kShopHero, picture::kShopHero + 1,
                                         picture::kShopHero, picture::kShopHero + 2};

void DrawMerchant(Scenes& c) {
  GameState& s = c.s;
  DrawAndAdvance(c, Window::frmShop, kMerchantIdle, 0, s.HeroFrame, s.HeroX, s.HeroY);
}

void DrawSignAndPresent(Scenes& c) {
  const GameState& s = c.s;
  c.desk.DrawPicture(Window::frmShop, s.ShopSign, SatSub(s.HeroX, c.PxX(15)),
                     SatSub(s.HeroY, c.PxY(5)));
  c.desk.ShowScene(Window::frmShop);
}

}  // namespace

void AnimateMerchant(Scenes& c) {
  DrawMerchant(c);
  DrawSignAndPresent(c);
}

void AnimateCustomerWalk(Scenes& c) {
  GameState& s = c.s;
  DrawMerchant(c);
  switch (StepWalker(c, Window::frmShop, s.VisitorX, s.VisitorY, s.VisitorFrame,
                     kSixPictureRight, kSixPictureLeft, s.VisitorPicture)) {
    case Walked::Drawn:
      DrawSignAndPresent(c);
      return;
    case Walked::Arrived:
      s.PendingAction = code::VisitBegins;
      return;
    case Walked::Gone:
      c.desk.SetTimer(Window::frmShop, Timer::Timer1, s.TickInterval);
      return;
    case Walked::Still:
      return;
  }
}

}  // namespace tolmark::shop
