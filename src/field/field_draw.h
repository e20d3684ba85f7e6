// Drawing the road and talking on it: the frame of figures, and lines said beside the hero.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "field/field_layout.h"
#include "scene/scenes.h"

namespace tolmark::field {

struct Figure {
  std::int32_t picture;
  std::int32_t x;
  std::int32_t y;
};

// The figures of the road, as the frame draws them.
Figure Landmark(const GameState& s);
Figure Hero(const GameState& s);
Figure Visitor(const GameState& s);
Figure Carriage(const GameState& s);  // the visitor's picture where the carriage stands

enum class Marker { Left, Drawn };

// One frame of the field window with these figures back to front; the automatic-play marker
// last, while automatic play is on, where the frame asks for it.
void RedrawField(Scenes& c, std::initializer_list<Figure> figures, Marker marker = Marker::Left);

// What the road's rules need of the screen.
ScreenMetrics MetricsOf(const Scenes& c);

// A talk line on the road, placed beside the hero: heroSpeaks -1 for the hero. The balloon
// stands to his right while he is left of BalloonSideX, else to his left, further out for a
// hired wagon or the carriage. A closing line (FixedWaitMessage) waits its fixed two seconds in
// automatic play.
void SayInField(Scenes& c, std::string_view text, Flag heroSpeaks);

// A line beside the hero, by him or by whoever stands beside him. The step code becomes next
// first: in automatic play the balloon itself runs the next step.
void HeroLine(Scenes& c, std::string_view text, std::int32_t next);
void VisitorLine(Scenes& c, std::string_view text, std::int32_t next);

}  // namespace tolmark::field
