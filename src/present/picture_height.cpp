// How tall each picture counts when a scene stands it on the desktop floor.
#include "art/picture_sizes.h"
#include "present/shapes.h"

namespace tolmark {
namespace {

// The factor the scenes were laid out for; the heights keep it whatever the display's own is.
constexpr std::int32_t kLayoutUnitsPerPixel = 15;

}  // namespace

// The picture cell's own height: wagons and carriages are lower, boards taller, the auto-play
// gem small, and every other number (with a picture or not) stands as a 34-pixel figure.
std::int32_t PictureHeight(int picture) {
  return PictureSizeOf(picture).height * kLayoutUnitsPerPixel;
}

}  // namespace tolmark
