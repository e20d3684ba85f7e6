// Stock and bag contents written as text in scripts: "W:C,W:C,..." (weapon:count) or "-".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_state.h"

namespace tolmark {

// Weapons are catalogue indices 0..60, counts whole numbers of at least 1; "-" is empty.
std::optional<std::vector<StockEntry>> ParseEntryList(std::string_view text,
                                                      std::size_t maxEntries, std::string* error);
std::string FormatEntryList(std::span<const StockEntry> entries);

}  // namespace tolmark
