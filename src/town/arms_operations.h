// The town and castle scene's operations, by the step-code ranges the dispatcher hands them.
#pragma once

#include <string_view>

#include "scene/scenes.h"

namespace tolmark {

void ShopArms(Scenes& c);    // 1..199 in the town
void CastleTurn(Scenes& c);  // 1..199 at the castle
void BuyArms(Scenes& c);     // 200..499
void GoHome(Scenes& c);      // 500..699
void EndingTurn(Scenes& c);  // 700..899

// The town/castle's own start-up after the shared part: dealer or king, first frame.
void ArmsStartUpScene(Scenes& c);

// The town/castle tick (Timer1 of frmArms).
void ArmsTick(Scenes& c);

// A town menu item that is the town's own (abuy, ahome).
void ArmsMenuChosen(Scenes& c, std::string_view item);

}  // namespace tolmark
