// A scene window: screen-wide, see-through except for the pictures of its last frame.
#pragma once

#include <QPoint>
#include <QRegion>
#include <QWidget>
#include <memory>
#include <vector>

#include "model/window.h"
#include "qt/figure_window_kind.h"
#include "qt/input_router.h"
#include "qt/x11_scene_surface.h"

namespace tolmark {

class SceneWindow final : public FigureWindow {
 public:
  SceneWindow(Window id, InputRouter& router);
  ~SceneWindow() override;

  Window Id() const { return id_; }

  // Places the window where given (logical pixels) and forgets any frame in progress; the frame
  // on show stays until the next one is presented.
  void Begin(const QRect& place, int mode);
  // Adds one picture (a valid number) at a pixel position to the frame in progress.
  void Draw(int picture, int xPixels, int yPixels);
  // The frame becomes what the window shows and where it takes clicks.
  void Present();

  bool HasShownFrame() const { return shownFrame_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  QPaintEngine* paintEngine() const override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StartFrameIfNeeded();
  // The server-side canvas, kept matching the window; null where the window paints itself.
  X11SceneSurface* Surface();
  // Puts the frame on show onto the canvas inside the area, which is erased first.
  void Compose(X11SceneSurface& surface, std::vector<QRect> area);

  Window id_;
  InputRouter& router_;
  int mode_ = 1;
  bool framePending_ = false;
  std::vector<ScenePicture> pending_;  // the frame in progress, in drawing order
  int pendingMode_ = 1;
  std::vector<ScenePicture> shown_;    // the frame on show
  int shownMode_ = 1;                  // in modes other than 1 pictures give only their shapes
  QSize shownSize_;                    // the window's size when it was last presented
  bool shownFrame_ = false;
  bool onServer_ = false;     // the X server keeps the pixels; Qt never paints this window
  bool seeThroughPixels_ = false;  // see-through by transparent pixels, not only by the shape
  QRegion shownShape_;             // the shape of the frame on show, where Qt paints
  bool blankCanvas_ = false;  // the server's canvas is new and holds no frame yet
  std::unique_ptr<X11SceneSurface> surface_;
};

}  // namespace tolmark
