// The town and castle's own operations, each entered with the step code of its range. None does
// anything yet: the market, the delivery and the ending come with their rules.
#include "town/arms_operations.h"

namespace tolmark {

void ShopArms(Scenes&) {}
void CastleTurn(Scenes&) {}
void BuyArms(Scenes&) {}
void GoHome(Scenes&) {}
void EndingTurn(Scenes&) {}
void ArmsStartUpScene(Scenes&) {}
void ArmsTick(Scenes&) {}
void ArmsMenuChosen(Scenes&, std::string_view) {}

}  // namespace tolmark
