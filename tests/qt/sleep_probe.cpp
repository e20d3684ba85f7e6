// Shows the merchant through the real desktop back end, then pauses the game for three seconds
// the way the game's Sleep does, telling on standard output when the pause starts and ends and
// every click that reaches the game: the desktop test checks what happens during the pause.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "present/shapes.h"
#include "qt/qt_desktop.h"

namespace {

struct Printer final : tolmark::DesktopEvents {
  void MouseDown(tolmark::Window, int button) override { Say("mouse " + std::to_string(button)); }
  void KeyDown(tolmark::Window, int keyCode) override { Say("key " + std::to_string(keyCode)); }
  void TimerTick(tolmark::Window, tolmark::Timer) override {}
  void MenuChosen(std::string_view) override {}
  void ListMouseDown(tolmark::Window, int, int) override {}
  void DoubleClick(tolmark::Window) override {}
  static void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir lockFolder;
  tolmark::QtDesktop desk(std::make_unique<tolmark::SingleCopyLock>(lockFolder.filePath("lock")));
  Printer printer;
  desk.SetEventSink(&printer);
  const int x = argc > 1 ? std::atoi(argv[1]) : 400;  // where the merchant stands, in pixels
  const int p = desk.TwipsPerPixelX();
  desk.BeginScene(tolmark::Window::frmShop, 1);
  desk.DrawPicture(tolmark::Window::frmShop, 57, x * p,
                   desk.WorkAreaHeight() - tolmark::PictureHeight(57));
  desk.ShowScene(tolmark::Window::frmShop);
  QTimer::singleShot(1000, [&] {
    Printer::Say("asleep");
    desk.Sleep(3000);
    Printer::Say("awake");
  });
  return app.exec();
}
