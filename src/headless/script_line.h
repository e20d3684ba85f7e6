// One line of a tolmark-sim script split into its arguments.
#pragma once

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

}  // namespace tolmark
