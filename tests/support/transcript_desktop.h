// The headless desktop with its transcript kept in memory, for tests that read the lines back.
#pragma once

#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "game/scene_list.h"
#include "headless/headless_desktop.h"

namespace tolmark::testing_support {

// Holds the stream before the desktop that writes to it is built.
struct TranscriptStream {
  std::ostringstream transcript;
};

class TranscriptDesktop : private TranscriptStream, public HeadlessDesktop {
 public:
  // Knows the game's scenes from the start, as a game would tell it.
  TranscriptDesktop() : HeadlessDesktop(transcript) {
    SetSceneWindows(SceneWindowsOf(kSceneList));
  }

  // The transcript so far, one entry a line.
  std::vector<std::string> Lines() const;
  // Lines that start with prefix, in order.
  std::vector<std::string> With(std::string_view prefix) const;
  // Forgets the lines so far; the windows, timers and clock stay as they are.
  void Clear() { transcript.str({}); }

  // The windows of the game that are open and shown.
  std::set<Window> OpenWindows() const;
};

}  // namespace tolmark::testing_support
