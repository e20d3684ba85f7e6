// Parsing and printing of weapon:count lists.
#include "headless/entry_list.h"

#include "headless/script_line.h"

namespace tolmark {

std::optional<std::vector<StockEntry>> ParseEntryList(std::string_view text,
                                                      std::size_t maxEntries, std::string* error) {
  std::vector<StockEntry> entries;
  if (text == "-") return entries;
  for (const std::string_view item : SplitAtCommas(text)) {
    const std::size_t colon = item.find(':');
    const auto weapon = colon == std::string_view::npos
                            ? std::nullopt
                            : ParseWholeNumber(item.substr(0, colon));
    const auto count = weapon ? ParseWholeNumber(item.substr(colon + 1)) : std::nullopt;
    if (!count || *weapon < 0 || *weapon >= kWeaponCount || *count < 1 || *count > 99999) {
      // Built by appending: GCC 12 warns wrongly about "'" + std::string(...) in release builds.
      *error = std::string(1, '\'').append(item).append(
          "' is not weapon:count (weapon 0..60, count 1..99999)");
      return std::nullopt;
    }
    entries.push_back({static_cast<std::int32_t>(*weapon), static_cast<std::int32_t>(*count)});
  }
  if (entries.size() > maxEntries) {
    *error = std::to_string(entries.size()) + " entries, at most " + std::to_string(maxEntries) +
             " fit";
    return std::nullopt;
  }
  return entries;
}

std::string FormatEntryList(std::span<const StockEntry> entries) {
  if (entries.empty()) return "-";
  std::string text;
  for (const StockEntry& e : entries) {
    if (!text.empty()) text += ',';
    text += std::to_string(e.WeaponId) + ':' + std::to_string(e.Count);
  }
  return text;
}

}  // namespace tolmark
