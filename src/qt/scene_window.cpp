// A frame is a list of pictures and places, kept aside while the scene draws it; presenting it
// swaps the list in, changes the shape once and shows only where pictures left or arrived, so
// the window never shows a half-drawn frame. On X11 the server composes the frame, unites its
// shape and keeps the pixels (X11SceneSurface); elsewhere the window paints the list itself.
#include "qt/scene_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShowEvent>
#include <QWindow>
#include <algorithm>

#include "qt/figure_window_kind.h"
#include "qt/frame_placement.h"
#include "qt/keyboard_focus.h"
#include "qt/picture_images.h"
#include "qt/shape_region.h"
#include "qt/virtual_keys.h"
#include "qt/x11_desktop.h"

namespace tolmark {
namespace {

// Where two frames may differ: the places of the pictures that are not the same at the same
// position of the drawing order. Elsewhere the same pictures lie in the same order.
std::vector<QRect> Difference(const std::vector<ScenePicture>& before,
                              const std::vector<ScenePicture>& after) {
  std::vector<QRect> area;
  for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
    const bool inBefore = i < before.size(), inAfter = i < after.size();
    if (inBefore && inAfter && before[i] == after[i]) continue;
    if (inBefore) area.push_back(before[i].rect);
    if (inAfter) area.push_back(after[i].rect);
  }
  return area;
}

bool Touches(const std::vector<QRect>& area, const QRect& r) {
  return std::any_of(area.begin(), area.end(), [&](const QRect& a) { return a.intersects(r); });
}

// The union of the pictures' shapes, in window pixels.
QRegion ShapeOf(const std::vector<ScenePicture>& frame) {
  QRegion shape;
  for (const ScenePicture& p : frame) {
    shape += PictureRegion(p.picture).translated(p.rect.topLeft());
  }
  return shape;
}

}  // namespace

int GameButton(int qtButton) {
  switch (qtButton) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 3;
    default: return 0;
  }
}

SceneWindow::SceneWindow(Window id, InputRouter& router)
    : FigureWindow(), id_(id), router_(router) {
  setWindowTitle(QString::fromUtf8(kGameCaption.data(), static_cast<int>(kGameCaption.size())));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  // A scene appears without the keyboard; a click on a figure gives it one.
  setAttribute(Qt::WA_ShowWithoutActivating);
  // A hint over the figures shows while the player works in another program, too.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  if (OnXWayland()) {
    // The compositor shows a window's every pixel: the see-through parts must be transparent
    // pixels, which only a window of its own painting (with an alpha channel) has.
    seeThroughPixels_ = true;
    setAttribute(Qt::WA_TranslucentBackground);
  } else if (x11::Available()) {
    onServer_ = true;
    setAttribute(Qt::WA_PaintOnScreen);  // no client-side image, nothing copied to the server
  }
}

SceneWindow::~SceneWindow() = default;

QPaintEngine* SceneWindow::paintEngine() const {
  return onServer_ ? nullptr : QWidget::paintEngine();
}

void SceneWindow::Begin(const QRect& place, int mode) {
  mode_ = mode;
  PlaceWindow(*this, place);
  framePending_ = false;
  StartFrameIfNeeded();
}

void SceneWindow::StartFrameIfNeeded() {
  if (framePending_) return;
  framePending_ = true;
  pending_.clear();
  pendingMode_ = mode_;
}

void SceneWindow::Draw(int picture, int xPixels, int yPixels) {
  StartFrameIfNeeded();
  const QImage& image = PictureImage(picture);
  pending_.push_back({picture, QRect(QPoint(xPixels, yPixels), image.size())});
}

X11SceneSurface* SceneWindow::Surface() {
  if (!onServer_) return nullptr;
  const int scale = std::max(1, qRound(devicePixelRatioF()));
  const WId native = winId();  // the native window must exist to take a canvas
  const QSize device = size() * scale;
  if (surface_ && surface_->Serves(native, device, scale)) return surface_.get();
  surface_ = X11SceneSurface::Attach(native, device, scale);
  if (!surface_) {
    // No plain 24-bit visual or no shapes on this server: the window paints itself after all.
    onServer_ = false;
    setAttribute(Qt::WA_PaintOnScreen, false);
    return nullptr;
  }
  blankCanvas_ = true;
  return surface_.get();
}

