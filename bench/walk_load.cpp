// A customer walking past the merchant at the game's walking pace (a frame every 100 ms),
// drawn through the real desktop back end: the load of the busiest ordinary moment of the shop.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "game/scene_list.h"
#include "present/shapes.h"
#include "qt/qt_desktop.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir lockFolder;
  tolmark::QtDesktop desk(std::make_unique<tolmark::SingleCopyLock>(lockFolder.filePath("lock")));
  desk.SetSceneWindows(tolmark::SceneWindowsOf(tolmark::kSceneList));
  using tolmark::Window;
  const int p = desk.TwipsPerPixelX();
  const std::int32_t heroX = 100 * p;
  const std::int32_t floorY = desk.WorkAreaHeight() - tolmark::PictureHeight(57);
  const std::int32_t width = desk.ScreenWidthPixels() * p;
  std::int32_t visitorX = -32;
  int frame = 0;
  QTimer walk;
  QObject::connect(&walk, &QTimer::timeout, [&] {
    // The picture sequence and step of a walking customer: 20..22, two pixels a frame.
    desk.DrawPicture(Window::frmShop, 57, heroX, floorY);
    desk.DrawPicture(Window::frmShop, 20 + frame, visitorX, floorY);
    desk.DrawPicture(Window::frmShop, 99, heroX - 15 * p, floorY - 5 * p);
    desk.ShowScene(Window::frmShop);
    frame = (frame + 2) % 6;
    visitorX = visitorX > width ? -32 : visitorX + 2 * p;
  });
  desk.BeginScene(Window::frmShop, 1);
  walk.start(100);
  return app.exec();
}
