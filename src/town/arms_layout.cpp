// The places of the counter figure, its board and the hero in the town and castle.
#include "town/arms_layout.h"
#include "model/numbers.h"

#include "present/shapes.h"
#include "town/town_codes.h"

namespace tolmark::town {
namespace {

std::int32_t StandOnFloor(const ScreenMetrics& m, std::int32_t picture) {
  return m.workAreaHeight - PictureHeight(picture);
}

}  // namespace

std::int32_t CounterFigureFor(std::int32_t destination) {
  return destination == destination::kTown ? picture::kTownDealer : picture::kKing;
}

void EnterCounterScene(GameState& s, const ScreenMetrics& m) {
  s.HeroX = kHeroEntryX;
  s.HeroY = StandOnFloor(m, picture::kHeroWalking);
  s.HeroFrame = 2;
  s.ScenePhase = 0;
  s.VisitorPicture = CounterFigureFor(s.Destination);
  s.VisitorX = m.PxX(kCounterFigureXPx);
  s.VisitorY = StandOnFloor(m, s.VisitorPicture);
  s.VisitorFrame = 2;
  s.PendingAction = code::Idle;
  s.EventActive = kTrue;
}

ScenePoint CounterBoardAt(const GameState& s, const ScreenMetrics& m) {
  return {SatSub(s.VisitorX, m.PxX(kBoardLeftOfFigurePx)), SatSub(s.VisitorY, m.PxY(kBoardAboveFigurePx))};
}

void ArriveAtCounter(GameState& s) {
  s.PendingAction = code::VisitBegins;
  s.ScenePhase = 21;
}

void StartWalkingOut(GameState& s) {
  s.ScenePhase = 30;
  s.Homebound = kTrue;
}

void ClearStageForEpilogue(GameState& s) {
  s.VisitorFrames = 2;
  s.VisitorPicture = picture::kBlank;
  s.VisitorX = 0;
  s.VisitorY = 0;
  s.VisitorFrame = 1;
}

void HeroStandsAlone(GameState& s) { s.HeroPicture = picture::kHeroWalking; }

}  // namespace tolmark::town
