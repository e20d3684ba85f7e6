// Stepping through UTF-8 text one character at a time, for the tools that print or measure it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tolmark {

// The length of the well-formed UTF-8 sequence at the start of text (1 for an ASCII byte), 0
// when there is none: an empty text, a stray continuation byte, a cut or overlong sequence, a
// surrogate or a code point past U+10FFFF.
inline std::size_t Utf8SequenceLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto b0 = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  std::uint32_t min = 0;
  if (b0 < 0x80) return 1;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2;
    min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3;
    min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  std::uint32_t code = b0 & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xC0) != 0x80) return 0;
    code = (code << 6) | (b & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace tolmark
