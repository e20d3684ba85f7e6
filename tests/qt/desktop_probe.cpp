// The desktop back end driven the way the game drives it, for the desktop tests to watch:
//   desktop-probe sleep X   shows the merchant at pixel column X, then pauses the game for three
//                           seconds as its Sleep does, telling when the pause starts and ends
//   desktop-probe stand X   keeps the merchant at column X standing on the current floor,
//                           redrawing him every 200 ms as a scene start-up would
// Standard output tells "shown", "asleep", "awake" and every click or key that reaches the game.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

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

void ShowMerchant(tolmark::QtDesktop& desk, int xPixels) {
  const int p = desk.TwipsPerPixelX();
  desk.BeginScene(tolmark::Window::frmShop, 1);
  desk.DrawPicture(tolmark::Window::frmShop, 57, xPixels * p,
                   desk.WorkAreaHeight() - tolmark::PictureHeight(57));
  desk.ShowScene(tolmark::Window::frmShop);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3 || (std::strcmp(argv[1], "sleep") != 0 && std::strcmp(argv[1], "stand") != 0)) {
    std::fprintf(stderr, "usage: desktop-probe sleep|stand X\n");
    return 2;
  }
  QTemporaryDir lockFolder;
  tolmark::QtDesktop desk(std::make_unique<tolmark::SingleCopyLock>(lockFolder.filePath("lock")));
  Printer printer;
  desk.SetEventSink(&printer);
  const int x = std::atoi(argv[2]);
  ShowMerchant(desk, x);
  Printer::Say("shown");
  QTimer redraw;
  if (std::strcmp(argv[1], "sleep") == 0) {
    QTimer::singleShot(1000, [&] {
      Printer::Say("asleep");
      desk.Sleep(3000);
      Printer::Say("awake");
    });
  } else {
    QObject::connect(&redraw, &QTimer::timeout, [&] { ShowMerchant(desk, x); });
    redraw.start(200);
  }
  return app.exec();
}
