// Argument readers shared by the script commands.
#include "headless/script_args.h"

#include "headless/entry_list.h"
#include "headless/script_error.h"

namespace tolmark {

void RequireArgs(std::span<const ScriptToken> args, std::size_t min, std::size_t max,
                 std::string_view form) {
  if (args.size() < min || args.size() > max) {
    throw ScriptError("expected: " + std::string(form));
  }
}

std::int64_t IntegerArg(const ScriptToken& arg, std::int64_t min, std::int64_t max,
                        std::string_view what) {
  const auto value = ParseWholeNumber(arg.text);
  if (!value || *value < min || *value > max) {
    throw ScriptError(std::string(what) + " must be a whole number from " +
                      std::to_string(min) + " to " + std::to_string(max) + ", not '" +
                      arg.text + "'");
  }
  return *value;
}

Window WindowArg(const ScriptToken& arg) {
  const auto window = WindowFromName(arg.text);
  if (!window) throw ScriptError("no window named '" + arg.text + "'");
  return *window;
}

std::vector<StockEntry> EntryListArg(const ScriptToken& arg, std::size_t maxEntries) {
  std::string error;
  auto entries = ParseEntryList(arg.text, maxEntries, &error);
  if (!entries) throw ScriptError(error);
  return std::move(*entries);
}

std::string FileNameArg(const ScriptToken& arg) {
  const std::string& name = arg.text;
  // The game's files live in the current folder; a script never reaches outside it.
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of(std::string_view("/\\\0", 3)) != std::string::npos) {
    throw ScriptError("'" + name + "' is not a bare file name");
  }
  return name;
}

}  // namespace tolmark
