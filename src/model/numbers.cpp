// Rounding and formatting as the game's rules state them.
#include "model/numbers.h"

#include <cfenv>
#include <cmath>

namespace tolmark {

std::int32_t Int(double x) { return static_cast<std::int32_t>(std::floor(x)); }

std::int32_t CLng(double x) {
  // nearbyint follows the current rounding mode, which is round-half-even unless changed.
  if (std::fegetround() != FE_TONEAREST) std::fesetround(FE_TONEAREST);
  return static_cast<std::int32_t>(std::nearbyint(x));
}

std::int32_t Round(double x) { return CLng(x); }

std::string FormatThousands(std::int64_t value) {
  const bool negative = value < 0;
  std::string digits = std::to_string(negative ? -value : value);
  std::string out;
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return negative ? "-" + out : out;
}

}  // namespace tolmark
