// Shows the merchant and his board with a Japanese talk balloon beside him, through the real
// desktop back end, and stays until killed: a model for screenshots of the balloon's look.
#include <QApplication>
#include <QTemporaryDir>

#include "game/scene_list.h"
#include "present/shapes.h"
#include "qt/qt_desktop.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir lockFolder;  // never mistaken for (or refused by) a running game
  tolmark::QtDesktop desk(std::make_unique<tolmark::SingleCopyLock>(lockFolder.filePath("lock")));
  desk.SetSceneWindows(tolmark::SceneWindowsOf(tolmark::kSceneList));
  using tolmark::Window;
  const int p = desk.TwipsPerPixelX();
  const std::int32_t heroX = 100 * p;
  const std::int32_t heroY = desk.WorkAreaHeight() - tolmark::PictureHeight(57);
  desk.BeginScene(Window::frmShop, 1);
  desk.DrawPicture(Window::frmShop, 57, heroX, heroY);
  desk.DrawPicture(Window::frmShop, 44, heroX - 15 * p, heroY - 5 * p);
  desk.ShowScene(Window::frmShop);
  const char* text = argc > 1 ? argv[1] : "いらっしゃいませ！ブーム武器店へようこそ";
  desk.ShowTalk(Window::frmMessage, text, heroX + 24 * p, heroY, 0);
  return app.exec();
}
