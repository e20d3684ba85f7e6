// A 3x5 pixel font of the ten digits, for labelling the cells of the contact sheet.
#pragma once

#include <array>
#include <cstdint>

namespace tolmark {

// Each digit is five rows of three bits, the high bit on the left.
inline constexpr std::array<std::array<std::uint8_t, 5>, 10> kDigitGlyphs = {{
    {0b111, 0b101, 0b101, 0b101, 0b111},  // 0
    {0b010, 0b110, 0b010, 0b010, 0b111},  // 1
    {0b111, 0b001, 0b111, 0b100, 0b111},  // 2
    {0b111, 0b001, 0b011, 0b001, 0b111},  // 3
    {0b101, 0b101, 0b111, 0b001, 0b001},  // 4
    {0b111, 0b100, 0b111, 0b001, 0b111},  // 5
    {0b111, 0b100, 0b111, 0b101, 0b111},  // 6
    {0b111, 0b001, 0b010, 0b010, 0b010},  // 7
    {0b111, 0b101, 0b111, 0b101, 0b111},  // 8
    {0b111, 0b101, 0b111, 0b001, 0b111},  // 9
}};
static_assert(kDigitGlyphs.size() == 10);

}  // namespace tolmark
