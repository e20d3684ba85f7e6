// tolmark2: the weapons shop on the real desktop.
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdlib>
#include <string_view>

#include "model/random.h"
#include "qt/picture_images.h"
#include "qt/qt_desktop.h"
#include "game/game.h"

namespace {

// Shaped windows, positions and stacking need X11; under Wayland the game goes through XWayland.
void PreferX11() {
  const char* session = std::getenv("XDG_SESSION_TYPE");
  const bool wayland = (session && std::string_view(session) == "wayland") ||
                       std::getenv("WAYLAND_DISPLAY") != nullptr;
  if (wayland && std::getenv("DISPLAY") != nullptr) setenv("QT_QPA_PLATFORM", "xcb", 1);
}

}  // namespace

int main(int argc, char** argv) {
  PreferX11();
  // Pixel art wants whole scale factors: 1.5 would smear pictures that 2 keeps crisp.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);  // the game decides when it ends
  app.setWindowIcon(QIcon(QPixmap::fromImage(tolmark::GameIcon(128))));

  tolmark::SystemRandom random;
  tolmark::QtDesktop desktop;
  tolmark::Game game(desktop, random);
  desktop.SetEventSink(&game);
  game.Start();
  // A start that left no scene on screen (the refusal of a second copy) has nothing to run.
  if (!desktop.IsOpen(tolmark::Window::frmShop) && !desktop.IsOpen(tolmark::Window::frmField) &&
      !desktop.IsOpen(tolmark::Window::frmArms)) {
    return 0;
  }
  return app.exec();
}
