// Test helper: a shape flipped left to right within a given width, worked out independently.
#pragma once

#include <vector>

#include "present/shapes.h"

namespace tolmark {

inline Shape Mirrored(const Shape& shape, int width) {
  std::vector<PixelRect> rects;
  for (const PixelRect& r : shape.rects) {
    rects.push_back({width - r.right, r.top, width - r.left, r.bottom});
  }
  return ShapeFromRects(rects);
}

}  // namespace tolmark
