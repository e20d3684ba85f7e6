// Scene start-ups and hand-overs: which state each scene sets up and which survives the change.
#include "scene/startup.h"

#include <string>

#include "field/field_operations.h"
#include "field/field_windows.h"
#include "present/shapes.h"
#include "scene/dialogue.h"
#include "scene/home_coming.h"
#include "scene/menus.h"
#include "shop/shop_draw.h"
#include "shop/shop_windows.h"
#include "town/arms_operations.h"
#include "town/town_windows.h"

namespace tolmark {
namespace {

constexpr std::string_view kSecondCopyRefusal =
    "多重起動起動防止システム作動！\r\nゲームを強制終了します！";
constexpr std::string_view kCarriedHome = "ここは家か……。馬車の人に感謝しないとな";

void SetWatchdogFromOption(Scenes& c, Window scene) {
  c.desk.SetTimer(scene, Timer::Timer2, c.s.AlwaysOnTop == kTrue ? kWatchdogTickMs : 0);
}

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
  if (s.SceneEntry == 2 || s.SceneEntry == 6) return;

  s.StartingUp = kTrue;
  s.SceneName = "frmShop";
  s.ActiveScene = Window::frmShop;
  c.desk.ShowWindow(Window::frmShop);
  SetWatchdogFromOption(c, Window::frmShop);
  ResetShopMenu(c);

  s.HeroX = c.PxX(100);
  s.HeroY = c.desk.WorkAreaHeight() - PictureHeight(57);
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
  s.ShopSign = 44;
  DrawShop(c, ShopFrame::MerchantAndBoard);

  if (s.WagonHired != kFalse) s.BagCapacity = s.SavedBagCapacity;
  s.WagonHired = kFalse;

  if (s.HeroFainted != kFalse) {
    s.EventActive = kTrue;
    s.HeroFainted = kFalse;
    s.PendingAction = 999;
    c.desk.Pump();
    Say(c, kCarriedHome, kTrue);
  }
  s.StartingUp = kFalse;
}

bool FieldStartUpShared(Scenes& c) {
  GameState& s = c.s;
  if (s.SceneEntry != 2) return false;
  s.SceneName = "frmField";
  s.ActiveScene = Window::frmField;
  c.desk.ShowWindow(Window::frmField);
  SetWatchdogFromOption(c, Window::frmField);
  ResetFieldMenu(c);
  s.StartingUp = kFalse;
  s.SelectedRow = 0;
  c.desk.SetTimer(Window::frmField, Timer::Timer1, s.TickInterval);
  return true;
}

bool ArmsStartUpShared(Scenes& c) {
  GameState& s = c.s;
  if (s.SceneEntry != 6) return false;
  s.SceneName = "frmArms";
  s.ActiveScene = Window::frmArms;
  c.desk.ShowWindow(Window::frmArms);
  SetWatchdogFromOption(c, Window::frmArms);
  ResetArmsMenu(c);
  c.desk.SetTimer(Window::frmArms, Timer::Timer1, kWalkingTickMs);
  return true;
}

void FieldStartUp(Scenes& c) {
  if (FieldStartUpShared(c)) FieldStartUpScene(c);
}

void ArmsStartUp(Scenes& c) {
  if (ArmsStartUpShared(c)) ArmsStartUpScene(c);
}

void CloseSceneWindow(Scenes& c, Window scene) {
  c.desk.SetTimer(scene, Timer::Timer1, 0);
  c.desk.SetTimer(scene, Timer::Timer2, 0);
  c.desk.CloseWindow(scene);
}

void HandOverShopToField(Scenes& c) {
  GameState& s = c.s;
  s.CommandBusy = kFalse;
  s.SceneEntry = 2;
  for (Window w : {Window::frmList, Window::frmShopItem, Window::frmStatus, Window::frmOrder}) {
    c.desk.CloseWindow(w);
  }
  s.ItemListOpen = kFalse;
  s.StatusOpen = kFalse;
  s.CollectionListOpen = kFalse;
  s.OrderListOpen = kFalse;
  c.desk.CloseWindow(Window::frmMessage);
  CloseSceneWindow(c, Window::frmShop);
  FieldStartUp(c);
  c.desk.Sleep(1000);
}

void HandOverFieldToShop(Scenes& c) {
  GameState& s = c.s;
  s.SceneEntry = 4;
  s.EventCode = 9999;
  s.FieldEventItem = 99999;
  s.FixedWaitMessage = kFalse;
  s.ReturnedHome = kTrue;
  c.desk.CloseWindow(Window::frmFItem);
  c.desk.CloseWindow(Window::frmFStatus);
  s.ItemListOpen = kFalse;
  s.StatusOpen = kFalse;
  CloseSceneWindow(c, Window::frmField);
  ShopStartUp(c);
  c.desk.Pump();
  c.desk.Sleep(1000);
}

void HandOverFieldToArms(Scenes& c) {
  c.s.SceneEntry = 6;
  c.desk.CloseWindow(Window::frmMessage);
  // The field window stays until its next tick sees the new entry code and closes it.
  ArmsStartUp(c);
}

void HandOverArmsToField(Scenes& c) {
  c.s.SceneEntry = 2;
  c.desk.SetTimer(Window::frmArms, Timer::Timer1, 0);
  c.desk.CloseWindow(Window::frmABuy);
  c.desk.CloseWindow(Window::frmASell);
  CloseSceneWindow(c, Window::frmArms);
  FieldStartUp(c);
}

void RefreshOpenWindows(Scenes& c) {
  GameState& s = c.s;
  if (InShop(s)) {
    if (s.ItemListOpen != kFalse) ShowStockList(s, c.desk);
    if (s.StatusOpen != kFalse) ShowStatus(s, c.desk);
    if (s.CollectionListOpen != kFalse) ShowCollectionList(s, c.desk);
    c.desk.Focus(Window::frmShop);
  } else if (InField(s)) {
    if (s.ItemListOpen != kFalse) LoadFieldItemWindow(c);
    if (s.StatusOpen != kFalse) LoadFieldStatusWindow(c);
    c.desk.Focus(Window::frmField);
  } else if (InArms(s)) {
    LoadArmsSellWindow(c);
    LoadArmsBuyWindow(c);
    c.desk.Focus(Window::frmArms);
  }
}

}  // namespace tolmark
