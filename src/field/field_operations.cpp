// The field's own operations; travel, battles, bosses, finds and encounters are filled in
// with the field's rules. Each is entered with the step code of its range.
#include "field/field_operations.h"

#include "art/picture_names.h"
#include "field/field_scene.h"
#include "scene/dialogue.h"
#include "scene/keys.h"
#include "scene/menus.h"
#include "scene/small_windows.h"
#include "scene/startup.h"

namespace tolmark::field {

void FighterAtack(Scenes&) {}
void MonsterAtack(Scenes&) {}
void BattleEnd(Scenes&) {}
void GameOver(Scenes&) {}
void CarriageTurn(Scenes&) {}
void PriestTurn(Scenes&) {}
void ItemTurn(Scenes&) {}
void EscapeTurn(Scenes&) {}
void EventTurn(Scenes&) {}
void CheckTurn(Scenes&) {}
void BossTurn(Scenes&) {}
void MoveNextStage(Scenes&) {}
void HomeTurn(Scenes&) {}

// The encounter is over and the hero walks on (or the boss fight goes on).
void ResumeWalking(Scenes& c) {
  GameState& s = c.s;
  Menu& m = MenuOf(c, kFieldScene);
  s.FieldStop = kFalse;
  c.desk.CloseWindow(Window::frmMessage);
  SetItemVisible(m, "fmescape", false);
  SetItemEnabled(m, "fmend", true);
  if (s.BossBattle != kFalse) {
    s.PendingAction = s.VisitorPicture == picture::kDemonGail ? 520 : 510;
    BossTurn(c);
    return;
  }
  c.desk.BeginScene(Window::frmField, 1);
  c.desk.DrawPicture(Window::frmField, s.LandmarkPicture, s.LandmarkX, s.HeroY);
  c.desk.DrawPicture(Window::frmField, s.HeroPicture, s.HeroX, s.HeroY);
  if (s.AutoMode == kTrue) {
    c.desk.DrawPicture(Window::frmField, picture::kAutoMarker, 5, s.HeroY - c.PxY(20));
  }
  c.desk.ShowScene(Window::frmField);
  s.EventActive = kFalse;
  s.CommandBusy = kFalse;
  s.PendingAction = 0;
}

void FieldStartUp(Scenes& c) {
  GameState& s = c.s;
  if (!EnterScene(c, kFieldScene)) return;
  s.StartingUp = kFalse;
  s.SelectedRow = 0;
  c.desk.SetTimer(Window::frmField, Timer::Timer1, s.TickInterval);
}

void FieldTick(Scenes& c) {
  GameState& s = c.s;
  // The town or castle has taken over: this window goes.
  if (s.SceneEntry == entry::kToTown) {
    CloseSceneWindow(c, Window::frmField);
    return;
  }
  // Automatic play: the balloon that called this tick asks for the next line or the answer,
  // which on the road is always no.
  if (s.AutoMode == kTrue && ReadOnInAutomaticPlay(c, kKeyN)) return;
}

void HandOverFieldToShop(Scenes& c) {
  GameState& s = c.s;
  s.SceneEntry = entry::kToShop;
  s.EventCode = 9999;
  s.FieldEventItem = 99999;
  s.FixedWaitMessage = kFalse;
  s.ReturnedHome = kTrue;
  CloseSmallWindows(c, kFieldScene);
  CloseSceneWindow(c, Window::frmField);
  StartEnteredScene(c);
  c.desk.Pump();
  c.desk.Sleep(1000);
}

void HandOverFieldToArms(Scenes& c) {
  c.s.SceneEntry = entry::kToTown;
  c.desk.CloseWindow(Window::frmMessage);
  // The field window stays until its next tick sees the new entry code and closes it.
  StartEnteredScene(c);
}

}  // namespace tolmark::field
