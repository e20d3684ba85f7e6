// A plain RGB image in memory, for writing the pictures out for review.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolmark {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row-major 0xRRGGBB

  RgbImage(int w, int h, std::uint32_t fill)
      : width(w), height(h), pixels(static_cast<std::size_t>(w * h), fill) {}
  void Set(int x, int y, std::uint32_t rgb) {
    if (x >= 0 && y >= 0 && x < width && y < height) {
      pixels[static_cast<std::size_t>(y * width + x)] = rgb;
    }
  }
};

// Writes the image as an 8-bit RGB PNG; false when the file cannot be written.
bool WritePng(const RgbImage& image, const std::string& path);

}  // namespace tolmark
