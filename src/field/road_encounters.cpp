// What the roll brings besides monsters and the carriage: finds by the roadside, the wandering
// priest and the travellers, one line a click. The rules are roadside_finds, travellers and
// card_game; these steps place, draw, talk, ask and end.
#include "field/field_codes.h"
#include "field/field_draw.h"
#include "field/field_operations.h"
#include "field/roadside_finds.h"
#include "field/travellers.h"
#include "model/numbers.h"
#include "scene/dialogue.h"
#include "scene/outcome.h"
#include "scene/small_windows.h"

namespace tolmark::field {

void ItemSelect(Scenes& c) {
  GameState& s = c.s;
  BeginFind(s);
  PlaceBlankVisitor(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Visitor(s)}, Marker::Drawn);
  HeroLine(c, find_line::kWhatsThis, s.PendingAction);
}

void ItemTurn(Scenes& c) {
  GameState& s = c.s;
  if (s.PendingAction == code::LookAtFind) {
    Perform(c, WhatLiesByTheRoad(s, c.rnd));
  } else if (InRange(s.PendingAction, code::AteMeat, code::Shouted)) {
    Perform(c, SecondLine(s));
  }
}

void PriestSelect(Scenes& c) {
  GameState& s = c.s;
  BeginPriestVisit(s);
  PlaceVisitor(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Visitor(s)}, Marker::Drawn);
  VisitorLine(c, priest_line::kHello, s.PendingAction);
}

void PriestTurn(Scenes& c) { Perform(c, PriestStep(c.s)); }

void EventSelect(Scenes& c) {
  GameState& s = c.s;
  if (!ChooseTraveller(s, c.rnd)) return;  // nobody after all: not a picture, not a word
  PlaceVisitor(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Visitor(s)}, Marker::Drawn);
  EventTurn(c);
}

void EventTurn(Scenes& c) { Perform(c, AdvanceEncounter(c.s, c.rnd)); }

void FinishEncounter(Scenes& c) {
  GameState& s = c.s;
  EndEncounter(s);
  RefreshOpenWindows(c);
  if (s.AutoMode == kTrue) FieldTick(c);  // automatic play walks on at once
}

}  // namespace tolmark::field
