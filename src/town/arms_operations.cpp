// The town and castle's own operations, each entered with the step code of its range. The
// market, the delivery and the ending come with their rules.
#include "town/arms_operations.h"

#include "scene/small_windows.h"
#include "scene/startup.h"
#include "town/town_scene.h"

namespace tolmark::town {

void ShopArms(Scenes&) {}
void CastleTurn(Scenes&) {}
void BuyArms(Scenes&) {}
void GoHome(Scenes&) {}
void EndingTurn(Scenes&) {}
void ArmsTick(Scenes&) {}

void ArmsStartUp(Scenes& c) {
  if (!EnterScene(c, kTownScene)) return;
  c.desk.SetTimer(Window::frmArms, Timer::Timer1, kWalkingTickMs);
}

void HandOverArmsToField(Scenes& c) {
  c.s.SceneEntry = entry::kToField;
  c.desk.SetTimer(Window::frmArms, Timer::Timer1, 0);
  CloseSmallWindows(c, kTownScene);
  CloseSceneWindow(c, Window::frmArms);
  StartEnteredScene(c);
}

}  // namespace tolmark::town
