// A script line that cannot run: unknown command, bad argument, an input the game would not take.
#pragma once

#include <stdexcept>
#include <string>

namespace tolmark {

class ScriptError : public std::runtime_error {
 public:
  explicit ScriptError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace tolmark
