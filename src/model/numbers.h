// The game's number rules: floor, round half to even, truncating division, thousands formats.
#pragma once

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string>

namespace tolmark {

// Int(x): the largest integer not above x. Like CLng and Round, it holds a result beyond what a
// game field can take at the field's limit instead of wrapping (NaN gives 0).
std::int32_t Int(double x);

// CLng(x) and Round(x): the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int32_t CLng(double x);
std::int32_t Round(double x);

// Whether low <= v <= high.
constexpr bool InRange(std::int32_t v, std::int32_t low, std::int32_t high) {
  return v >= low && v <= high;
}

// Arithmetic on game values that cannot wrap: a field may hold any 32-bit value (a save or a
// script can put one there), so sums, differences and products are worked out wide and held at
// the 32-bit limits, where every rule that caps a value caps it long before.
constexpr std::int32_t Saturate(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
constexpr std::int32_t SatAdd(std::int64_t a, std::int64_t b) { return Saturate(a + b); }
constexpr std::int32_t SatSub(std::int64_t a, std::int64_t b) { return Saturate(a - b); }
constexpr std::int32_t SatMul(std::int64_t a, std::int64_t b) {
  // Both factors come from 32-bit values, so the wide product cannot wrap either.
  return Saturate(a * b);
}

// field += amount and field -= amount, held at the limits of the field's own type.
template <std::integral T>
constexpr void AddTo(T& field, std::int64_t amount) {
  field = static_cast<T>(std::clamp<std::int64_t>(std::int64_t{field} + amount,
                                                  std::numeric_limits<T>::min(),
                                                  std::numeric_limits<T>::max()));
}
template <std::integral T>
constexpr void SubtractFrom(T& field, std::int64_t amount) {
  field = static_cast<T>(std::clamp<std::int64_t>(std::int64_t{field} - amount,
                                                  std::numeric_limits<T>::min(),
                                                  std::numeric_limits<T>::max()));
}

// a \ b: integer division truncating toward zero.
constexpr std::int32_t IntDiv(std::int32_t a, std::int32_t b) { return a / b; }

// "#,##0" and "##,##0": digits in groups of three with commas, at least one digit.
std::string FormatThousands(std::int64_t value);

}  // namespace tolmark
