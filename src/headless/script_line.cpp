// The script's quoting rules.
#include "headless/script_line.h"

#include <charconv>

namespace tolmark {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::vector<ScriptToken>> SplitScriptLine(std::string_view line,
                                                        std::string* error) {
  std::vector<ScriptToken> tokens;
  std::size_t i = 0;
  auto fail = [&](std::string why) -> std::optional<std::vector<ScriptToken>> {
    *error = std::move(why);
    return std::nullopt;
  };
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    if (tokens.empty() && line[i] == '#') break;
    ScriptToken token;
    if (line[i] != '"') {
      const std::size_t start = i;
      while (i < line.size() && !IsBlank(line[i])) {
        if (line[i] == '"') return fail("a quote may only start an argument");
        ++i;
      }
      token.text = std::string(line.substr(start, i - start));
    } else {
      token.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size() && !closed) {
        const char c = line[i++];
        if (c == '"') {
          closed = true;
        } else if (c != '\\') {
          token.text += c;
        } else if (i == line.size()) {
          return fail("a backslash ends the line");
        } else {
          const char e = line[i++];
          if (e == '"' || e == '\\') {
            token.text += e;
          } else if (e == 'n') {
            token.text += '\n';
          } else if (e == 'r') {
            token.text += '\r';
          } else if (e == 'x') {
            const int high = i < line.size() ? HexValue(line[i]) : -1;
            const int low = i + 1 < line.size() ? HexValue(line[i + 1]) : -1;
            if (high < 0 || low < 0) return fail("\\x needs two hex digits");
            token.text += static_cast<char>(high * 16 + low);
            i += 2;
          } else {
            return fail(std::string("unknown escape \\") + e);
          }
        }
      }
      if (!closed) return fail("a quoted argument is not closed");
      if (i < line.size() && !IsBlank(line[i])) {
        return fail("a quoted argument must be followed by a space");
      }
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<std::string_view> SplitAtCommas(std::string_view list) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = list.find(',', start);
    items.push_back(list.substr(start, comma - start));
    if (comma == std::string_view::npos) return items;
    start = comma + 1;
  }
}

}  // namespace tolmark
