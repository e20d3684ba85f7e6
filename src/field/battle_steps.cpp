// A fight on the road, one click a step: the monster steps up, blows are announced and told,
// the monster falls or the hero does, or he runs away.
#include <string>

#include "field/battle_rules.h"
#include "field/field_codes.h"
#include "field/field_draw.h"
#include "field/field_operations.h"
#include "field/monster_select.h"
#include "model/language.h"
#include "scene/outcome.h"

namespace tolmark::field {

void MonsterSelect(Scenes& c) {
  GameState& s = c.s;
  if (!MonsterSelect(s, c.rnd)) return;
  PlaceVisitor(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Visitor(s)}, Marker::Drawn);
  VisitorLine(c, Fill(battle_line::kAppears, {{"monster", s.MonsterName}}), s.PendingAction);
}

void FighterAtack(Scenes& c) {
  switch (c.s.PendingAction) {
    case code::AnnounceHeroBlow: Perform(c, AnnounceHeroBlow(c.s, c.rnd)); return;
    case code::LandHeroBlow: Perform(c, LandHeroBlow(c.s)); return;
    default: return;
  }
}

void MonsterAtack(Scenes& c) {
  switch (c.s.PendingAction) {
    case code::AnnounceMonsterBlow: Perform(c, AnnounceMonsterBlow(c.s, c.rnd)); return;
    case code::TellMonsterBlow: Perform(c, TellMonsterBlow(c.s)); return;
    case code::HeroCollapses: Perform(c, HeroCollapses(c.s)); return;
    default: return;
  }
}

void BattleEnd(Scenes& c) {
  switch (c.s.PendingAction) {
    case code::MonsterFalls: Perform(c, MonsterFalls(c.s)); return;
    case code::PayReward: Perform(c, BattleReward(c.s, c.rnd)); return;
    case code::TellLevelUp: Perform(c, AnnounceLevelUp(c.s)); return;
    default: return;
  }
}

void GameOver(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::CountDefeat:
      CountDefeat(s);
      // A hero who drove his own wagon lies on the road on foot.
      if (s.WagonHired != kFalse) RedrawField(c, {Landmark(s), Hero(s)});
      CarriageSelect(c);
      return;
    case code::RideHomeBeaten:
      RecoverFromDefeat(s);
      CarriageTurn(c);
      return;
    default:
      return;
  }
}

void EscapeTurn(Scenes& c) {
  switch (c.s.PendingAction) {
    case code::TryToEscape: Perform(c, TryToEscape(c.s, c.rnd)); return;
    case code::TellEscapeLoss: Perform(c, TellEscapeLoss(c.s)); return;
    default: return;
  }
}

}  // namespace tolmark::field
