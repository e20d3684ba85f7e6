// The geometry of a speech balloon as a function of its text width, side and units per pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "present/shapes.h"

namespace tolmark {

// A part placed in the balloon window, in balloon pixels.
struct PlacedPart {
  int part = 0;  // 10000..10007
  int x = 0;     // pixel column of the part's left edge
  int y = 0;
};

// A horizontal black line from x0 to x1 (x1 exclusive) on pixel row y of the balloon.
struct HLine {
  int x0 = 0;
  int x1 = 0;
  int y = 0;
};

struct BalloonGeometry {
  std::int32_t widthUnits = 0;   // text width + 225
  std::int32_t heightUnits = 0;  // 270
  int widthPixels = 0;
  int heightPixels = 0;
  std::vector<PlacedPart> caps;      // the two caps that cut the balloon's shape
  std::vector<PlacedPart> outlines;  // the two outline parts painted black
  PixelRect body;                    // the white body between the caps
  std::vector<HLine> lines;          // the top and bottom edges
  Shape shape;                       // caps united with the body, balloon pixels
  int textX = 0;                     // where the text's top-left corner goes, balloon pixels
  int textY = 0;
};

// textWidthUnits is the measured text width (a whole number of pixels, in units); side 0 has
// the tail bottom-left, side 1 bottom-right. Unit positions become pixels by integer division.
// Throws std::invalid_argument for a side other than 0 or 1, a negative width or a factor
// that is not positive.
BalloonGeometry ComputeBalloon(std::int32_t textWidthUnits, int side, int unitsPerPixelX,
                               int unitsPerPixelY);

// The balloon's top-left corner on the screen, in units: y is its bottom edge, side 0 grows
// to the right of x, side 1 ends at x.
struct UnitPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};
UnitPoint BalloonTopLeft(const BalloonGeometry& g, std::int32_t x, std::int32_t y, int side);

}  // namespace tolmark
