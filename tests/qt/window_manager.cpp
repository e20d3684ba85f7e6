#include "window_manager.h"

#include <cstdlib>

namespace tolmark::testing {

const WindowManager& ChosenWindowManager() {
  static const std::vector<WindowManager> kManagers = {
      {"openbox", {"openbox", "--sm-disable"}},
      {"xfwm4", {"xfwm4", "--compositor=off"}},
      {"kwin_x11", {"kwin_x11"}},
      // KDE's Wayland compositor, the display itself (DesktopSetup::Server::kKwinWayland).
      {"kwin_wayland", {"kwin_wayland"}},
      // GNOME's, as a Wayland compositor (DesktopSetup::Server::kMutterWayland).
      {"mutter_wayland", {"mutter"}},
      // Windows that fade out as they close would linger in the next test's first look.
      {"mutter",
       {"mutter", "--x11", "--replace", "--sm-disable"},
       {{"MUTTER_DEBUG_DISABLE_ANIMATIONS", "1"}},
       true},
  };
  const char* chosen = std::getenv("TOLMARK_TEST_WM");
  for (const WindowManager& m : kManagers) {
    if (chosen && m.name == chosen) return m;
  }
  return kManagers.front();
}

RunningWindowManager StartWindowManager(const WindowManager& manager, ChildProcess::Options env,
                                        const std::filesystem::path& busSocket) {
  RunningWindowManager running;
  const std::string bus = "unix:path=" + busSocket.string();
  running.bus = std::make_unique<ChildProcess>(
      QuietCommand({"dbus-daemon", "--session", "--nofork", "--address=" + bus}), env);
  env.env["DBUS_SESSION_BUS_ADDRESS"] = bus;
  env.env.insert(manager.env.begin(), manager.env.end());
  running.manager = std::make_unique<ChildProcess>(QuietCommand(manager.command), env);
  return running;
}

}  // namespace tolmark::testing
