// Character widths of the headless balloon font.
#include "headless/text_measure.h"

#include "model/utf8_sequence.h"

namespace tolmark {

int HeadlessTextWidthPixels(std::string_view text) {
  int pixels = 0;
  while (!text.empty()) {
    const std::size_t length = Utf8SequenceLength(text);
    pixels += length > 1 ? kWideCharPixels : kNarrowCharPixels;
    text.remove_prefix(length > 1 ? length : 1);
  }
  return pixels;
}

}  // namespace tolmark
