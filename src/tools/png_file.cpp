// PNG output through libpng's simplified writer.
#include <png.h>

#include <cstring>

#include "tools/rgb_image.h"

namespace tolmark {

bool WritePng(const RgbImage& image, const std::string& path) {
  std::vector<png_byte> bytes;
  bytes.reserve(image.pixels.size() * 3);
  for (std::uint32_t rgb : image.pixels) {
    bytes.push_back(static_cast<png_byte>(rgb >> 16));
    bytes.push_back(static_cast<png_byte>(rgb >> 8));
    bytes.push_back(static_cast<png_byte>(rgb));
  }
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  const int ok = png_image_write_to_file(&png, path.c_str(), 0, bytes.data(), 0, nullptr);
  png_image_free(&png);
  return ok != 0;
}

}  // namespace tolmark
