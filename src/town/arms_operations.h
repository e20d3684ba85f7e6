// The town and castle scene's operations, by the step-code ranges its row hands them.
#pragma once

#include "scene/scenes.h"

namespace tolmark::town {

void ShopArms(Scenes& c);    // 1..199 in the town
void CastleTurn(Scenes& c);  // 1..199 at the castle
void BuyArms(Scenes& c);     // 200..499
void GoHome(Scenes& c);      // 500..699
void EndingTurn(Scenes& c);  // 700..899

// The town/castle window's start-up: nothing unless the road handed over to it.
void ArmsStartUp(Scenes& c);

// The town/castle tick (Timer1 of frmArms).
void ArmsTick(Scenes& c);

// Right click (or the menu key): the town's menu prepared for the moment and popped up.
void OpenArmsMenu(Scenes& c);

// Leaving for the road home: the town's windows close and the field starts up.
void HandOverArmsToField(Scenes& c);

}  // namespace tolmark::town
