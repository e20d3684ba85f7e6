// The hero on the road and whoever he meets there, one frame a tick.
#include "field/field_walk.h"

#include "art/picture_names.h"
#include "model/numbers.h"
#include "scene/walk_step.h"

namespace tolmark::field {
namespace {

using namespace picture;

constexpr FrameSequence kCarriageHero = {kHeroWalking, kHeroWalking + 2, kHeroWalking,
                                         kHeroWalking + 4};
constexpr std::int16_t kTravellerHalts = 99;

void DrawLandmark(Scenes& c) {
  c.desk.DrawPicture(Window::frmField, c.s.LandmarkPicture, c.s.LandmarkX, c.s.HeroY);
}

FrameSequence FieldHero(std::int32_t heroPicture) {
  return {heroPicture, SatAdd(heroPicture, 2), heroPicture, SatAdd(heroPicture, 4)};
}

void Walking(Scenes& c) {
  GameState& s = c.s;
  DrawLandmark(c);
  if (MovingPhase(s.HeroFrame)) {
    AddTo(s.HeroX, s.FieldStepX);
    AddTo(s.FieldSteps, 1);
    s.StepEventDone = kFalse;
  }
  DrawAndAdvance(c, Window::frmField, FieldHero(s.HeroPicture), 0, s.HeroFrame, s.HeroX, s.HeroY);
  c.desk.ShowScene(Window::frmField);
}

void WagonGoingLeft(Scenes& c, std::int32_t p) {
  GameState& s = c.s;
  DrawLandmark(c);
  if (MovingPhase(s.CompanionFrame)) SubtractFrom(s.CompanionX, c.PxX(3));
  DrawAndAdvance(c, Window::frmField, kSixPictureRight, p, s.CompanionFrame, s.CompanionX,
                 s.CompanionY);
  c.desk.ShowScene(Window::frmField);
}

void VisitorStanding(Scenes& c, std::int32_t p, std::int32_t mode, std::int16_t kind) {
  GameState& s = c.s;
  const Window w = Window::frmField;
  DrawLandmark(c);
  DrawAndAdvance(c, w, FieldHero(s.HeroPicture), 0, s.HeroFrame, s.HeroX, s.HeroY);
  if (kind != kTravellerHalts && mode == 2) {
    // Two-picture figures alternate P and P+1 on every tick.
    if (s.VisitorFrame == 1 || s.VisitorFrame == 2) {
      c.desk.DrawPicture(w, SatAdd(p, s.VisitorFrame - 1), s.VisitorX, s.VisitorY);
      s.VisitorFrame = s.VisitorFrame == 1 ? 2 : 1;
    }
  } else {
    const bool sixPictures = kind == kTravellerHalts && mode != 2;
    DrawAndAdvance(c, w, sixPictures ? kSixPictureRight : kThreeInPlace, p, s.VisitorFrame,
                   s.VisitorX, s.VisitorY);
  }
  c.desk.ShowScene(w);
}

void Carriage(Scenes& c, std::int32_t p, std::int16_t kind) {
  GameState& s = c.s;
  const Window w = Window::frmField;
  DrawLandmark(c);
  if (kind == 1 || kind == 3) {
    DrawAndAdvance(c, w, kCarriageHero, 0, s.HeroFrame, s.HeroX, s.HeroY);
  }
  if ((kind == 1 || kind == 2) && MovingPhase(s.CompanionFrame)) {
    SubtractFrom(s.CompanionX, c.PxX(3));
  }
  DrawAndAdvance(c, w, kThreeInPlace, p, s.CompanionFrame, s.CompanionX, s.CompanionY);
  c.desk.ShowScene(w);
}

}  // namespace

void AnimateField(Scenes& c, std::int32_t picture, std::int32_t mode, std::int16_t kind) {
  GameState& s = c.s;
  if (CurrentScene(c) == Window::frmField && s.AutoMode != kFalse) {
    c.desk.DrawPicture(Window::frmField, kAutoMarker, 5, SatSub(s.HeroY, c.PxY(20)));
  }
  if (picture == kHeroWalking || picture == kWagon) {
    Walking(c);
  } else if (picture == kWagonLeaving) {
    WagonGoingLeft(c, picture);
  } else if (picture != kCarriage) {
    VisitorStanding(c, picture, mode, kind);
  } else {
    Carriage(c, picture, kind);
  }
}

}  // namespace tolmark::field
