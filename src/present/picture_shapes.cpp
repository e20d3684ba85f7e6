// The shapes of the picture table, built from the bitmaps once for the whole run.
#include <array>
#include <stdexcept>

#include "art/pictures.h"
#include "present/balloon_parts.h"
#include "present/shapes.h"

namespace tolmark {

const Shape& PictureShapeOf(int picture) {
  if (picture >= kBalloonPartFirst && picture <= kBalloonPartLast) {
    return BalloonPartShape(picture);
  }
  if (picture < 0 || picture >= kPictureCount) throw std::out_of_range("picture number");
  // The whole table at once: a frame must never wait for a bitmap scan.
  static const std::array<Shape, kPictureCount> shapes = [] {
    std::array<Shape, kPictureCount> built;
    for (int i = 0; i < kPictureCount; ++i) {
      built[static_cast<std::size_t>(i)] = ShapeFromBitmap(PictureBitmapOf(i));
    }
    return built;
  }();
  return shapes[static_cast<std::size_t>(picture)];
}

Shape PictureShape(int picture, std::int32_t x, std::int32_t y, int unitsPerPixelX,
                   int unitsPerPixelY) {
  if (unitsPerPixelX <= 0 || unitsPerPixelY <= 0) {
    throw std::invalid_argument("units per pixel must be positive");
  }
  return MoveShape(PictureShapeOf(picture), x / unitsPerPixelX, y / unitsPerPixelY);
}

}  // namespace tolmark
