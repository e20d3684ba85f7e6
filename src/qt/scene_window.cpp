// Frames are composed on a hidden canvas; presenting one copies only its bounding rectangle
// out of the canvas and changes the mask once, so the window never shows a half-drawn frame.
#include "qt/scene_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <QPainter>

#include "qt/picture_images.h"
#include "qt/virtual_keys.h"
#include "qt/x11_desktop.h"

namespace tolmark {

int GameButton(int qtButton) {
  switch (qtButton) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 3;
    default: return 0;
  }
}

SceneWindow::SceneWindow(Window id, InputRouter& router)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint),
      id_(id),
      router_(router) {
  setWindowTitle(QString::fromUtf8(kGameCaption.data(), static_cast<int>(kGameCaption.size())));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
}

void SceneWindow::EnsureCanvas(const QSize& size, qreal pixelRatio) {
  const QSize device = size * pixelRatio;
  if (canvas_.size() == device && canvas_.devicePixelRatio() == pixelRatio) return;
  QImage fresh(device, QImage::Format_RGB32);
  fresh.setDevicePixelRatio(pixelRatio);
  fresh.fill(Qt::black);
  if (!canvas_.isNull()) {
    QPainter p(&fresh);
    p.drawImage(QPoint(0, 0), canvas_);
  }
  canvas_ = std::move(fresh);
}

void SceneWindow::Begin(const QPoint& origin, const QSize& size, qreal pixelRatio, int mode) {
  mode_ = mode;
  setGeometry(QRect(origin, size));
  EnsureCanvas(size, pixelRatio);
  canvas_.fill(Qt::black);
  canvasDirty_ = QRect();
  framePending_ = false;
  pendingShape_ = QRegion();
}

void SceneWindow::Draw(int picture, int xPixels, int yPixels, const QRegion& shape) {
  if (!framePending_) {
    // A new frame starts from an empty canvas; only the part used by earlier frames needs it.
    if (!canvasDirty_.isEmpty()) {
      QPainter p(&canvas_);
      p.fillRect(canvasDirty_, Qt::black);
    }
    canvasDirty_ = QRect();
    framePending_ = true;
    pendingShape_ = QRegion();
  }
  pendingShape_ += shape;
  if (mode_ != 1) return;  // other modes only collect shapes
  const QImage& image = PictureImage(picture);
  if (image.isNull()) return;
  QPainter p(&canvas_);
  // Pixel art: scaled displays get whole blocks of pixels, never a blur.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(QPoint(xPixels, yPixels), image);
  canvasDirty_ |= QRect(QPoint(xPixels, yPixels), image.size());
}

void SceneWindow::Present() {
  const QRect oldBounds = shownBounds_;
  const bool wasMasked = masked_;
  const QRect bounds = pendingShape_.boundingRect().intersected(rect());
  const qreal ratio = canvas_.devicePixelRatio();
  if (bounds.isEmpty()) {
    shown_ = QImage();
  } else {
    shown_ = canvas_.copy(QRect(bounds.topLeft() * ratio, bounds.size() * ratio));
    shown_.setDevicePixelRatio(ratio);
  }
  shownBounds_ = bounds;
  if (pendingShape_.isEmpty()) {
    // Nothing drawn: the window loses its shape and shows whole, in its background colour.
    if (masked_) clearMask();
    masked_ = false;
  } else if (!masked_ || mask() != pendingShape_) {
    setMask(pendingShape_);
    masked_ = true;
  }
  framePending_ = false;
  pendingShape_ = QRegion();
  shownFrame_ = true;
  if (!isVisible()) {
    show();
  } else if (!masked_ || !wasMasked) {
    update();
  } else {
    update(oldBounds.united(bounds));
  }
}

void SceneWindow::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (!masked_) p.fillRect(event->rect(), Qt::black);
  if (!shown_.isNull()) p.drawImage(shownBounds_.topLeft(), shown_);
}

void SceneWindow::mousePressEvent(QMouseEvent* event) {
  const int button = GameButton(event->button());
  if (button == 0) return;
  // A click gives the scene the keyboard, as it does on any desktop with or without a manager.
  if (!isActiveWindow()) activateWindow();
  router_.RouteMouseDown(id_, button);
}

void SceneWindow::keyPressEvent(QKeyEvent* event) {
  if (auto code = VirtualKeyCode(event->key(), event->nativeScanCode())) {
    router_.RouteKeyDown(id_, *code);
  }
}

void SceneWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) x11::SkipTaskbarAndPager(winId());
  QWidget::showEvent(event);
}

}  // namespace tolmark
