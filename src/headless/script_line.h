// One line of a tolmark-sim script split into its arguments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolmark {

struct ScriptToken {
  std::string text;
  bool quoted = false;  // "-" quoted is a text, - bare is "none"
  friend bool operator==(const ScriptToken&, const ScriptToken&) = default;
};

// Arguments are separated by spaces or tabs; a double-quoted argument may hold spaces and the
// escapes \" \\ \n \r \xHH (a byte). A blank line or one starting with # gives no arguments.
// A malformed line gives nullopt and the reason in *error.
std::optional<std::vector<ScriptToken>> SplitScriptLine(std::string_view line,
                                                        std::string* error);

// The items of a list argument such as "5:2,7:1" or "59,0", split at every comma; an empty
// argument or two commas in a row give an empty item, which the list's reader refuses.
std::vector<std::string_view> SplitAtCommas(std::string_view list);

// A whole number written in decimal digits with an optional minus sign and nothing else.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);

}  // namespace tolmark
