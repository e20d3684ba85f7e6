// Character widths of the headless balloon font.
#include "headless/text_measure.h"

namespace tolmark {

int HeadlessTextWidthPixels(std::string_view text) {
  int pixels = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xC0 && lead < 0xE0) length = 2;
    if (lead >= 0xE0 && lead < 0xF0) length = 3;
    if (lead >= 0xF0 && lead < 0xF8) length = 4;
    bool wellFormed = i + length <= text.size();
    for (std::size_t k = 1; wellFormed && k < length; ++k) {
      wellFormed = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (length == 1 || !wellFormed) {
      pixels += kNarrowCharPixels;
      i += 1;
    } else {
      pixels += kWideCharPixels;
      i += length;
    }
  }
  return pixels;
}

}  // namespace tolmark
