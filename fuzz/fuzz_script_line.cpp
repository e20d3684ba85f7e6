// Script lines and field names from anywhere: splitting never fails badly, what the transcript
// quotes reads back unchanged, and a field path never reaches outside the state.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "headless/script_line.h"
#include "headless/transcript_text.h"
#include "model/state_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto requoted = tolmark::SplitScriptLine("x " + tolmark::QuoteText(input), &error);
  if (!requoted || requoted->size() != 2 || (*requoted)[1].text != input) std::abort();

  static tolmark::GameState state = [] {
    tolmark::GameState s;
    tolmark::ApplyNewGame(s);
    return s;
  }();
  std::size_t start = 0;
  while (start <= input.size()) {
    const std::size_t end = std::min(input.find('\n', start), input.size());
    const auto tokens = tolmark::SplitScriptLine(input.substr(start, end - start), &error);
    if (tokens) {
      for (const auto& token : *tokens) {
        (void)tolmark::ReadField(state, token.text, &error);
        (void)tolmark::WriteField(state, token.text, "0", &error);
      }
    }
    start = end + 1;
  }
  (void)tolmark::StateJson(state);
  return 0;
}
