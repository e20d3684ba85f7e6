// Wayland compositors that are their XWayland's window manager too, headless: KDE's
// kwin_wayland and GNOME's mutter, each on a virtual output with XWayland, the X server the game
// runs on there.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "child_process.h"

namespace tolmark::testing {

struct KwinWaylandSession {
  std::unique_ptr<ChildProcess> bus;         // its session bus; the game sees none
  std::unique_ptr<ChildProcess> compositor;
  std::string socket;   // WAYLAND_DISPLAY
  std::string display;  // XWayland's ":N"
  std::string xauthority;  // the key XWayland asks for, when it asks for one (mutter's does)
  std::string failure;  // why there is no session; empty when it runs
};

// Starts kwin_wayland with an output of width x height drawn in software and waits until its
// XWayland answers. folder holds a copy of the program (the installed one carries a file
// capability that a container may refuse to execute), the session bus's socket and the log;
// env's XDG_RUNTIME_DIR is where the compositor's socket goes.
KwinWaylandSession StartKwinWayland(int width, int height, const ChildProcess::Options& env,
                                    const std::filesystem::path& folder);

// Starts mutter as a headless Wayland compositor with a virtual monitor of width x height and
// waits until its XWayland answers; folder holds its session bus's socket and its log, and
// env's XDG_RUNTIME_DIR its sockets and XWayland's key.
KwinWaylandSession StartMutterWayland(int width, int height, const ChildProcess::Options& env,
                                      const std::filesystem::path& folder);

}  // namespace tolmark::testing
