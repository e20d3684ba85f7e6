#include "text_lines.h"

#include <sstream>

namespace tolmark::testing {

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace tolmark::testing
