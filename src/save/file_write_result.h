// What a write of one of the game's files came to, for the command that asked for it.
#pragma once

#include <string>

namespace tolmark {

struct FileWriteResult {
  bool ok = false;
  std::string error;  // what went wrong, for a log or a message; empty when ok

  explicit operator bool() const { return ok; }
};

}  // namespace tolmark
