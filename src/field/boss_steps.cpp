// The boss scenes at the end of three roads, one line a click: the plain talk comes from the
// scene's table, the codes below act (a fight, a fall, the 棟梁, the hammer, the sword, the
// carriage home).
#include <string>

#include "field/boss_scripts.h"
#include "field/boss_select.h"
#include "field/carriage_rules.h"
#include "field/field_codes.h"
#include "field/field_draw.h"
#include "field/field_operations.h"
#include "field/roads.h"
#include "model/language.h"
#include "scene/outcome.h"
#include "scene/small_windows.h"

namespace tolmark::field {
namespace {

// "{monster}が襲ってきた！", and the next click opens the exchange of blows.
void Fight(Scenes& c) {
  GameState& s = c.s;
  StartBossFight(s);
  VisitorLine(c, Fill(boss_line::kAttacks, {{"monster", s.MonsterName}}), s.PendingAction);
}

// The beaten boss is gone; a blank stands where it stood.
void BossVanishes(Scenes& c) {
  GameState& s = c.s;
  PlaceBlankVisitor(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Visitor(s)});
}

void CarpenterComes(Scenes& c) {
  GameState& s = c.s;
  PlaceCarpenter(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Visitor(s)});
}

// The carriage that ends a boss scene: the fare paid, the carriage drawn up, the driver's word.
void RideHomeOffered(Scenes& c) {
  BossRideHome(c.s);
  RefreshOpenWindows(c);
  CarriageSelect(c);
  VisitorLine(c, carriage_line::kBossRideOffer, c.s.PendingAction);
}

// The click after the driver's word: the ride home.
void RideHome(Scenes& c) {
  c.s.PendingAction = code::OfferBossRide;
  CarriageTurn(c);
}

// トーテム山: the orc, the 棟梁 and his hammer in the first chapter; the 棟梁 alone later.
void TotemActs(Scenes& c) {
  GameState& s = c.s;
  const bool firstChapter = s.Chapter <= 1;
  switch (s.PendingAction) {
    case code::totem::CarpenterComes:
      CarpenterComes(c);
      if (firstChapter) {
        HeroLine(c, boss_line::kAskForHammer,
                 code::totem::AskTheCarpenter);  // the hammer is still owed
      } else {
        s.EventActive = kTrue;
        VisitorLine(c, boss_line::kLongTimeNoSee, code::totem::AskTheCarpenter);
      }
      return;
    case code::totem::AskTheCarpenter:
      Perform(c, firstChapter ? HammerTest(s) : TalkOfTheFiveWeapons(s));
      return;
    case code::BossFights: Fight(c); return;
    case code::BossFalls:
      OrcBeaten(s);
      BossVanishes(c);
      HeroLine(c, boss_line::kPhewBeaten, code::totem::CarpenterAfterOrc);
      return;
    case code::totem::CarpenterAfterOrc:
      CarpenterComes(c);
      VisitorLine(c, boss_line::kWellDone, code::totem::CarpenterThanks);
      return;
    case code::totem::TestForHammer: Perform(c, HammerTest(s)); return;
    case code::totem::ReceiveHammer: Perform(c, ReceiveHammer(s)); return;
    case code::totem::RideHomeEmptyHanded:
    case code::totem::RideHomeWithHammer:
    case code::OfferBossRide: RideHomeOffered(c); return;
    case code::RideHomeFromBoss: RideHome(c); return;
    default: return;
  }
}

// The castle road: the dragon stands before the gate of a merchant who carries the whole order.
void CastleRoadActs(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::BossFights: Fight(c); return;
    case code::BossFalls:
      DragonBeaten(s);
      BossVanishes(c);
      HeroLine(c, boss_line::kPhewBeaten, code::castle::GateOpens);
      return;
    case code::castle::GateOpens: MoveNextStage(c); return;
    default: return;
  }
}

// デモンズ山脈: ガイル, his true form, and the cursed sword he leaves.
void DemonsActs(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::BossFights:
    case code::demons::TrueFormFights: Fight(c); return;
    case code::BossFalls:
      GaleFirstFormBeaten(s);
      VisitorLine(c, boss_line::kGaleStaggers, code::demons::GaleStaggers);
      return;
    case code::demons::TrueFormComes: BossSelect(c); return;  // it steps up and speaks at once
    case code::demons::GaleFalls:
      DemonsBeaten(s);
      VisitorLine(c, boss_line::kGaleFalls, code::demons::GaleFallen);
      return;
    case code::demons::GaleVanishes:
      BossVanishes(c);
      HeroLine(c, boss_line::kPhewDemons, code::demons::SomethingLies);
      return;
    case code::demons::FindCursedSword: Perform(c, FindCursedSword(s)); return;
    case code::demons::LeaveCursedSword: Perform(c, LeaveCursedSword(s)); return;
    case code::OfferBossRide: RideHomeOffered(c); return;
    case code::RideHomeFromBoss: RideHome(c); return;
    default: return;
  }
}

}  // namespace

void BossSelect(Scenes& c) {
  GameState& s = c.s;
  if (!BossSelect(s)) return;
  PlaceVisitor(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Visitor(s)});
  BossTurn(c);
}

void BossTurn(Scenes& c) {
  GameState& s = c.s;
  const BossScript script = BossScriptFor(s.Destination, s.Chapter, s.StoryState);
  if (const std::optional<Outcome> line = BossLine(script, s)) {
    Perform(c, *line);
    return;
  }
  switch (RoadTo(s.Destination).boss) {
    case BossScene::Totem: TotemActs(c); return;
    case BossScene::CastleRoad: CastleRoadActs(c); return;
    case BossScene::Demons: DemonsActs(c); return;
    case BossScene::None: return;
  }
}

}  // namespace tolmark::field
