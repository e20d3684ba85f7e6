// The gate at the end of the roads to the town and the castle.
#include "field/gate_rules.h"

#include "field/field_codes.h"
#include "field/roads.h"
#include "field/roadside_finds.h"
#include "model/inventory.h"

namespace tolmark::field {

bool ReachTheGate(GameState& s) {
  s.EventActive = kTrue;
  // Only a merchant bringing the king's whole order meets the dragon, and only once a trip.
  const bool opens = RoadTo(s.Destination).end == RoadEnd::TownGate || s.GameCleared == kTrue ||
                     OrderReadyInBag(s) == kFalse || s.BossBeatenThisTrip != kFalse;
  if (opens) s.PendingAction = code::SayArrived;
  return opens;
}

std::string_view ArrivalLine(std::int32_t destination) { return RoadTo(destination).arrival; }

void GoThroughTheGate(GameState& s) {
  SettleFindMarks(s);  // the town or castle sees real values, never a find's marks
  s.SceneEntry = 6;
  s.SavedHeroX = s.HeroX;
  s.SavedHeroY = s.HeroY;
  s.ItemListOpen = kFalse;
  s.StatusOpen = kFalse;
}

}  // namespace tolmark::field
