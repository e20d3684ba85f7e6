// A scene window: screen-wide, see-through except for the pictures of its last frame.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

#include "present/window.h"
#include "qt/input_router.h"

namespace tolmark {

class SceneWindow final : public QWidget {
 public:
  SceneWindow(Window id, InputRouter& router);

  Window Id() const { return id_; }

  // Places the window at the top-left of the screen with the given logical size, clears its
  // canvas and forgets any frame in progress.
  void Begin(const QPoint& origin, const QSize& size, qreal pixelRatio, int mode);
  // Adds one picture at a pixel position to the frame in progress.
  void Draw(int picture, int xPixels, int yPixels, const QRegion& shape);
  // The frame becomes what the window shows and where it takes clicks.
  void Present();

  bool HasShownFrame() const { return shownFrame_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void EnsureCanvas(const QSize& size, qreal pixelRatio);

  Window id_;
  InputRouter& router_;
  int mode_ = 1;
  QImage canvas_;         // the hidden drawing surface, as large as the window
  QRect canvasDirty_;     // where the canvas holds pictures since it was last cleared
  bool framePending_ = false;
  QRegion pendingShape_;  // union of the shapes drawn in the frame in progress
  QImage shown_;          // the canvas inside the last frame's bounding rectangle
  QRect shownBounds_;
  bool masked_ = false;
  bool shownFrame_ = false;
};

}  // namespace tolmark
