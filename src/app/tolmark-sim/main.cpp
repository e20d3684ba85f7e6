// tolmark-sim: the game driven by a script against the headless desktop; the transcript goes
// to standard output, script errors to standard error. Exit status: 0 every expect held, 1 an
// expect failed, 2 a script error (or a script that cannot be read, or a transcript that cannot be
// written), 3 the game itself failed.
//
// tolmark-sim --monkey SEED STEPS [--lang ja|en] [--transcript FILE]: the soak, random input
// checked step by step in the current folder, in Japanese unless told; a failure is printed as
// the script that replays it (status 1 a rule broke, 3 the game failed). FILE gets the transcript
// of every program run, one after the other.
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string_view>

#include "headless/monkey.h"
#include "headless/script_runner.h"
#include "model/language.h"

namespace {

template <class T>
bool ParseWhole(std::string_view text, T& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

int Usage() {
  std::cerr << "usage: tolmark-sim [SCRIPT]\n"
               "       tolmark-sim --monkey SEED STEPS [--lang ja|en] [--transcript FILE]\n";
  return tolmark::ScriptRunner::kScriptError;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]) == "--monkey") {
    std::uint32_t seed = 0;
    std::int64_t steps = 0;
    if (argc < 4 || !ParseWhole(argv[2], seed) || !ParseWhole(argv[3], steps) || steps < 0) {
      return Usage();
    }
    tolmark::Language language = tolmark::Language::Japanese;
    std::ofstream transcript;
    for (int i = 4; i < argc; i += 2) {
      const std::string_view option = argv[i];
      if (i + 1 >= argc) return Usage();
      if (option == "--lang") {
        const auto named = tolmark::LanguageNamed(argv[i + 1]);
        if (!named) return Usage();
        language = *named;
      } else if (option == "--transcript") {
        transcript.open(argv[i + 1], std::ios::binary | std::ios::trunc);
        if (!transcript) {
          std::cerr << "tolmark-sim: cannot write " << argv[i + 1] << '\n';
          return tolmark::ScriptRunner::kScriptError;
        }
      } else {
        return Usage();
      }
    }
    tolmark::Monkey monkey(seed, std::cout, std::cerr, language,
                           transcript.is_open() ? &transcript : nullptr);
    const int status = monkey.Run(steps);
    if (transcript.is_open() && !transcript.flush()) {
      std::cerr << "tolmark-sim: the transcript could not be written whole\n";
      return tolmark::ScriptRunner::kScriptError;
    }
    return status;
  }
  if (argc > 2) return Usage();
  tolmark::ScriptRunner runner(std::cout, std::cerr);
  if (argc == 1) return runner.Run(std::cin);
  std::ifstream script(argv[1], std::ios::binary);
  if (!script) {
    std::cerr << "tolmark-sim: cannot read " << argv[1] << '\n';
    return tolmark::ScriptRunner::kScriptError;
  }
  return runner.Run(script);
}
