// Which field commands the road allows at the moment the menu opens.
#include "field/field_menu_rules.h"

#include "field/field_codes.h"
#include "model/numbers.h"
#include "scene/interruption.h"

namespace tolmark::field {

FieldMenuItems FieldMenuOnOpen(const GameState& s) {
  FieldMenuItems items;
  items.autoEnabled = s.EventActive == kFalse;
  const bool wagon = s.WagonHired != kFalse;
  items.homeVisible = wagon;
  items.homeEnabled = wagon;
  if (s.CommandBusy != kFalse) {
    items.escapeVisible = false;
    items.endEnabled = false;
    items.homeEnabled = false;
  } else if (s.PendingAction == code::LandHeroBlow && s.BossBattle == kFalse) {
    items.escapeVisible = true;
    items.endEnabled = true;
    items.homeEnabled = false;
  } else {
    items.escapeVisible = false;
    items.endEnabled = true;
    const std::int32_t step = s.PendingAction;
    // Decided afresh, wagon or not: the item stays hidden without one.
    items.homeEnabled =
        !(InRange(step, code::HeroTurnFirst, code::GameOverLast) || s.FieldSteps == 300 ||
          s.HeroFainted != kFalse || InRange(step, code::CheckpointFirst, code::CheckpointLast) ||
          InRange(step, code::HomeFirst, code::HomeLast));
  }
  return items;
}

void ChooseEscape(GameState& s) {
  s.CommandBusy = kTrue;
  s.PendingAction = code::TryToEscape;
}

// Going home interrupts whatever stands beside the hero, as closing the shop or ending does.
void ChooseGoHome(GameState& s) { BeginInterruption(s, code::SayGoHome); }

}  // namespace tolmark::field
