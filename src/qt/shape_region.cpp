// Adding the bands one by one keeps the region exact whatever order they come in; Qt appends
// cheaply when they arrive top to bottom, which is how shapes are built.
#include "qt/shape_region.h"

#include <QRect>
#include <unordered_map>

namespace tolmark {

QRegion RegionOf(const Shape& shape) {
  QRegion region;
  for (const PixelRect& r : shape.rects) {
    if (!r.Empty()) region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  return region;
}

const QRegion& PictureRegion(int picture) {
  static std::unordered_map<int, QRegion> cache;
  auto it = cache.find(picture);
  if (it == cache.end()) it = cache.emplace(picture, RegionOf(PictureShapeOf(picture))).first;
  return it->second;
}

}  // namespace tolmark
