// Picture shapes: the exact pixels of a figure as horizontal bands of rectangles, built once.
#pragma once

#include <cstdint>
#include <vector>

namespace tolmark {

// A rectangle in pixels; right and bottom are exclusive.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct Shape {
  std::vector<PixelRect> rects;  // disjoint horizontal bands covering exactly the figure
  PixelRect bounds;              // bounding rectangle; empty for an empty shape
};

// Balloon frame parts use these picture numbers.
inline constexpr int kBalloonPartFirst = 10000;
inline constexpr int kBalloonPartLast = 10007;

// The shape of picture 0..173 (its pixels not exactly RGB(10,10,10)) or of balloon part
// 10000..10007, in the picture's own pixels. Built on first use, kept for the run.
const Shape& PictureShapeOf(int picture);

// PictureShape(picture, x, y): that shape moved by (x / unitsPerPixelX, y / unitsPerPixelY)
// pixels, integer division.
Shape PictureShape(int picture, std::int32_t x, std::int32_t y, int unitsPerPixelX,
                   int unitsPerPixelY);

// The fixed height table the scenes stand figures on the floor with, in screen units.
std::int32_t PictureHeight(int picture);

}  // namespace tolmark
