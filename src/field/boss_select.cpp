// Bringing a boss to the hero's side and the marks its fall leaves on the story.
#include "field/boss_select.h"

#include "field/field_codes.h"
#include "field/roads.h"
#include "model/monsters.h"

namespace tolmark::field {

BossArrival BossFor(std::int32_t destination, Flag homebound) {
  switch (RoadTo(destination).boss) {
    case BossScene::Totem: return {kOrcPicture, code::BossAppears};
    case BossScene::CastleRoad: return {kDragonPicture, code::BossAppears};
    case BossScene::Demons:
      if (homebound != kFalse) return {kGaleTruePicture, code::demons::TrueFormFights};
      return {kGaleFirstPicture, code::BossAppears};
    case BossScene::None: return {};
  }
  return {};
}

bool BossSelect(GameState& s) {
  const BossArrival boss = BossFor(s.Destination, s.Homebound);
  if (boss.picture < 0) return false;
  // The first row with the picture: the orc of row 7 and the dragon of row 21, never the
  // stronger namesakes further down.
  if (!LoadOpponent(s, boss.picture)) return false;
  s.EventActive = kTrue;
  s.PendingAction = boss.firstCode;
  s.BossBattle = kFalse;
  return true;
}

void StartBossFight(GameState& s) {
  s.BossBattle = kTrue;
  s.PendingAction = code::AnnounceHeroBlow;
}

std::int32_t BossBeatenCode(const GameState& s) {
  return s.VisitorPicture == kGaleTruePicture ? code::demons::GaleFalls : code::BossFalls;
}

void OrcBeaten(GameState& s) {
  s.StoryState = 2;
  s.BossBattle = kFalse;
}

void DragonBeaten(GameState& s) {
  s.BossBeatenThisTrip = kTrue;
  s.BossBattle = kFalse;
}

void GaleFirstFormBeaten(GameState& s) {
  s.Homebound = kTrue;
  s.BossBattle = kFalse;
}

void DemonsBeaten(GameState& s) {
  s.DemonsDefeated = kTrue;
  s.BossBattle = kFalse;
}

}  // namespace tolmark::field
