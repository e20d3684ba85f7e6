// Conversations as rows sorted by step code: the check where a table is defined, and the lookup.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tolmark {

template <typename Row, std::size_t N>
constexpr bool SortedByCode(const std::array<Row, N>& rows) {
  for (std::size_t i = 1; i < N; ++i) {
    if (rows[i - 1].code >= rows[i].code) return false;
  }
  return true;
}

// One table from several, in the order given: parts that conversations share.
template <typename Row, std::size_t... N>
constexpr std::array<Row, (N + ...)> Joined(const std::array<Row, N>&... parts) {
  std::array<Row, (N + ...)> rows{};
  std::size_t i = 0;
  ((std::copy(parts.begin(), parts.end(), rows.begin() + static_cast<std::ptrdiff_t>(i)),
    i += N),
   ...);
  return rows;
}

// The row of that code, or null.
template <typename Row>
const Row* FindByCode(std::span<const Row> rows, std::int32_t code) {
  const auto it = std::lower_bound(rows.begin(), rows.end(), code,
                                   [](const Row& row, std::int32_t c) { return row.code < c; });
  return (it != rows.end() && it->code == code) ? &*it : nullptr;
}

}  // namespace tolmark
