// Stand-in pictures until the artwork lands: each index a solid figure of its proper size,
// standing on the bottom row, with the blanks drawn exactly as the game defines them.
#include <array>
#include <stdexcept>
#include <vector>

#include "art/pictures.h"

namespace tolmark {
namespace {

struct Size {
  int width;
  int height;
};

Size SizeOf(int index) {
  if (index >= 3 && index <= 5) return {66, 34};
  if ((index >= 38 && index <= 43) || (index >= 96 && index <= 98)) return {64, 32};
  if (index == 44 || index == 99 || index == 100) return {15, 41};
  if (index == 101) return {15, 15};
  return {34, 34};
}

struct Store {
  std::array<std::vector<std::uint32_t>, kPictureCount> pixels;
  std::array<PictureBitmap, kPictureCount> bitmaps;

  Store() {
    for (int i = 0; i < kPictureCount; ++i) {
      const Size size = SizeOf(i);
      auto& px = pixels[static_cast<std::size_t>(i)];
      px.assign(static_cast<std::size_t>(size.width * size.height), kBackgroundRgb);
      if (i == 146 || i == 147) {
        px[static_cast<std::size_t>(33 * size.width + 33)] = 0x101010;
      } else {
        // A figure filling the lower part of the cell, its colour telling the index apart.
        const std::uint32_t colour = 0x402000u + static_cast<std::uint32_t>(i) * 0x010305u;
        for (int y = size.height / 3; y < size.height; ++y) {
          for (int x = 2; x < size.width - 2; ++x) {
            px[static_cast<std::size_t>(y * size.width + x)] = colour;
          }
        }
      }
      bitmaps[static_cast<std::size_t>(i)] = PictureBitmap{size.width, size.height, px};
    }
  }
};

}  // namespace

const PictureBitmap& PictureBitmapOf(int index) {
  static const Store store;
  if (index < 0 || index >= kPictureCount) throw std::out_of_range("picture index");
  return store.bitmaps[static_cast<std::size_t>(index)];
}

}  // namespace tolmark
