// The shop window's start-up: a new game, or the merchant home from a trip.
#include "art/picture_names.h"
#include "present/shapes.h"
#include "scene/outcome.h"
#include "scene/startup.h"
#include "shop/home_coming.h"
#include "shop/shop_codes.h"
#include "shop/shop_draw.h"
#include "shop/shop_operations.h"
#include "shop/shop_scene.h"

namespace tolmark::shop {
namespace {

constexpr std::string_view kSecondCopyRefusal =
    "多重起動起動防止システム作動！\r\nゲームを強制終了します！";
constexpr std::string_view kCarriedHome = "ここは家か……。馬車の人に感謝しないとな";

}  // namespace

void ShopStartUp(Scenes& c) {
  GameState& s = c.s;
  if (c.desk.AnotherCopyRunning()) {
    c.desk.MessageBox(kSecondCopyRefusal, true);
    CloseSceneWindow(c, Window::frmShop);
    c.desk.EndProgram();
    return;
  }
  // A shop window brought back while a trip scene is on screen stays idle; its tick closes it.
  if (s.SceneEntry == entry::kToField || s.SceneEntry == entry::kToTown) return;

  s.StartingUp = kTrue;
  ShowSceneWindow(c, kShopScene);

  s.HeroX = c.PxX(100);
  s.HeroY = c.desk.WorkAreaHeight() - PictureHeight(picture::kShopHero);
  s.HeroFrame = 2;

  if (s.ReturnedHome != kFalse) {
    MergeCarriedGoods(c);
    s.Homebound = kFalse;
  } else {
    ApplyNewGame(s);
  }

  c.desk.CloseWindow(Window::frmMessage);
  ApplyShopStartReset(s);
  c.desk.SetTimer(Window::frmShop, Timer::Timer1, s.TickInterval);
  s.ShopSign = picture::kClosedBoard;
  DrawShop(c, ShopFrame::MerchantAndBoard);

  if (s.WagonHired != kFalse) s.BagCapacity = s.SavedBagCapacity;
  s.WagonHired = kFalse;

  if (s.HeroFainted != kFalse) {
    s.EventActive = kTrue;
    s.HeroFainted = kFalse;
    s.PendingAction = code::CarriedHome;
    c.desk.Pump();
    Speak(c, Speaker::Hero, kCarriedHome);
  }
  s.StartingUp = kFalse;
}

}  // namespace tolmark::shop
