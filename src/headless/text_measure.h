// The headless stand-in for the balloon font: a fixed width per character, so balloon sizes and
// places in transcripts are the same on every machine.
#pragma once

#include <cstdint>
#include <string_view>

namespace tolmark {

// Pixels a character takes in the stand-in font: 6 for an ASCII character (one byte of UTF-8),
// 12 for every other character (the full-width Japanese ones). A byte that is not valid UTF-8
// counts as one narrow character.
inline constexpr int kNarrowCharPixels = 6;
inline constexpr int kWideCharPixels = 12;

// The width of the text in whole pixels.
int HeadlessTextWidthPixels(std::string_view text);

}  // namespace tolmark
