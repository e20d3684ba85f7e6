// A speech balloon's geometry: caps, body, outline parts, edge lines and text corner in pixels.
#include "present/balloon.h"

#include <stdexcept>

namespace tolmark {
namespace {

// Units the balloon keeps left and right of its text: the tail end and the plain end.
constexpr std::int32_t kLeftMargin = 120;
constexpr std::int32_t kRightMargin = 105;
constexpr std::int32_t kHeightUnits = 270;
constexpr std::int32_t kTextX = 128;
constexpr std::int32_t kTextY = 52;
// The body fills the pixel rows between the caps' top and bottom edges.
constexpr int kBodyTop = 1;
constexpr int kBodyBottom = 16;
// Side 1 places its right outline a little left of the cap so that both land on one column.
constexpr std::int32_t kSide1OutlineOffset = 118;

PlacedPart Place(int part, std::int32_t xUnits, int unitsPerPixelX) {
  return {part, static_cast<int>(xUnits / unitsPerPixelX), 0};
}

}  // namespace

BalloonGeometry ComputeBalloon(std::int32_t textWidthUnits, int side, int unitsPerPixelX,
                               int unitsPerPixelY) {
  if (unitsPerPixelX <= 0 || unitsPerPixelY <= 0) {
    throw std::invalid_argument("units per pixel must be positive");
  }
  if (side != 0 && side != 1) throw std::invalid_argument("balloon side must be 0 or 1");
  if (textWidthUnits < 0) throw std::invalid_argument("text width must not be negative");

  const std::int32_t w = textWidthUnits;
  const int p = unitsPerPixelX;
  const int q = unitsPerPixelY;
  BalloonGeometry g;
  g.widthUnits = w + kLeftMargin + kRightMargin;
  g.heightUnits = kHeightUnits;
  g.widthPixels = static_cast<int>(g.widthUnits / p);
  g.heightPixels = static_cast<int>(g.heightUnits / q);

  const std::int32_t lineStart = side == 0 ? kLeftMargin : kRightMargin;
  if (side == 0) {
    g.caps = {Place(10000, 0, p), Place(10001, w + kLeftMargin, p)};
    g.outlines = {Place(10004, 0, p), Place(10005, w + kLeftMargin, p)};
  } else {
    g.caps = {Place(10002, 0, p), Place(10003, w + kRightMargin, p)};
    g.outlines = {Place(10006, 0, p), Place(10007, w + kSide1OutlineOffset, p)};
  }
  g.body = {static_cast<int>(lineStart / p), kBodyTop,
            static_cast<int>(w / p + kLeftMargin / p), kBodyBottom};

  const int lineX0 = static_cast<int>(lineStart / p);
  const int lineX1 = static_cast<int>((g.widthUnits - kRightMargin) / p);
  // The top edge one pixel down, the bottom edge three pixels up from the balloon's bottom.
  g.lines = {{lineX0, lineX1, 1},
             {lineX0, lineX1, static_cast<int>((g.heightUnits - 3 * q) / q)}};

  g.textX = static_cast<int>(kTextX / p);
  g.textY = static_cast<int>(kTextY / q);

  Shape shape;
  for (const PlacedPart& cap : g.caps) {
    shape = UniteShapes(shape, MoveShape(PictureShapeOf(cap.part), cap.x, cap.y));
  }
  const PixelRect body[] = {g.body};
  g.shape = UniteShapes(shape, ShapeFromRects(body));
  return g;
}

UnitPoint BalloonTopLeft(const BalloonGeometry& g, std::int32_t x, std::int32_t y, int side) {
  return {side == 0 ? x : x - g.widthUnits, y - g.heightUnits};
}

}  // namespace tolmark
