// Reading the in-memory transcript back as lines.
#include "transcript_desktop.h"

namespace tolmark::testing_support {

std::vector<std::string> TranscriptDesktop::Lines() const {
  std::vector<std::string> lines;
  std::istringstream in(transcript.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> TranscriptDesktop::With(std::string_view prefix) const {
  std::vector<std::string> out;
  for (std::string& line : Lines()) {
    if (line.starts_with(prefix)) out.push_back(std::move(line));
  }
  return out;
}

std::set<Window> TranscriptDesktop::OpenWindows() const {
  std::set<Window> open;
  for (int i = 0; i < kWindowCount; ++i) {
    const auto window = static_cast<Window>(i);
    if (IsOpen(window)) open.insert(window);
  }
  return open;
}

}  // namespace tolmark::testing_support
