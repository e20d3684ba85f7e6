// The field scene's operations, by the step-code ranges the dispatcher hands them.
#pragma once

#include <string_view>

#include "scene/scenes.h"

namespace tolmark {

void FighterAtack(Scenes& c);   // 1..19
void MonsterAtack(Scenes& c);   // 20..29
void BattleEnd(Scenes& c);      // 30..39
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

// The field's own start-up after the shared part: positions, pictures, first balloon.
void FieldStartUpScene(Scenes& c);

// The field tick (Timer1 of frmField); the dialogue layer also calls it in automatic play.
void FieldTick(Scenes& c);

// A field menu item that is the field's own (fmstatus, fmitem, fmescape, fmhome).
void FieldMenuChosen(Scenes& c, std::string_view item);

}  // namespace tolmark
