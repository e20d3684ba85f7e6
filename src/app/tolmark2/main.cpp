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
#include "model/language.h"
#include "model/random.h"
#include "qt/data_folder.h"
#include "qt/game_text.h"
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

// The language asked for by --lang (read before anything is said, --help included), else the
// one the user's locale asks for.
tolmark::Language LanguageAsked(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::optional<tolmark::Language> named;
    if (arg == "--lang" && i + 1 < argc) named = tolmark::LanguageNamed(argv[i + 1]);
    if (arg.starts_with("--lang=")) named = tolmark::LanguageNamed(arg.substr(7));
    if (named) return *named;
  }
  return tolmark::LanguageOfEnvironment();
}

// Speaks that language from here on. Called again after each Qt application object is made:
// Qt sets the locale from the environment as it starts.
void Speak(tolmark::Language language) {
  static bool warned = false;
  if (!tolmark::UseLanguage(language) && !warned) {
    warned = true;
    std::fprintf(stderr,
                 "tolmark2: the English texts are not installed; the game speaks "
                 "Japanese\n");
  }
}

void PrintUsageError(const QString& problem) {
  std::fprintf(stderr, "tolmark2: %s\n%s\n", qPrintable(problem),
               qPrintable(tolmark::TranslatedText("使い方は 'tolmark2 --help' で見られます。")));
}

// Reads the command line without a display, so --help and --version work on any terminal.
// Returns nothing when the program has answered already and ends with that exit code.
std::optional<Options> ReadCommandLine(int argc, char** argv, tolmark::Language language,
                                       int& exitCode) {
  using tolmark::TranslatedText;
  QCoreApplication reader(argc, argv);
  Speak(language);
  QCoreApplication::setApplicationName(QStringLiteral("tolmark2"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TOLMARK_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      TranslatedText("Tolmark2：デスクトップに立つ主人と客で武器屋を営むゲーム。"
                     "主人を右クリックするとメニューが出ます。"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption dataDir(
      QStringLiteral("data-dir"),
      TranslatedText("セーブファイルとクリア記録を DIR に置く（既定：カレントフォルダー）。"
                     "DIR がなければ作る。"),
      QStringLiteral("DIR"));
  parser.addOption(dataDir);
  const QCommandLineOption scale(
      QStringLiteral("scale"),
      TranslatedText("絵の1ドットを画面の N×N ドットで描く（N は1から8の整数。"
                     "既定：デスクトップの拡大率を整数にしたもの）。"),
      QStringLiteral("N"));
  parser.addOption(scale);
  const QCommandLineOption lang(
      QStringLiteral("lang"),
      TranslatedText("ゲームの言葉：ja（日本語）か en（英語）（既定：ロケールに従う）。"),
      QStringLiteral("LANG"));
  parser.addOption(lang);
  if (!parser.parse(QCoreApplication::arguments())) {
    PrintUsageError(parser.errorText());
    exitCode = 2;
    return std::nullopt;
  }
  if (parser.isSet(lang) && !tolmark::LanguageNamed(parser.value(lang).toStdString())) {
    PrintUsageError(TranslatedText("--lang には ja か en を指定してください（'%1' は使えません）")
                        .arg(parser.value(lang)));
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
      PrintUsageError(
          TranslatedText("--scale には1から8の整数を指定してください（'%1' は使えません）")
              .arg(parser.value(scale)));
      exitCode = 2;
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  int exitCode = 0;
  const tolmark::Language language = LanguageAsked(argc, argv);
  const std::optional<Options> options = ReadCommandLine(argc, argv, language, exitCode);
  if (!options) return exitCode;

  PreferX11();
  if (options->scale > 0) tolmark::UseScaleFactor(options->scale);
  tolmark::UseWholeScaleFactors();
  QApplication app(argc, argv);
  Speak(language);
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
  if (firstStart) desktop.HintUntilMenuOpens(tolmark::TranslatedText("右クリックでメニュー"));
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
