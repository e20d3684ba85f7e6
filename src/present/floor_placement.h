// Placing the small list and status windows: each stands above the floor of the desktop.
#pragma once

#include <cstdint>

#include "present/desktop.h"

namespace tolmark {

// What placing a window needs of the desktop: the floor and the pixel-to-unit factors.
struct ScreenMetrics {
  std::int32_t workAreaHeight = 0;
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;

  static ScreenMetrics Of(const Desktop& desktop) {
    return {desktop.WorkAreaHeight(), desktop.TwipsPerPixelX(), desktop.TwipsPerPixelY()};
  }
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
