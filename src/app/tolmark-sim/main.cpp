// tolmark-sim: the game driven by a script against the headless desktop; the transcript goes
// to standard output, script errors to standard error. Exit status: 0 every expect held, 1 an
// expect failed, 2 a script error (or a script that cannot be read, or a transcript that cannot be
// written), 3 the game itself failed.
#include <fstream>
#include <iostream>

#include "headless/script_runner.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: tolmark-sim [SCRIPT]\n";
    return tolmark::ScriptRunner::kScriptError;
  }
  tolmark::ScriptRunner runner(std::cout, std::cerr);
  if (argc == 1) return runner.Run(std::cin);
  std::ifstream script(argv[1], std::ios::binary);
  if (!script) {
    std::cerr << "tolmark-sim: cannot read " << argv[1] << '\n';
    return tolmark::ScriptRunner::kScriptError;
  }
  return runner.Run(script);
}
