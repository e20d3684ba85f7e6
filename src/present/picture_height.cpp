// How tall each picture counts when a scene stands it on the desktop floor.
#include <array>

#include "present/shapes.h"

namespace tolmark {
namespace {

struct HeightRange {
  int first;
  int last;
  std::int32_t height;  // screen units
};

// Wagons and carriages are lower, boards taller, the auto-play gem small.
inline constexpr std::array<HeightRange, 5> kHeights = {{
    {38, 43, 480},   // covered wagon
    {44, 44, 615},   // closed board
    {96, 98, 480},   // carriage
    {99, 100, 615},  // counter and auto board
    {101, 101, 225}, // auto-play gem
}};
inline constexpr std::int32_t kStandardHeight = 510;

}  // namespace

std::int32_t PictureHeight(int picture) {
  for (const HeightRange& r : kHeights) {
    if (picture >= r.first && picture <= r.last) return r.height;
  }
  return kStandardHeight;
}

}  // namespace tolmark
