// The stage layout and the places of the figures on the road.
#include "field/field_layout.h"

#include <algorithm>

#include "field/carriage_rules.h"
#include "field/field_codes.h"
#include "field/roads.h"
#include "model/numbers.h"
#include "present/shapes.h"

namespace tolmark::field {
namespace {

// The road keeps 120 px of the screen free on the right for the landmark.
constexpr int kRoadMarginPx = 120;
constexpr int kLandmarkFromRightPx = 65;
constexpr int kBalloonTurnPx = 64;
constexpr int kWagonLengthPx = 32;
constexpr int kBesideHeroPx = 50;
constexpr int kBesideWagonPx = 82;

std::int32_t StandOnFloor(const ScreenMetrics& m, std::int32_t picture) {
  return m.workAreaHeight - PictureHeight(picture);
}

}  // namespace

std::int32_t LandmarkPictureFor(std::int32_t destination) { return RoadTo(destination).landmark; }

void ApplyStageLayout(GameState& s, const ScreenMetrics& m) {
  const int w = m.screenWidthPixels;
  // A screen narrower than the road's margin has no road: no step width, start at the edge.
  const int road = std::max(w - kRoadMarginPx, 0);
  s.BalloonSideX = m.PxX(IntDiv(w, 2) - kBalloonTurnPx);
  s.FieldStepX = m.PxX(IntDiv(road, kStageSteps));
  s.FieldStartX = m.PxX(road % kStageSteps);
  if (s.WagonHired != kFalse) SubtractFrom(s.FieldStartX, m.PxX(kWagonLengthPx));
  s.LandmarkX = m.PxX(w - kLandmarkFromRightPx);
}

void EnterOutward(GameState& s, const ScreenMetrics& m) {
  s.LandmarkPicture = LandmarkPictureFor(s.Destination);
  ApplyStageLayout(s, m);
  s.FieldSteps = 0;
  s.HeroPicture = s.WagonHired != kFalse ? picture::kWagon : picture::kHeroWalking;
  s.HeroX = s.FieldStartX;
  // The wagon is drawn with its driver's feet where his own would be.
  s.HeroY = StandOnFloor(m, picture::kHeroWalking);
  s.HeroFrame = 2;
  s.PendingAction = code::Walking;
  s.BossBattle = kFalse;
  s.FieldEventItem = 9999;
  s.CommandBusy = kFalse;
  s.HeroFainted = kFalse;
  s.StepEventDone = kFalse;
}

void EnterHomebound(GameState& s) {
  s.LandmarkPicture = LandmarkPictureFor(s.Destination);
  s.HeroX = s.CompanionX = s.SavedHeroX;
  s.HeroY = s.CompanionY = s.SavedHeroY;
  s.EventActive = kTrue;
  s.CompanionFrame = 2;
  s.VisitorPicture = picture::kCarriage;
  s.VisitorFrames = 3;
  SetCarriageFare(s);
  PayFare(s);
  s.PendingAction = code::HomeboundAboard;
}

void PlaceVisitor(GameState& s, const ScreenMetrics& m) {
  s.VisitorX = SatAdd(s.HeroX, m.PxX(s.WagonHired != kFalse ? kBesideWagonPx : kBesideHeroPx));
  s.VisitorY = StandOnFloor(m, s.VisitorPicture);
  s.VisitorFrame = 1;
}

void PlaceCarriage(GameState& s, const ScreenMetrics& m) {
  s.VisitorPicture = picture::kCarriage;
  s.VisitorFrames = 3;
  s.CompanionX = SatAdd(s.HeroX, m.PxX(kBesideHeroPx));
  s.CompanionY = StandOnFloor(m, picture::kCarriage);
  s.CompanionFrame = 2;
}

void PlaceCarpenter(GameState& s, const ScreenMetrics& m) {
  s.FieldStop = kTrue;
  s.VisitorPicture = picture::kCarpenterOnRoad;
  s.VisitorFrames = 3;
  s.VisitorX = SatAdd(s.HeroX, m.PxX(kBesideHeroPx));
  s.VisitorY = StandOnFloor(m, picture::kCarpenterOnRoad);
  s.VisitorFrame = 1;
}

void PlaceBlankVisitor(GameState& s, const ScreenMetrics& m) {
  s.VisitorPicture = picture::kBlank;
  s.VisitorFrames = 2;
  s.VisitorX = SatSub(s.HeroX, m.PxX(4));
  s.VisitorY = SatSub(s.HeroY, m.PxY(5));
  s.VisitorFrame = 1;
}

void TurnWagonAbout(GameState& s, const ScreenMetrics& m) {
  s.VisitorPicture = picture::kWagonLeaving;
  s.VisitorFrames = 3;
  s.CompanionX = s.HeroX;
  s.CompanionY = StandOnFloor(m, picture::kWagonLeaving);
  s.CompanionFrame = 2;
}

std::int32_t MarkerY(const GameState& s, const ScreenMetrics& m) { return SatSub(s.HeroY, m.PxY(20)); }

}  // namespace tolmark::field
