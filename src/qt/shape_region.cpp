// Adding the bands one by one keeps the region exact whatever order they come in; Qt appends
// cheaply when they arrive top to bottom, which is how shapes are built.
#include "qt/shape_region.h"

#include <QRect>

namespace tolmark {

QRegion RegionOf(const Shape& shape) {
  QRegion region;
  for (const PixelRect& r : shape.rects) {
    if (!r.Empty()) region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  return region;
}

}  // namespace tolmark
