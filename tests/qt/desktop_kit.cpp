#include "desktop_kit.h"

#include <sstream>

#include "kwin_wayland_session.h"
#include "panel.h"
#include "text_lines.h"
#include "tool_check.h"
#include "virtual_display.h"
#include "wait_for.h"
#include "weston_session.h"

namespace tolmark::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Server = DesktopSetup::Server;

namespace {

std::string Hex(std::uint32_t colour) {
  std::ostringstream out;
  out << std::hex;
  out.width(6);
  out.fill('0');
  out << colour;
  return out.str();
}

// A compositor that is its XWayland's window manager too.
bool ManagedByCompositor(Server server) {
  return server == Server::kKwinWayland || server == Server::kMutterWayland;
}

// The programs the kit runs itself for what the suite asked.
std::vector<std::string> ToolsFor(const DesktopSetup& setup) {
  std::vector<std::string> tools;
  switch (setup.server) {
    case Server::kXvfb:
      tools = {"Xvfb", "import", "xprop"};
      if (setup.shotFormat != "ppm") tools.push_back("convert");
      break;
    case Server::kWestonHeadless:
      tools = {"weston", "weston-screenshooter", "Xwayland", "xdpyinfo", "convert"};
      break;
    case Server::kWestonOnXvfb:
      tools = {"weston", "Xwayland", "Xvfb", "xdpyinfo"};
      break;
    case Server::kKwinWayland:
      tools = {"kwin_wayland", "Xwayland", "dbus-daemon", "xdpyinfo", "xprop", "convert"};
      break;
    case Server::kMutterWayland:
      tools = {"mutter", "Xwayland", "dbus-daemon", "xdpyinfo", "xprop", "convert"};
      break;
  }
  if (setup.windowManager && !ManagedByCompositor(setup.server)) {
    tools.push_back("dbus-daemon");
    tools.push_back(ChosenWindowManager().command.front());
  }
  if (!setup.panel.empty()) tools.push_back("tint2");
  tools.insert(tools.end(), setup.tools.begin(), setup.tools.end());
  return tools;
}

}  // namespace

DesktopKit::DesktopKit(DesktopSetup setup) : setup_(std::move(setup)) {
  missing_ = MissingTool(ToolsFor(setup_));
}

DesktopKit::~DesktopKit() {
  panel_.reset();
  desktopWindow_.reset();
  manager_.manager.reset();
  manager_.bus.reset();
  backdrop_.reset();
  server_.reset();
  compositorBus_.reset();
  host_.server.reset();
  folders_.reset();
}

::testing::AssertionResult DesktopKit::Start() {
  folders_ = std::make_unique<GameFolders>(setup_.suite);
  shots_ = fs::current_path() / setup_.shots;
  fs::create_directories(shots_);

  switch (setup_.server) {
    case Server::kXvfb:
      if (auto started = StartXvfb(); !started) return started;
      break;
    case Server::kWestonHeadless:
    case Server::kWestonOnXvfb: {
      std::string backend = "--backend=headless-backend.so --debug";
      if (setup_.server == Server::kWestonOnXvfb) {
        VirtualDisplay host = StartVirtualDisplay(setup_.hostWidth, setup_.hostHeight);
        host_.server = std::move(host.server);
        host_.name = host.name;
        if (host_.name.empty()) return ::testing::AssertionFailure() << "Xvfb did not start";
        backend = "--backend=x11-backend.so";
      }
      ChildProcess::Options options = Env();
      options.env["DISPLAY"] = host_.name;
      WestonSession weston = StartWeston(backend, setup_.width, setup_.height, options,
                                         folders_->Root() / "weston.log");
      server_ = std::move(weston.compositor);
      socket_ = weston.socket;
      display_ = weston.display;
      if (!weston.failure.empty()) return ::testing::AssertionFailure() << weston.failure;
      break;
    }
    case Server::kKwinWayland:
    case Server::kMutterWayland: {
      KwinWaylandSession session =
          setup_.server == Server::kKwinWayland
              ? StartKwinWayland(setup_.width, setup_.height, Env(), folders_->Root() / "kwin")
              : StartMutterWayland(setup_.width, setup_.height, Env(),
                                   folders_->Root() / "mutter");
      compositorBus_ = std::move(session.bus);
      server_ = std::move(session.compositor);
      socket_ = session.socket;
      display_ = session.display;
      xauthority_ = session.xauthority;
      if (!session.failure.empty()) return ::testing::AssertionFailure() << session.failure;
      break;
    }
  }

  if (setup_.floor) {
    X({"xprop", "-root", "-f", "_NET_WORKAREA", "32cccc", "-set", "_NET_WORKAREA",
       "0, 0, " + std::to_string(setup_.width) + ", " + std::to_string(*setup_.floor)});
  }
  if (setup_.windowManager) {
    // A Wayland compositor manages its XWayland's windows itself.
    if (!ManagedByCompositor(setup_.server)) {
      manager_ = StartWindowManager(Manager(), Env(), folders_->Runtime() / "bus");
    }
    if (!WaitFor([&] {
          return X({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}).output.find("window id") !=
                 std::string::npos;
        }, 30s)) {
      return ::testing::AssertionFailure() << Manager().name << " did not start";
    }
    if (Manager().paintsABackground) {
      ChildProcess::Options options = Env();
      options.captureOutput = true;
      desktopWindow_ = std::make_unique<ChildProcess>(
          std::vector<std::string>{CLICK_TARGET_PATH, "0", "0", std::to_string(setup_.width),
                                   std::to_string(setup_.height), "000000", "desktop", "desktop"},
          options);
      if (desktopWindow_->ReadLine(10s).value_or("") != "mapped") {
        return ::testing::AssertionFailure() << "the desktop window did not show";
      }
    }
  }
  if (!setup_.panel.empty()) {
    MovePanel(setup_.panel);
    if (!WaitFor([&] {
          const ScreenRect area = WorkArea();
          return area.height == setup_.height - kPanelHeight &&
                 area.y == (setup_.panel == "top" ? kPanelHeight : 0);
        }, 20s)) {
      return ::testing::AssertionFailure() << "the panel published no work area";
    }
  }
  return ::testing::AssertionSuccess();
}

