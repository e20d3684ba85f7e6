// Rounding and formatting as the game's rules state them.
#include "model/numbers.h"

#include <cmath>
#include <limits>

namespace tolmark {

namespace {

// A whole double held within 32 bits.
std::int32_t ToInt32(double whole) {
  if (std::isnan(whole)) return 0;
  if (whole <= std::numeric_limits<std::int32_t>::min()) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (whole >= std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(whole);
}

}  // namespace

std::int32_t Int(double x) { return ToInt32(std::floor(x)); }

std::int32_t CLng(double x) {
  // Worked out by hand rather than through the floating-point rounding mode, which belongs to
  // the whole program (a toolkit may change it) and is not ours to set.
  double whole = std::floor(x);
  const double fraction = x - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return ToInt32(whole);
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
