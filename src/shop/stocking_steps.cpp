// Setting out on a trip: the castle trip's wagon offer and loading, then the road.
#include "scene/dialogue.h"
#include "model/numbers.h"
#include "scene/small_windows.h"
#include "scene/startup.h"
#include "shop/counter_talk.h"
#include "shop/shop_codes.h"
#include "shop/shop_commands.h"
#include "shop/shop_operations.h"
#include "shop/shop_scene.h"
#include "shop/stock_moves.h"

namespace tolmark::shop {

void HandOverShopToField(Scenes& c) {
  GameState& s = c.s;
  s.CommandBusy = kFalse;
  s.SceneEntry = entry::kToField;
  CloseSmallWindows(c, kShopScene);
  c.desk.CloseWindow(Window::frmMessage);
  CloseSceneWindow(c, Window::frmShop);
  StartEnteredScene(c);
  c.desk.Sleep(1000);
}

namespace {

void DepartOnFoot(Scenes& c) {
  c.s.WagonHired = kFalse;
  HandOverShopToField(c);
}

}  // namespace

void StartTrip(Scenes& c, std::int32_t destination) {
  GameState& s = c.s;
  s.CommandBusy = kTrue;
  s.Destination = destination;
  if (destination == tolmark::destination::kCastle) s.PendingAction = code::OfferWagon;
  c.desk.Focus(Window::frmShop);
  Stocking(c);
}

void Stocking(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::OfferWagon:
      if (s.Gold < kWagonFee) break;
      // After the ending there is no order left to carry.
      if (s.GameCleared == kTrue) {
        DepartOnFoot(c);
        return;
      }
      MerchantLine(c, "国に荷物を届ける為に荷馬車を使おうか？", code::TellWagonFee);
      return;
    case code::TellWagonFee:
      MerchantLine(c, "荷馬車を雇うのに、10万カリム掛かるがどうする？", code::AskForWagon);
      return;
    case code::AskForWagon:
      AskAtCounter(c, "使う", "使わない");
      return;
    case code::LoadTheWagon:
      if (LoadWagon(s) == 0) {
        MerchantLine(c, "ん？注文されている物が店にないようだ", code::NoNeedOfWagon);
        return;
      }
      SubtractFrom(s.Gold, kWagonFee);
      s.BagCapacity = kWagonBagCapacity;
      s.WagonHired = kTrue;
      HandOverShopToField(c);
      return;
    case code::NoNeedOfWagon:
      MerchantLine(c, "馬車を借りる必要がないな", code::DepartWithoutWagon);
      return;
    case code::DepartWithoutWagon:
      s.BagCapacity = s.SavedBagCapacity;
      DepartOnFoot(c);
      return;
    default:
      break;
  }
  // The wagon question's answer is read only at the code the prompt raised the step to.
  const bool answered = s.PendingAction == code::WagonAnswered;
  if (answered && s.Answer == kAnswerYes) {
    s.Answer = 0;
    for (Window w : {Window::frmList, Window::frmShopItem, Window::frmStatus, Window::frmOrder}) {
      c.desk.CloseWindow(w);
    }
    s.ItemListOpen = s.StatusOpen = s.CollectionListOpen = s.OrderListOpen = kFalse;
    MerchantLine(c, "店にある品で注文されていた物を持って行こう", code::LoadTheWagon);
    return;
  }
  if (answered && s.Answer == kAnswerNo) s.Answer = 0;
  DepartOnFoot(c);
}

}  // namespace tolmark::shop
