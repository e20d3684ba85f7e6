// The lines of a program's output, as the desktop tests read them.
#pragma once

#include <string>
#include <vector>

namespace tolmark::testing {

std::string FirstLine(const std::string& text);

// The text's lines that are not empty.
std::vector<std::string> Lines(const std::string& text);

}  // namespace tolmark::testing
