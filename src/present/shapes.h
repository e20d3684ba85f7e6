// Picture shapes: the exact pixels of a figure as horizontal bands of rectangles, built once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tolmark {

struct PictureBitmap;

// A rectangle in pixels; right and bottom are exclusive.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Always kept in one canonical band form, so two shapes with the same pixels compare equal:
// rectangles sorted top to bottom then left to right; within a band (rectangles sharing top
// and bottom) no two touch; two bands meet only where their column runs differ.
struct Shape {
  std::vector<PixelRect> rects;  // disjoint horizontal bands covering exactly the figure
  PixelRect bounds;              // bounding rectangle; empty for an empty shape
  friend bool operator==(const Shape&, const Shape&) = default;
};

// Balloon frame parts use these picture numbers.
inline constexpr int kBalloonPartFirst = 10000;
inline constexpr int kBalloonPartLast = 10007;

// Every picture of the table fits in this many rectangles; a back end may rely on it.
inline constexpr std::size_t kMaxShapeRects = 80;

// What a back end shows, in a box with an OK button before the program ends, when a shape
// cannot be turned into a region or a window refuses its shape.
inline constexpr std::string_view kRegionDataFailedMessage = "It failed in reading of region data.";
inline constexpr std::string_view kWindowShapeFailedMessage =
    "It failed in plastic surgery of a window.";

// The pixels of the bitmap that are not exactly the background RGB(10,10,10).
Shape ShapeFromBitmap(const PictureBitmap& bitmap);

// The union of any rectangles (empty ones ignored), in band form.
Shape ShapeFromRects(std::span<const PixelRect> rects);
Shape UniteShapes(const Shape& a, const Shape& b);
Shape MoveShape(Shape shape, int dx, int dy);
bool ShapeContains(const Shape& shape, int x, int y);

// The shape of picture 0..175 (its pixels not exactly RGB(10,10,10)) or of balloon part
// 10000..10007, in the picture's own pixels. Built on first use, kept for the run.
// Any other number throws std::out_of_range.
const Shape& PictureShapeOf(int picture);

// PictureShape(picture, x, y): that shape moved by (x / unitsPerPixelX, y / unitsPerPixelY)
// pixels, integer division truncating toward zero (so -32 units at 15 is -2 pixels).
Shape PictureShape(int picture, std::int32_t x, std::int32_t y, int unitsPerPixelX,
                   int unitsPerPixelY);

// The fixed height table the scenes stand figures on the floor with, in screen units; it does
// not follow the display's units per pixel, and numbers without a picture get 510 too.
std::int32_t PictureHeight(int picture);

}  // namespace tolmark
