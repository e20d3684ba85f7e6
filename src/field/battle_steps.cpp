// A fight on the road, one click a step: the monster steps up, blows are announced and told,
// the monster falls or the hero does, or he runs away.
#include <string>

#include "field/battle_rules.h"
#include "field/field_codes.h"
#include "field/field_draw.h"
#include "field/field_operations.h"
#include "field/monster_select.h"
#include "scene/small_windows.h"

namespace tolmark::field {
namespace {

// The hero tells a step of the fight and the code moves on; he says nothing for an empty line.
void Tell(Scenes& c, const BattleStep& step) {
  if (step.line.empty()) {
    c.s.PendingAction = step.next;
    return;
  }
  HeroLine(c, step.line, step.next);
}

}  // namespace

void MonsterSelect(Scenes& c) {
  GameState& s = c.s;
  if (!MonsterSelect(s, c.rnd)) return;
  PlaceVisitor(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Visitor(s)}, Marker::Drawn);
  VisitorLine(c, s.MonsterName + std::string(battle_line::kAppearsSuffix), s.PendingAction);
}

void FighterAtack(Scenes& c) {
  switch (c.s.PendingAction) {
    case code::AnnounceHeroBlow: Tell(c, AnnounceHeroBlow(c.s, c.rnd)); return;
    case code::LandHeroBlow: Tell(c, LandHeroBlow(c.s)); return;
    default: return;
  }
}

void MonsterAtack(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::AnnounceMonsterBlow:
      Tell(c, AnnounceMonsterBlow(s, c.rnd));
      return;
    case code::TellMonsterBlow: {
      // The blow was taken from HP when it was announced; the windows show it now.
      const BattleStep step = TellMonsterBlow(s);
      s.PendingAction = step.next;
      if (s.Damage >= 1) RefreshOpenWindows(c);
      Tell(c, step);
      return;
    }
    case code::HeroCollapses:
      Tell(c, HeroCollapses(s));
      return;
    default:
      return;
  }
}

void BattleEnd(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::MonsterFalls:
      Tell(c, MonsterFalls(s));
      return;
    case code::PayReward: {
      const BattleStep step = BattleReward(s, c.rnd);
      s.PendingAction = step.next;
      RefreshOpenWindows(c);
      Tell(c, step);
      return;
    }
    case code::TellLevelUp:
      Tell(c, AnnounceLevelUp(s));
      return;
    default:
      return;
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
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::TryToEscape:
      Tell(c, TryToEscape(s, c.rnd));
      return;
    case code::TellEscapeLoss: {
      const BattleStep step = TellEscapeLoss(s);
      Tell(c, step);
      RefreshOpenWindows(c);
      return;
    }
    default:
      return;
  }
}

}  // namespace tolmark::field
