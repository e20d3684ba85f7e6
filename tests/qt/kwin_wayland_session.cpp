#include "kwin_wayland_session.h"

#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "text_lines.h"
#include "wait_for.h"
#include "weston_session.h"

namespace tolmark::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The compositor's environment: a D-Bus session of its own (started here, kept by the session),
// and none of the test's display settings, which would make it a client of another display.
ChildProcess::Options OnOwnBus(KwinWaylandSession& session, const ChildProcess::Options& env,
                               const fs::path& folder) {
  ChildProcess::Options options = env;
  const std::string bus = "unix:path=" + (folder / "bus").string();
  session.bus = std::make_unique<ChildProcess>(
      QuietCommand({"dbus-daemon", "--session", "--nofork", "--address=" + bus}), options);
  options.env["DBUS_SESSION_BUS_ADDRESS"] = bus;
  options.env["DISPLAY"] = "";
  options.env["WAYLAND_DISPLAY"] = "";
  options.env["QT_QPA_PLATFORM"] = "";
  return options;
}

}  // namespace

KwinWaylandSession StartKwinWayland(int width, int height, const ChildProcess::Options& env,
                                    const fs::path& folder) {
  KwinWaylandSession session;
  const fs::path sockets = "/tmp/.X11-unix";
  if (fs::create_directories(sockets)) {
    fs::permissions(sockets, fs::perms::all | fs::perms::sticky_bit, fs::perm_options::replace);
  }
  fs::create_directories(folder);
  // A plain copy runs without the capability (raising its own limit on open files), which a
  // container without that privilege refuses at exec.
  const fs::path program = folder / "kwin_wayland";
  const std::string installed = FirstLine(Run({"sh", "-c", "command -v kwin_wayland"}, env).output);
  std::error_code error;
  fs::copy_file(installed, program, fs::copy_options::overwrite_existing, error);
  if (error) {
    session.failure = "kwin_wayland could not be copied: " + error.message();
    return session;
  }

  ChildProcess::Options options = OnOwnBus(session, env, folder);
  session.socket = "tolmark-kwin-" + std::to_string(getpid());
  // kwin starts the programs it is given once XWayland runs, with DISPLAY set to it: the one
  // program here tells which display that is.
  const fs::path told = folder / "xwayland-display";
  fs::remove(told);
  session.compositor = std::make_unique<ChildProcess>(
      std::vector<std::string>{
          "sh", "-c",
          "exec " + program.string() + " --virtual --xwayland --no-lockscreen --width " +
              std::to_string(width) + " --height " + std::to_string(height) + " --socket " +
              session.socket + " 'sh -c \"echo $DISPLAY > " + told.string() + "\"' >" +
              (folder / "kwin.log").string() + " 2>&1"},
      options);
  if (!WaitFor([&] {
        std::ifstream in(told);
        std::string line;
        return std::getline(in, line) && !line.empty() && (session.display = line, true);
      }, 30s)) {
    session.failure = "kwin_wayland started no XWayland (see " + (folder / "kwin.log").string() + ")";
    return session;
  }
  ChildProcess::Options onXWayland = env;
  onXWayland.env["DISPLAY"] = session.display;
  if (!XWaylandAnswers(onXWayland)) session.failure = "XWayland does not answer";
  return session;
}

KwinWaylandSession StartMutterWayland(int width, int height, const ChildProcess::Options& env,
                                      const fs::path& folder) {
  KwinWaylandSession session;
  fs::create_directories(folder);
  ChildProcess::Options options = OnOwnBus(session, env, folder);
  // Windows that fade out as they close would linger in the next test's first look.
  options.env["MUTTER_DEBUG_DISABLE_ANIMATIONS"] = "1";
  session.socket = "tolmark-mutter-" + std::to_string(getpid());
  const fs::path log = folder / "mutter.log";
  const std::string size = std::to_string(width) + "x" + std::to_string(height);
  session.compositor = std::make_unique<ChildProcess>(
      std::vector<std::string>{"sh", "-c",
                               "exec mutter --wayland --headless --virtual-monitor " + size +
                                   " --wayland-display " + session.socket + " --sm-disable >" +
                                   log.string() + " 2>&1"},
      options);
  // It says which display it gives X programs; XWayland's key lies in the runtime folder.
  const std::regex publicDisplay("Using public X11 display (:[0-9]+)");
  if (!WaitFor([&] {
        std::ifstream in(log);
        std::stringstream text;
        text << in.rdbuf();
        const std::string all = text.str();
        std::smatch match;
        if (!std::regex_search(all, match, publicDisplay)) return false;
        session.display = match[1];
        return true;
      }, 30s)) {
    session.failure = "mutter started no XWayland (see " + log.string() + ")";
    return session;
  }
  const fs::path runtime = env.env.at("XDG_RUNTIME_DIR");
  WaitFor([&] {
    for (const auto& entry : fs::directory_iterator(runtime)) {
      if (entry.path().filename().string().rfind(".mutter-Xwaylandauth.", 0) == 0) {
        session.xauthority = entry.path().string();
      }
    }
    return !session.xauthority.empty();
  }, 10s);
  ChildProcess::Options onXWayland = env;
  onXWayland.env["DISPLAY"] = session.display;
  onXWayland.env["XAUTHORITY"] = session.xauthority;
  if (!XWaylandAnswers(onXWayland)) session.failure = "XWayland does not answer";
  return session;
}

}  // namespace tolmark::testing