void SceneWindow::Compose(X11SceneSurface& surface, std::vector<QRect> area) {
  // Pictures are copied whole, so every picture the area touches joins it, until none is left
  // half in: a picture redrawn for its part inside must not cover, outside, one above it.
  std::vector<bool> redrawn(shown_.size(), false);
  for (bool grown = true; grown;) {
    grown = false;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
      if (!redrawn[i] && Touches(area, shown_[i].rect)) {
        area.push_back(shown_[i].rect);
        redrawn[i] = grown = true;
      }
    }
  }
  surface.Erase(area);
  if (shownMode_ != 1) return;
  // In order: one that stayed may lie under one that moved.
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    if (redrawn[i]) surface.DrawPicture(shown_[i].picture, shown_[i].rect.topLeft());
  }
}

void SceneWindow::Present() {
  StartFrameIfNeeded();
  framePending_ = false;
  const bool visible = isVisible();
  if (shownFrame_ && pending_ == shown_ && pendingMode_ == shownMode_ && size() == shownSize_) {
    if (!visible) show();
    return;  // nothing moved
  }
  // Only where a picture left or arrived changes; a picture that stayed is shown anew only if
  // another one crossed it. A frame without pictures shows the whole window.
  const bool wasWhole = !shownFrame_ || shown_.empty();
  const std::vector<QRect> changed =
      pendingMode_ == shownMode_ ? Difference(shown_, pending_) : std::vector<QRect>{rect()};
  shown_.swap(pending_);
  shownMode_ = pendingMode_;
  pending_.clear();
  shownFrame_ = true;
  shownSize_ = size();
  const bool whole = wasWhole || shown_.empty();

  if (X11SceneSurface* surface = Surface()) {
    // A new canvas holds nothing yet: the frame goes onto it whole.
    const std::vector<QRect> area = whole || blankCanvas_ ? std::vector<QRect>{rect()} : changed;
    blankCanvas_ = false;
    surface->Shape(shown_);
    Compose(*surface, area);
    surface->Reveal(area);
    if (!visible) show();
    return;
  }
  // The shape goes to the native window, not through QWidget::setMask: a widget mask would cut
  // every repaint into the shape's many rectangles.
  winId();  // the native window must exist to take a shape, even before it is first shown
  shownShape_ = ShapeOf(shown_);
  windowHandle()->setMask(shownShape_);
  if (!visible) {
    show();
  } else {
    QRegion area;
    for (const QRect& r : whole ? std::vector<QRect>{rect()} : changed) area += r;
    update(area);
  }
}

void SceneWindow::paintEvent(QPaintEvent* event) {
  if (onServer_) return;  // the server repaints from the canvas by itself
  QPainter p(this);
  // Nothing drawn shows black: inside the shape between pictures, or everywhere without one.
  if (seeThroughPixels_) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(event->rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRegion black = shown_.empty() ? QRegion(rect()) : shownShape_;
    for (const QRect& r : black & event->region()) p.fillRect(r, Qt::black);
  } else {
    p.fillRect(event->rect(), Qt::black);
  }
  if (shownMode_ != 1) return;
  // Pixel art: scaled displays get whole blocks of pixels, never a blur.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (const ScenePicture& placed : shown_) {
    if (placed.rect.intersects(event->rect())) {
      p.drawImage(placed.rect.topLeft(), PictureImage(placed.picture));
    }
  }
}

void SceneWindow::mousePressEvent(QMouseEvent* event) {
  const int button = GameButton(event->button());
  if (button == 0) return;
  // A click gives the scene the keyboard, as it does on any X desktop with or without a window
  // manager; under a Wayland compositor only the compositor gives it (keyboard_focus.h).
  if (!isActiveWindow() && MayTakeKeyboard(*this)) activateWindow();
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
