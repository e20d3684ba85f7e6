// One desktop for a suite of tests: a display of its own (Xvfb, or Weston with XWayland), a
// window manager and a panel when the suite asks for them, the game's folders and environment,
// and screenshots of what the player sees. Every desktop suite builds its desktop here.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "game_folders.h"
#include "screenshot.h"
#include "window_manager.h"

namespace tolmark::testing {

struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
  int Bottom() const { return y + height; }
};

struct DesktopSetup {
  enum class Server {
    kXvfb,            // a bare X server
    kWestonHeadless,  // Weston's headless back end with XWayland; screenshots from Weston
    kWestonOnXvfb,    // Weston's X11 back end, its output a window on an Xvfb: that X server's
                      // pointer and keyboard are the compositor's seat
    kKwinWayland,     // kwin_wayland on a virtual output with XWayland: the compositor is the
                      // window manager; screenshots put together from the X windows
    kMutterWayland,   // mutter as a headless Wayland compositor with XWayland, the same way
  };
  std::string suite{};  // names the temporary folders (tolmark2-SUITE-PID)
  std::string shots{};  // the folder beside the test where its screenshots stay for a look
  std::string shotFormat = "png";
  Server server = Server::kXvfb;
  int width = 800, height = 600;      // the screen the game sees
  int hostWidth = 0, hostHeight = 0;  // the Xvfb under kWestonOnXvfb
  std::vector<std::string> tools{};   // the programs the suite runs itself
  // A plain window of this colour over the whole screen, under everything else: Xvfb's root
  // stays black whatever xsetroot asks, and every pixel of another colour is then a window's.
  std::optional<std::uint32_t> backdrop{};
  std::optional<int> floor{};  // published as the bottom of the work area (_NET_WORKAREA)
  bool windowManager = false;  // the manager TOLMARK_TEST_WM names, openbox when unset
  std::string panel{};         // "top" or "bottom": a panel with a tray there; "" none
};

class DesktopKit {
 public:
  // Checks the tools; nothing starts yet.
  explicit DesktopKit(DesktopSetup setup);
  ~DesktopKit();
  DesktopKit(const DesktopKit&) = delete;
  DesktopKit& operator=(const DesktopKit&) = delete;

  // Why the suite is skipped: a program that is not installed. Empty when all are there.
  const std::string& Missing() const { return missing_; }

  // Starts the display and whatever runs on it, in that order, each waited for.
  ::testing::AssertionResult Start();
  bool ServerRunning();

  const DesktopSetup& Setup() const { return setup_; }
  const GameFolders& Folders() const { return *folders_; }
  const std::string& Display() const { return display_; }      // where the game runs
  const std::string& HostDisplay() const { return host_.name; }  // the seat's X server
  const WindowManager& Manager() const { return ChosenWindowManager(); }

  // The environment of the game and of the X tools: the display, the temporary home and XDG
  // folders, no session bus (the tray icon is then the X11 one a panel embeds), Qt on X11;
  // started in the folder `play` under the temporary root (made when missing).
  ChildProcess::Options Env(const std::string& play = "play") const;
  // Runs a program on the display to its end.
  RunResult X(std::vector<std::string> argv) const;
  // What the player sees, kept in the shots folder as NAME.png (or the setup's format).
  Screenshot Shot(const std::string& name) const;

  // Replaces the panel with one at "top" or "bottom"; does not wait for it.
  void MovePanel(const std::string& position);
  // The work area the desktop publishes (_NET_WORKAREA); all zero when none is published.
  ScreenRect WorkArea() const;

 private:
  ::testing::AssertionResult StartXvfb();
  bool BackdropCovers();

  DesktopSetup setup_;
  std::string missing_;
  std::filesystem::path shots_;
  std::unique_ptr<GameFolders> folders_;
  std::string display_;
  std::string socket_;  // WAYLAND_DISPLAY under Weston
  std::string xauthority_;  // XWayland's key where it asks for one
  struct Host {
    std::unique_ptr<ChildProcess> server;
    std::string name;
  } host_;
  std::unique_ptr<ChildProcess> compositorBus_;  // kwin_wayland's session bus
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<ChildProcess> backdrop_;
  RunningWindowManager manager_;
  std::unique_ptr<ChildProcess> desktopWindow_;
  std::unique_ptr<ChildProcess> panel_;
};

}  // namespace tolmark::testing
