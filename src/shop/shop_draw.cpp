// Drawing the shop: merchant, visitor and the board beside the merchant.
#include "shop/shop_draw.h"
#include "model/numbers.h"

#include "art/picture_names.h"

namespace tolmark::shop {

void DrawShop(Scenes& c, ShopFrame frame) {
  const GameState& s = c.s;
  c.desk.BeginScene(Window::frmShop, 1);
  if (frame != ShopFrame::BoardOnly) {
    c.desk.DrawPicture(Window::frmShop, picture::kShopHero, s.HeroX, s.HeroY);
  }
  if (frame == ShopFrame::WithVisitor) {
    c.desk.DrawPicture(Window::frmShop, s.VisitorPicture, s.VisitorX, s.VisitorY);
  }
  c.desk.DrawPicture(Window::frmShop, s.ShopSign, SatSub(s.HeroX, c.PxX(15)), SatSub(s.HeroY, c.PxY(5)));
  c.desk.ShowScene(Window::frmShop);
}

}  // namespace tolmark::shop
