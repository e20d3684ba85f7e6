// The field's frame and the lines said on the road.
#include "field/field_draw.h"

#include <string>

#include "art/picture_names.h"
#include "model/numbers.h"
#include "scene/dialogue.h"
#include "scene/outcome.h"

namespace tolmark::field {

Figure Landmark(const GameState& s) { return {s.LandmarkPicture, s.LandmarkX, s.HeroY}; }
Figure Hero(const GameState& s) { return {s.HeroPicture, s.HeroX, s.HeroY}; }
Figure Visitor(const GameState& s) { return {s.VisitorPicture, s.VisitorX, s.VisitorY}; }
Figure Carriage(const GameState& s) { return {s.VisitorPicture, s.CompanionX, s.CompanionY}; }

void RedrawField(Scenes& c, std::initializer_list<Figure> figures, Marker marker) {
  c.desk.BeginScene(Window::frmField, 1);
  for (const Figure& f : figures) c.desk.DrawPicture(Window::frmField, f.picture, f.x, f.y);
  if (marker == Marker::Drawn && c.s.AutoMode != kFalse) {
    c.desk.DrawPicture(Window::frmField, picture::kAutoMarker, 5, MarkerY(c.s, MetricsOf(c)));
  }
  c.desk.ShowScene(Window::frmField);
}

ScreenMetrics MetricsOf(const Scenes& c) { return ScreenMetrics::Of(c.desk); }

namespace {

// Where the balloon stands beside the hero, in pixels from HeroX.
int BalloonOffset(const GameState& s, bool heroSpeaks, bool rightOfHero) {
  const bool wagon = s.WagonHired != kFalse;
  if (heroSpeaks) return (rightOfHero ? 30 : 20) + (wagon ? 15 : 0);
  if (s.VisitorPicture == picture::kCarriage) return rightOfHero ? 100 : 70;
  if (wagon) return rightOfHero ? 102 : 82;
  return rightOfHero ? 70 : 50;
}

}  // namespace

void SayInField(Scenes& c, std::string_view text, Flag heroSpeaks) {
  const GameState& s = c.s;
  const bool rightOfHero = s.HeroX < s.BalloonSideX;
  const std::int32_t x =
      SatAdd(s.HeroX, c.PxX(BalloonOffset(s, heroSpeaks == kTrue, rightOfHero)));
  ShowTalkLine(c, text, x, rightOfHero ? 0 : 1, s.FixedWaitMessage == kTrue);
}

void HeroLine(Scenes& c, std::string_view text, std::int32_t next) {
  Perform(c, Says(Speaker::Hero, std::string(text), next));
}

void VisitorLine(Scenes& c, std::string_view text, std::int32_t next) {
  Perform(c, Says(Speaker::Visitor, std::string(text), next));
}

}  // namespace tolmark::field
