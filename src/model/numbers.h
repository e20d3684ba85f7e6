// The game's number rules: floor, round half to even, truncating division, thousands formats.
#pragma once

#include <cstdint>
#include <string>

namespace tolmark {

// Int(x): the largest integer not above x.
std::int32_t Int(double x);

// CLng(x) and Round(x): the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int32_t CLng(double x);
std::int32_t Round(double x);

// Whether low <= v <= high.
constexpr bool InRange(std::int32_t v, std::int32_t low, std::int32_t high) {
  return v >= low && v <= high;
}

// a \ b: integer division truncating toward zero.
constexpr std::int32_t IntDiv(std::int32_t a, std::int32_t b) { return a / b; }

// "#,##0" and "##,##0": digits in groups of three with commas, at least one digit.
std::string FormatThousands(std::int64_t value);

}  // namespace tolmark
