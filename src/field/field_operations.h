// The field scene's operations: those its row hands the step codes to, and those the tick, the
// encounter roll and the encounters call one another by.
#pragma once

#include "scene/scenes.h"

namespace tolmark::field {

// Continued by a click, by step-code range.
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

// Somebody steps up to the hero: called by the tick and the encounter roll.
void TimerEvent(Scenes& c);      // the encounter roll
void MonsterSelect(Scenes& c);   // a wandering monster
void BossSelect(Scenes& c);      // the boss of the stage's end
void CarriageSelect(Scenes& c);  // the carriage to モノリス
void CheckPoint(Scenes& c);      // the guard at step 200 of the castle road
void ItemSelect(Scenes& c);      // a find by the roadside
void PriestSelect(Scenes& c);    // the wandering priest
void EventSelect(Scenes& c);     // a traveller

// The field window's start-up: nothing unless the shop or the town handed over to it.
void FieldStartUp(Scenes& c);

// The field tick (Timer1 of frmField); the dialogue layer also calls it in automatic play.
void FieldTick(Scenes& c);

// Right click (or the menu key): automatic play off, then the menu popped up.
void OpenFieldMenu(Scenes& c);

// The menu's field commands: 逃げる in a battle, 店に帰る with the wagon.
void EscapeCommand(Scenes& c);
void GoHomeCommand(Scenes& c);

// Hand-overs from the road: home to the shop, and through the gate into the town or castle.
void HandOverFieldToShop(Scenes& c);
void HandOverFieldToArms(Scenes& c);

}  // namespace tolmark::field
