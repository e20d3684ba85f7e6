// The walking and animation step: frame counters, walker moves, drawing order, presentation.
#include "scene/walk_step.h"
#include "model/numbers.h"

#include <array>
#include <optional>

#include "art/picture_names.h"
#include "scene/step_codes.h"

namespace tolmark {
namespace {

// The pictures of frame phases 1..4: absolute, or offsets from the base picture P.
using Sequence = std::array<std::int32_t, 4>;

using namespace picture;

constexpr Sequence kShopHeroIdle = {kShopHero, kShopHero + 1, kShopHero, kShopHero + 2};
constexpr Sequence kTownHeroRight = {kHeroWalking, kHeroWalking + 2, kHeroWalking,
                                     kHeroWalking + 4};
constexpr Sequence kTownHeroLeft = {kHeroWalking + 1, kHeroWalking + 3, kHeroWalking + 1,
                                    kHeroWalking + 5};
constexpr Sequence kCarriageHero = kTownHeroRight;
constexpr Sequence kSixPictureRight = {0, 2, 0, 4};    // offsets from P
constexpr Sequence kSixPictureLeft = {1, 3, 1, 5};
constexpr Sequence kThreeInPlace = {0, 1, 0, 2};

constexpr std::int32_t kCounterMark = 700;   // a walker beyond this x has arrived
constexpr std::int32_t kOffScreen = -400;    // a leaving walker below this x has gone

bool ValidPhase(std::int32_t frame) { return frame >= 1 && frame <= 4; }
bool MovingPhase(std::int32_t frame) { return frame == 1 || frame == 3; }
std::int32_t NextPhase(std::int32_t frame) { return frame == 4 ? 1 : frame + 1; }

std::int32_t PictureOf(const Sequence& seq, std::int32_t frame) {
  return seq[static_cast<std::size_t>(frame - 1)];
}

// Draws the figure of its frame and advances the counter; an invalid counter draws nothing.
void DrawAndAdvance(Scenes& c, Window w, const Sequence& seq, std::int32_t base,
                    std::int32_t& frame, std::int32_t x, std::int32_t y) {
  if (!ValidPhase(frame)) return;
  c.desk.DrawPicture(w, SatAdd(base, PictureOf(seq, frame)), x, y);
  frame = NextPhase(frame);
}

void DrawShopSign(Scenes& c) {
  const GameState& s = c.s;
  c.desk.DrawPicture(Window::frmShop, s.ShopSign, SatSub(s.HeroX, c.PxX(15)), SatSub(s.HeroY, c.PxY(5)));
}

void ShopHeroIdle(Scenes& c) {
  GameState& s = c.s;
  DrawAndAdvance(c, Window::frmShop, kShopHeroIdle, 0, s.HeroFrame, s.HeroX, s.HeroY);
  DrawShopSign(c);
  c.desk.ShowScene(Window::frmShop);
}

void ShopCustomerWalking(Scenes& c, std::int32_t p) {
  GameState& s = c.s;
  DrawAndAdvance(c, Window::frmShop, kShopHeroIdle, 0, s.HeroFrame, s.HeroX, s.HeroY);
  if (s.ScenePhase == 10) {
    if (s.VisitorX > kCounterMark) {
      s.ScenePhase = 20;
      s.PendingAction = code::VisitBegins;
      return;  // the drawing waits for the next presentation
    }
    if (MovingPhase(s.VisitorFrame)) AddTo(s.VisitorX, c.PxX(7));
    DrawAndAdvance(c, Window::frmShop, kSixPictureRight, p, s.VisitorFrame, s.VisitorX,
                   s.VisitorY);
  } else if (s.ScenePhase == 30) {
    if (s.VisitorX < kOffScreen) {
      c.desk.CloseWindow(Window::frmMessage);
      s.ScenePhase = 0;
      s.EventActive = kFalse;
      c.desk.SetTimer(Window::frmShop, Timer::Timer1, s.TickInterval);
      return;
    }
    if (MovingPhase(s.VisitorFrame)) SubtractFrom(s.VisitorX, c.PxX(10));
    DrawAndAdvance(c, Window::frmShop, kSixPictureLeft, p, s.VisitorFrame, s.VisitorX,
                   s.VisitorY);
  } else {
    return;
  }
  DrawShopSign(c);
  c.desk.ShowScene(Window::frmShop);
}

void TownOrCastle(Scenes& c, std::int32_t p) {
  GameState& s = c.s;
  const Window w = Window::frmArms;
  DrawAndAdvance(c, w, kThreeInPlace, p, s.VisitorFrame, s.VisitorX, s.VisitorY);
  if (s.ScenePhase == 10) {
    if (s.HeroX > kCounterMark) {
      s.ScenePhase = 20;
      s.PendingAction = code::VisitBegins;
      return;
    }
    if (MovingPhase(s.HeroFrame)) AddTo(s.HeroX, c.PxX(7));
    DrawAndAdvance(c, w, kTownHeroRight, 0, s.HeroFrame, s.HeroX, s.HeroY);
  } else if (s.ScenePhase == 30) {
    if (s.HeroX < kOffScreen) {
      c.desk.CloseWindow(Window::frmMessage);
      s.ScenePhase = 0;
      s.EventActive = kFalse;
      return;  // the town timer keeps its period
    }
    if (MovingPhase(s.HeroFrame)) SubtractFrom(s.HeroX, c.PxX(10));
    DrawAndAdvance(c, w, kTownHeroLeft, 0, s.HeroFrame, s.HeroX, s.HeroY);
  } else {
    return;
  }
  c.desk.DrawPicture(w, kCounterBoard, SatSub(s.VisitorX, c.PxX(15)), SatSub(s.VisitorY, c.PxY(5)));
  c.desk.ShowScene(w);
}

void DrawLandmark(Scenes& c) {
  c.desk.DrawPicture(Window::frmField, c.s.LandmarkPicture, c.s.LandmarkX, c.s.HeroY);
}

Sequence FieldHero(std::int32_t heroPicture) {
  return {heroPicture, SatAdd(heroPicture, 2), heroPicture, SatAdd(heroPicture, 4)};
}

void FieldWalking(Scenes& c) {
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

void FieldVisitorStanding(Scenes& c, std::int32_t p, std::int32_t mode, std::int16_t kind) {
  GameState& s = c.s;
  const Window w = Window::frmField;
  DrawLandmark(c);
  DrawAndAdvance(c, w, FieldHero(s.HeroPicture), 0, s.HeroFrame, s.HeroX, s.HeroY);
  if (kind != 99 && mode == 2) {
    // Two-picture figures alternate P and P+1 on every tick.
    if (s.VisitorFrame == 1 || s.VisitorFrame == 2) {
      c.desk.DrawPicture(w, SatAdd(p, s.VisitorFrame - 1), s.VisitorX, s.VisitorY);
      s.VisitorFrame = s.VisitorFrame == 1 ? 2 : 1;
    }
  } else {
    const bool sixPictures = kind == 99 && mode != 2;
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
  if ((kind == 1 || kind == 2) && MovingPhase(s.CompanionFrame)) SubtractFrom(s.CompanionX, c.PxX(3));
  DrawAndAdvance(c, w, kThreeInPlace, p, s.CompanionFrame, s.CompanionX, s.CompanionY);
  c.desk.ShowScene(w);
}

}  // namespace

void WalkStep(Scenes& c, std::int32_t picture, std::int32_t mode, std::int16_t kind) {
  GameState& s = c.s;
  if (CurrentScene(c) == Window::frmField && s.AutoMode != kFalse) {
    c.desk.DrawPicture(Window::frmField, kAutoMarker, 5, SatSub(s.HeroY, c.PxY(20)));
  }
  if (picture == kShopHero) {
    ShopHeroIdle(c);
  } else if (mode == kCustomerWalking) {
    ShopCustomerWalking(c, picture);
  } else if (picture == kKing || picture == kTownDealer) {
    TownOrCastle(c, picture);
  } else if (picture == kHeroWalking || picture == kWagon) {
    FieldWalking(c);
  } else if (picture == kWagonLeaving) {
    WagonGoingLeft(c, picture);
  } else if (picture != kCarriage) {
    FieldVisitorStanding(c, picture, mode, kind);
  } else {
    Carriage(c, picture, kind);
  }
}

}  // namespace tolmark
