#include "weston_session.h"

#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "wait_for.h"

namespace tolmark::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

WestonSession StartWeston(const std::string& backend, int width, int height,
                          const ChildProcess::Options& env, const fs::path& logFile) {
  WestonSession session;
  // Where X servers put their sockets; on a fresh machine no X server has made it yet.
  const fs::path sockets = "/tmp/.X11-unix";
  if (fs::create_directories(sockets)) {
    fs::permissions(sockets, fs::perms::all | fs::perms::sticky_bit, fs::perm_options::replace);
  }
  session.socket = "tolmark-" + std::to_string(getpid());
  ChildProcess::Options options = env;
  options.env["WAYLAND_DISPLAY"] = session.socket;
  session.compositor = std::make_unique<ChildProcess>(
      std::vector<std::string>{"sh", "-c",
                               "exec weston --no-config " + backend +
                                   // drawn in software: no graphics card needed
                                   " --use-pixman --xwayland --width=" + std::to_string(width) +
                                   " --height=" + std::to_string(height) +
                                   " --socket=" + session.socket + " --log=" + logFile.string() +
                                   " >/dev/null 2>&1"},
      options);
  // The X server starts with the compositor and says where it listens.
  const std::regex listening("xserver listening on display (:[0-9]+)");
  const bool listens = WaitFor([&] {
    std::ifstream in(logFile);
    std::stringstream text;
    text << in.rdbuf();
    std::smatch match;
    const std::string all = text.str();
    if (!std::regex_search(all, match, listening)) return false;
    session.display = match[1];
    return true;
  }, 30s);
  if (!listens) {
    session.failure = "weston started no XWayland";
    return session;
  }
  ChildProcess::Options onXWayland = options;
  onXWayland.env["DISPLAY"] = session.display;
  if (!XWaylandAnswers(onXWayland)) session.failure = "XWayland does not answer";
  return session;
}

bool XWaylandAnswers(const ChildProcess::Options& onXWayland) {
  return WaitFor([&] { return Run({"xdpyinfo"}, onXWayland).status == 0; }, 30s);
}

}  // namespace tolmark::testing
