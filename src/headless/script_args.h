// Reading the arguments of script commands; a bad one is a script error.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "headless/script_line.h"
#include "model/game_state.h"
#include "model/window.h"

namespace tolmark {

// Exactly `min`..`max` arguments, or a script error naming the command's form.
void RequireArgs(std::span<const ScriptToken> args, std::size_t min, std::size_t max,
                 std::string_view form);
std::int64_t IntegerArg(const ScriptToken& arg, std::int64_t min, std::int64_t max,
                        std::string_view what);
Window WindowArg(const ScriptToken& arg);
// Stock or bag entries written W:C,... or - (see entry_list.h), at most maxEntries of them.
std::vector<StockEntry> EntryListArg(const ScriptToken& arg, std::size_t maxEntries);
// A path inside the current folder's own files: a bare file name.
std::string FileNameArg(const ScriptToken& arg);

}  // namespace tolmark
