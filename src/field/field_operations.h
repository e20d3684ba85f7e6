// The field scene's operations, by the step-code ranges its row hands them.
#pragma once

#include "scene/scenes.h"

namespace tolmark::field {

void FighterAtack(Scenes& c);   // 1..19
void MonsterAtack(Scenes& c);   // 20..29
void BattleEnd(Scenes& c);      // 30..39
void ResumeWalking(Scenes& c);  // 40..49
void GameOver(Scenes& c);       // 50..59
void CarriageTurn(Scenes& c);   // 100..119
void PriestTurn(Scenes& c);     // 120..129
void ItemTurn(Scenes& c);       // 200..219
void EscapeTurn(Scenes& c);     // 220..229
void EventTurn(Scenes& c);      // 300..399
void CheckTurn(Scenes& c);      // 400..499
void BossTurn(Scenes& c);       // 500..599
void MoveNextStage(Scenes& c);  // 600..699
void HomeTurn(Scenes& c);       // 700..799

// The field window's start-up: nothing unless the shop or the town handed over to it.
void FieldStartUp(Scenes& c);

// The field tick (Timer1 of frmField); the dialogue layer also calls it in automatic play.
void FieldTick(Scenes& c);

// Right click (or the menu key): the field's menu prepared for the moment and popped up.
void OpenFieldMenu(Scenes& c);

// Hand-overs from the road: home to the shop, and through the gate into the town or castle.
void HandOverFieldToShop(Scenes& c);
void HandOverFieldToArms(Scenes& c);

}  // namespace tolmark::field
