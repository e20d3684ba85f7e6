// The town and castle scene's operations: those its row hands the step codes to, its start-up,
// tick and menu, and the hand-over back to the road.
#pragma once

#include "scene/scenes.h"

namespace tolmark::town {

void CounterTurn(Scenes& c);  // the market in the town, the king at the castle
void ShopArms(Scenes& c);     // the town's counter
void CastleTurn(Scenes& c);   // the castle's counter
void BuyArms(Scenes& c);      // buying the shopping list
void GoHome(Scenes& c);       // leaving without it
void EndingTurn(Scenes& c);   // the ending

// The hero leaves the counter (StartWalkingOut done): Timer1 at the walking pace takes him out.
void WalkOut(Scenes& c);

// The town/castle window's start-up: nothing unless the road handed over to it.
void ArmsStartUp(Scenes& c);

// The town/castle tick (Timer1 of frmArms).
void ArmsTick(Scenes& c);

// The menu's commands: 買う and 帰る.
void BuyCommand(Scenes& c);
void GoHomeCommand(Scenes& c);

// Leaving for the road home: the town's windows close and the field starts up.
void HandOverArmsToField(Scenes& c);

}  // namespace tolmark::town
