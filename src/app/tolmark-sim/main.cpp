// tolmark-sim: the game driven by a script against the headless desktop; the transcript goes
// to standard output, script errors to standard error. Exit status: 0 every expect held, 1 an
// expect failed, 2 a script error (or a script that cannot be read, or a transcript that cannot be
// written), 3 the game itself failed.
//
// tolmark-sim --monkey SEED STEPS: the soak, random input checked step by step in the current
// folder; a failure is printed as the script that replays it (status 1 a rule broke, 3 the game
// failed).
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string_view>

#include "headless/monkey.h"
#include "headless/script_runner.h"

namespace {

template <class T>
bool ParseWhole(std::string_view text, T& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

int Usage() {
  std::cerr << "usage: tolmark-sim [SCRIPT]\n       tolmark-sim --monkey SEED STEPS\n";
  return tolmark::ScriptRunner::kScriptError;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]) == "--monkey") {
    std::uint32_t seed = 0;
    std::int64_t steps = 0;
    if (argc != 4 || !ParseWhole(argv[2], seed) || !ParseWhole(argv[3], steps) || steps < 0) {
      return Usage();
    }
    tolmark::Monkey monkey(seed, std::cout, std::cerr);
    return monkey.Run(steps);
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
