// The field scene's operations: those its row hands the step codes to, and those the tick, the
// encounter roll and the encounters call one another by.
#pragma once

#include "scene/scenes.h"

namespace tolmark::field {

// Continued by a click, by step-code range.
void FighterAtack(Scenes& c);
void MonsterAtack(Scenes& c);
void BattleEnd(Scenes& c);
void ResumeWalking(Scenes& c);
void GameOver(Scenes& c);
void CarriageTurn(Scenes& c);
void PriestTurn(Scenes& c);
void ItemTurn(Scenes& c);
void EscapeTurn(Scenes& c);
void EventTurn(Scenes& c);
void CheckTurn(Scenes& c);
void BossTurn(Scenes& c);
void MoveNextStage(Scenes& c);
void HomeTurn(Scenes& c);

// The last line of an encounter said: it ends, and automatic play walks on at once.
void FinishEncounter(Scenes& c);

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
