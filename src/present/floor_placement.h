// The desktop's measures, and placing the small list and status windows above its floor.
#pragma once

#include <cstdint>

#include "present/desktop.h"

namespace tolmark {

// What placing a window or a figure needs of the desktop: the floor, the pixel-to-unit
// factors and the screen's width.
struct ScreenMetrics {
  std::int32_t workAreaHeight = 0;  // the floor the figures stand on, in units
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;
  int screenWidthPixels = 0;

  static ScreenMetrics Of(const Desktop& desktop) {
    return {desktop.WorkAreaHeight(), desktop.TwipsPerPixelX(), desktop.TwipsPerPixelY(),
            desktop.ScreenWidthPixels()};
  }
  std::int32_t PxX(int px) const { return px * twipsPerPixelX; }
  std::int32_t PxY(int px) const { return px * twipsPerPixelY; }
};

// A window's design client size, in screen units.
struct WindowSize {
  std::int32_t width;
  std::int32_t height;
};

// leftPixels from the left edge, its bottom marginPixels above the floor.
constexpr Placement PlaceAboveFloor(const ScreenMetrics& m, WindowSize size, int leftPixels,
                                    int marginPixels) {
  return {leftPixels * m.twipsPerPixelX,
          m.workAreaHeight - size.height - marginPixels * m.twipsPerPixelY, size.width,
          size.height};
}

}  // namespace tolmark
