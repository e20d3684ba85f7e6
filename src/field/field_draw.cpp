// The field's frame and the lines said on the road.
#include "field/field_draw.h"

#include "scene/dialogue.h"

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

void HeroLine(Scenes& c, std::string_view text, std::int32_t next) {
  c.s.PendingAction = next;
  SayInField(c, text, kTrue);
}

void VisitorLine(Scenes& c, std::string_view text, std::int32_t next) {
  c.s.PendingAction = next;
  SayInField(c, text, kFalse);
}

}  // namespace tolmark::field
