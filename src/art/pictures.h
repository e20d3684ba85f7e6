// The picture table: 176 numbered bitmaps built into the game, background RGB(10,10,10).
#pragma once

#include <cstdint>
#include <span>

namespace tolmark {

inline constexpr int kPictureCount = 176;  // indices 0..175
inline constexpr std::uint32_t kBackgroundRgb = 0x0A0A0A;

// One picture: width x height pixels, row-major, each 0xRRGGBB.
struct PictureBitmap {
  int width = 0;
  int height = 0;
  std::span<const std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The bitmap of picture 0..175.
const PictureBitmap& PictureBitmapOf(int index);

// False while an index still shows a plain stand-in block instead of its drawing.
bool PictureIsDrawn(int index);

}  // namespace tolmark
