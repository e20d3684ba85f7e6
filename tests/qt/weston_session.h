// A Wayland session: Weston with XWayland, the X server the game runs on there.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "child_process.h"

namespace tolmark::testing {

struct WestonSession {
  std::unique_ptr<ChildProcess> compositor;
  std::string socket;   // WAYLAND_DISPLAY
  std::string display;  // XWayland's ":N"
  std::string failure;  // why there is no session; empty when it runs
};

// Starts weston with the back end's options (backend), its output width x height, drawn in
// software, and waits until its XWayland answers. env's DISPLAY is the X server a nested back
// end shows its output on; the log goes to logFile.
WestonSession StartWeston(const std::string& backend, int width, int height,
                          const ChildProcess::Options& env, const std::filesystem::path& logFile);

// Whether a compositor's XWayland answers within 30 s; onXWayland names its display (and its key,
// where it asks for one).
bool XWaylandAnswers(const ChildProcess::Options& onXWayland);

}  // namespace tolmark::testing
