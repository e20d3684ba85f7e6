// The desktop back end driven the way the game drives it, for the desktop tests to watch:
//   desktop-probe sleep X   shows the merchant at pixel column X, then pauses the game for three
//                           seconds as its Sleep does, telling when the pause starts and ends
//   desktop-probe stand X   keeps the merchant at column X standing on the current floor,
//                           redrawing him every 200 ms as a scene start-up would
//   desktop-probe walk X    shows a visitor walking along the merchant at column X, between him
//                           and the board he holds, one frame every 20 ms, then stops beyond him
//   desktop-probe walked X  shows only the last frame of that walk
//   desktop-probe talk X    keeps the merchant at column X talking: a line beside him every
//                           250 ms, each followed by the scene taking the focus, as the game
//                           does after every line; every other line goes into the balloon
//                           still showing, as a speaker's next line does, and the others into
//                           a balloon shown anew
//   desktop-probe front X   the same talk, with the scene and the balloon raised after each
//                           line, as the watchdog raises them while another program has the
//                           keyboard
// A right click on the merchant opens a menu of three items, as the shop's does.
// Scale factors are made whole as the game makes them.
// Standard output tells "shown", "asleep", "awake", "walked" and every click, key or menu choice
// that reaches the game.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <string>
#include <utility>

#include "game/scene_list.h"
#include "present/shapes.h"
#include "qt/qt_desktop.h"
#include "qt/whole_scale_factor.h"

namespace {

struct Printer final : tolmark::DesktopEvents {
  void MouseDown(tolmark::Window, int button) override {
    Say("mouse " + std::to_string(button));
    if (button == 2 && menuOn) {
      tolmark::Menu menu{"menu", {}};
      for (const auto& [name, caption] :
           {std::pair{"mitem", "売り物"}, {"mstatus", "ステータス"}, {"mend", "終了"}}) {
        tolmark::MenuItem item;
        item.name = name;
        item.caption = caption;
        menu.items.push_back(item);
      }
      menuOn->PopupMenu(tolmark::Window::frmMenu, menu);
    }
  }
  void KeyDown(tolmark::Window, int keyCode) override { Say("key " + std::to_string(keyCode)); }
  void TimerTick(tolmark::Window, tolmark::Timer) override {}
  void MenuChosen(std::string_view name) override { Say("menu " + std::string(name)); }
  void ListMouseDown(tolmark::Window, int, int) override {}
  void DoubleClick(tolmark::Window) override {}
  static void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  }
  tolmark::QtDesktop* menuOn = nullptr;  // the desktop a right click opens the menu on
};

void ShowMerchant(tolmark::QtDesktop& desk, int xPixels) {
  const int p = desk.TwipsPerPixelX();
  desk.BeginScene(tolmark::Window::frmShop, 1);
  desk.DrawPicture(tolmark::Window::frmShop, 57, xPixels * p,
                   desk.WorkAreaHeight() - tolmark::PictureHeight(57));
  desk.ShowScene(tolmark::Window::frmShop);
}

// The merchant at column X, a visitor at column V in front of him and his board held in front
// of both: the visitor crosses the merchant but never the board.
void ShowWalkFrame(tolmark::QtDesktop& desk, int xPixels, int visitorPixels, int step) {
  const int p = desk.TwipsPerPixelX();
  const std::int32_t floor = desk.WorkAreaHeight() - tolmark::PictureHeight(57);
  desk.DrawPicture(tolmark::Window::frmShop, 57, xPixels * p, floor);
  desk.DrawPicture(tolmark::Window::frmShop, 20 + step % 3, visitorPixels * p, floor);
  desk.DrawPicture(tolmark::Window::frmShop, 44, (xPixels + 4) * p, floor - 5 * p);
  desk.ShowScene(tolmark::Window::frmShop);
}

constexpr int kWalkFrom = 20, kWalkTo = 60;  // the visitor's columns, from the merchant's

}  // namespace

int main(int argc, char** argv) {
  tolmark::UseWholeScaleFactors();
  QApplication app(argc, argv);
  const std::string mode = argc == 3 ? argv[1] : "";
  if (mode != "sleep" && mode != "stand" && mode != "walk" && mode != "walked" && mode != "talk" &&
      mode != "front") {
    std::fprintf(stderr, "usage: desktop-probe sleep|stand|walk|walked|talk|front X\n");
    return 2;
  }
  QTemporaryDir lockFolder;
  tolmark::QtDesktop desk(std::make_unique<tolmark::SingleCopyLock>(lockFolder.filePath("lock")));
  Printer printer;
  desk.SetSceneWindows(tolmark::SceneWindowsOf(tolmark::kSceneList));
  desk.SetEventSink(&printer);
  printer.menuOn = &desk;
  const int x = std::atoi(argv[2]);
  QTimer redraw;
  if (mode == "walk" || mode == "walked") {
    desk.BeginScene(tolmark::Window::frmShop, 1);
    int step = mode == "walk" ? 0 : (kWalkTo - kWalkFrom) / 2;
    auto frame = [&] {
      ShowWalkFrame(desk, x, x + kWalkFrom + 2 * step, step);
      if (kWalkFrom + 2 * step++ < kWalkTo) return;
      redraw.stop();
      Printer::Say("walked");
    };
    QObject::connect(&redraw, &QTimer::timeout, frame);
    redraw.start(20);
    return app.exec();
  }
  ShowMerchant(desk, x);
  Printer::Say("shown");
  if (mode == "sleep") {
    QTimer::singleShot(1000, [&] {
      Printer::Say("asleep");
      desk.Sleep(3000);
      Printer::Say("awake");
    });
  } else if (mode == "talk" || mode == "front") {
    const int p = desk.TwipsPerPixelX();
    int line = 0;
    QObject::connect(&redraw, &QTimer::timeout, [&] {
      if (line % 2 == 0) desk.CloseWindow(tolmark::Window::frmMessage);
      desk.ShowTalk(tolmark::Window::frmMessage, line++ % 2 ? "いらっしゃい" : "何をお探しで？",
                    (x + 40) * p, desk.WorkAreaHeight() - 30 * p, 0);
      desk.Focus(tolmark::Window::frmShop);
      if (mode == "front") {
        desk.BringToFront(tolmark::Window::frmShop);
        desk.BringToFront(tolmark::Window::frmMessage);
      }
      if (line == 1) Printer::Say("talking");
    });
    redraw.start(250);
  } else {
    QObject::connect(&redraw, &QTimer::timeout, [&] { ShowMerchant(desk, x); });
    redraw.start(200);
  }
  return app.exec();
}
