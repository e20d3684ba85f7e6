// tolmark2: the weapons shop on the real desktop.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "game/game.h"
#include "model/random.h"
#include "qt/data_folder.h"
#include "qt/game_tray_icon.h"
#include "qt/picture_images.h"
#include "qt/qt_desktop.h"
#include "qt/whole_scale_factor.h"
#include "save/save_file.h"

#ifndef TOLMARK_VERSION
#define TOLMARK_VERSION "unknown"
#endif

namespace {

// Shaped windows, positions and stacking need X11; under Wayland the game goes through XWayland.
void PreferX11() {
  const char* session = std::getenv("XDG_SESSION_TYPE");
  const bool wayland = (session && std::string_view(session) == "wayland") ||
                       std::getenv("WAYLAND_DISPLAY") != nullptr;
  if (wayland && std::getenv("DISPLAY") != nullptr) setenv("QT_QPA_PLATFORM", "xcb", 1);
}

struct Options {
  QString dataFolder;  // empty: the current folder
  int scale = 0;       // 0: the desktop's scale factor, made whole
};

// Reads the command line without a display, so --help and --version work on any terminal.
// Returns nothing when the program has answered already and ends with that exit code.
std::optional<Options> ReadCommandLine(int argc, char** argv, int& exitCode) {
  QCoreApplication reader(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("tolmark2"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TOLMARK_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Tolmark2: run a weapons shop whose merchant and customers stand on your "
                     "desktop. Right-click the merchant for the menu."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption dataDir(
      QStringLiteral("data-dir"),
      QStringLiteral("Keep the save file and the clear report in DIR (default: the current "
                     "folder). DIR is created when missing."),
      QStringLiteral("DIR"));
  parser.addOption(dataDir);
  const QCommandLineOption scale(
      QStringLiteral("scale"),
      QStringLiteral("Draw every pixel of the pictures as N x N screen pixels (a whole number, "
                     "1 to 8), whatever the desktop's scale factor (default: the desktop's, "
                     "rounded to a whole number)."),
      QStringLiteral("N"));
  parser.addOption(scale);
  if (!parser.parse(QCoreApplication::arguments())) {
    std::fprintf(stderr, "tolmark2: %s\nTry 'tolmark2 --help'.\n",
                 qPrintable(parser.errorText()));
    exitCode = 2;
    return std::nullopt;
  }
  if (parser.isSet(help)) {
    std::printf("%s", qPrintable(parser.helpText()));
    exitCode = 0;
    return std::nullopt;
  }
  if (parser.isSet(version)) {
    std::printf("tolmark2 %s\n", TOLMARK_VERSION);
    exitCode = 0;
    return std::nullopt;
  }
  Options options{parser.value(dataDir)};
  if (parser.isSet(scale)) {
    bool whole = false;
    options.scale = parser.value(scale).toInt(&whole);
    if (!whole || options.scale < 1 || options.scale > 8) {
      std::fprintf(stderr, "tolmark2: --scale takes a whole number from 1 to 8, not '%s'\n"
                   "Try 'tolmark2 --help'.\n", qPrintable(parser.value(scale)));
      exitCode = 2;
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  int exitCode = 0;
  const std::optional<Options> options = ReadCommandLine(argc, argv, exitCode);
  if (!options) return exitCode;

  PreferX11();
  if (options->scale > 0) tolmark::UseScaleFactor(options->scale);
  tolmark::UseWholeScaleFactors();
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);  // the game decides when it ends
  app.setWindowIcon(QIcon(QPixmap::fromImage(tolmark::GameIcon(128))));

  if (!options->dataFolder.isEmpty()) {
    const QString problem = tolmark::UseDataFolder(options->dataFolder);
    if (!problem.isEmpty()) {
      // Started from the desktop's menu, the player sees no terminal: the message is a box.
      std::fprintf(stderr, "tolmark2: %s\n", qPrintable(problem));
      QMessageBox::critical(nullptr, QStringLiteral("+++ Tolmark2 +++"), problem);
      return 1;
    }
  }
  const bool firstStart =
      !QFile::exists(QString::fromUtf8(tolmark::kSaveFileName.data(),
                                       static_cast<int>(tolmark::kSaveFileName.size())));

  tolmark::SystemRandom random;
  tolmark::QtDesktop desktop;
  if (firstStart) desktop.HintUntilMenuOpens(QStringLiteral("右クリックでメニュー (right-click: menu)"));
  tolmark::Game game(desktop, random);
  desktop.SetEventSink(&game);
  game.Start();
  // A start that left no scene on screen (the refusal of a second copy) has nothing to run.
  if (!desktop.IsOpen(tolmark::Window::frmShop) && !desktop.IsOpen(tolmark::Window::frmField) &&
      !desktop.IsOpen(tolmark::Window::frmArms)) {
    return 0;
  }
  tolmark::GameTrayIcon tray([&desktop] { desktop.RaiseAll(); },
                             [&desktop] { desktop.AskToEnd(); });
  return app.exec();
}
