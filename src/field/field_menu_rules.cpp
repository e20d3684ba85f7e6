// Which field commands the road allows at the moment the menu opens.
#include "field/field_menu_rules.h"

namespace tolmark::field {
namespace {

bool Within(std::int32_t code, std::int32_t first, std::int32_t last) {
  return code >= first && code <= last;
}

}  // namespace

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
  } else if (s.PendingAction == 2 && s.BossBattle == kFalse) {
    items.escapeVisible = true;
    items.endEnabled = true;
    items.homeEnabled = false;
  } else {
    items.escapeVisible = false;
    items.endEnabled = true;
    const std::int32_t code = s.PendingAction;
    if (Within(code, 1, 59) || s.FieldSteps == 300 || s.HeroFainted != kFalse ||
        Within(code, 400, 499) || Within(code, 700, 799)) {
      items.homeEnabled = false;
    }
  }
  return items;
}

void ChooseEscape(GameState& s) {
  s.CommandBusy = kTrue;
  s.PendingAction = 220;
}

void ChooseGoHome(GameState& s) {
  s.AwaitingAnswer = kFalse;
  s.CommandBusy = kTrue;
  s.SavedAction = s.EventActive == kTrue ? s.PendingAction : 0;
  s.Answer = 0;
  s.PendingAction = 700;
}

}  // namespace tolmark::field