// A display number another server on this machine took meanwhile may leave ours without a
// screen of its own: started again, up to three times, until the backdrop covers the screen.
::testing::AssertionResult DesktopKit::StartXvfb() {
  for (int attempt = 0; attempt < 3; ++attempt) {
    backdrop_.reset();
    server_.reset();
    VirtualDisplay display = StartVirtualDisplay(setup_.width, setup_.height);
    server_ = std::move(display.server);
    display_ = display.name;
    if (display_.empty()) continue;
    if (!setup_.backdrop || BackdropCovers()) return ::testing::AssertionSuccess();
  }
  display_.clear();
  return ::testing::AssertionFailure() << "no virtual display of " << setup_.width << " x "
                                       << setup_.height << " could be started";
}

bool DesktopKit::BackdropCovers() {
  ChildProcess::Options options = Env();
  options.captureOutput = true;
  backdrop_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{CLICK_TARGET_PATH, "0", "0", std::to_string(setup_.width),
                               std::to_string(setup_.height), Hex(*setup_.backdrop)},
      options);
  if (backdrop_->ReadLine(10s).value_or("") != "mapped") return false;
  const Screenshot shot = Shot("display");
  return shot.width == setup_.width && shot.height == setup_.height &&
         shot.CountOther(0, 0, setup_.width, setup_.height, *setup_.backdrop) == 0;
}

bool DesktopKit::ServerRunning() { return server_ && server_->Running(); }

ChildProcess::Options DesktopKit::Env(const std::string& play) const {
  ChildProcess::Options options;
  options.env = {{"DISPLAY", display_},
                 {"HOME", folders_->Home().string()},
                 {"XDG_CONFIG_HOME", folders_->Config().string()},
                 {"XDG_DATA_HOME", folders_->Data().string()},
                 {"XDG_RUNTIME_DIR", folders_->Runtime().string()},
                 {"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"},
                 {"QT_QPA_PLATFORM", "xcb"},
                 // The suites read the game's Japanese, whatever the locale they are run in.
                 {"LC_ALL", "C.UTF-8"},
                 {"LANGUAGE", ""}};
  if (!xauthority_.empty()) options.env["XAUTHORITY"] = xauthority_;
  if (!socket_.empty()) {
    options.env["WAYLAND_DISPLAY"] = socket_;
    options.env["XDG_SESSION_TYPE"] = "wayland";
  }
  options.folder = folders_->Make(play).string();
  return options;
}

RunResult DesktopKit::X(std::vector<std::string> argv) const { return Run(std::move(argv), Env()); }

Screenshot DesktopKit::Shot(const std::string& name) const {
  const std::string saved = (shots_ / (name + "." + setup_.shotFormat)).string();
  if (setup_.server == Server::kWestonHeadless) {
    return TakeWestonScreenshot(Env(), folders_->Root() / "shots", saved);
  }
  if (ManagedByCompositor(setup_.server)) return TakeXWindowsShot(Env(), saved);
  return TakeScreenshot(display_, saved);
}

void DesktopKit::MovePanel(const std::string& position) {
  panel_.reset();
  panel_ = StartPanel(position, folders_->Root() / ("tint2-" + position + ".rc"), Env());
}

ScreenRect DesktopKit::WorkArea() const {
  ScreenRect area;
  const std::string out = X({"xprop", "-root", "_NET_WORKAREA"}).output;
  const auto equals = out.find('=');
  if (equals == std::string::npos) return area;
  char comma;
  std::istringstream(out.substr(equals + 1)) >> area.x >> comma >> area.y >> comma >>
      area.width >> comma >> area.height;
  return area;
}

}  // namespace tolmark::testing
