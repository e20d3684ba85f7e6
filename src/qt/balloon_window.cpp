// The balloon's look comes entirely from the geometry the game computes: caps and body give
// the shape, the outline parts and the two edge lines are painted black over the white body.
#include "qt/balloon_window.h"

#include <QMouseEvent>
#include <QShowEvent>
#include <QPainter>

#include "qt/balloon_font.h"
#include "qt/figure_window_kind.h"
#include "qt/frame_placement.h"
#include "qt/shape_region.h"
#include "qt/x11_desktop.h"

namespace tolmark {

BalloonWindow::BalloonWindow(Window id, InputRouter& router)
    : FigureWindow(), id_(id), router_(router) {
  setWindowTitle(QStringLiteral("MakeRGNTalkWindowTitle"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  // The keys belong to the scene: a balloon appearing must not take the focus from it.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFont(BalloonFont());
  if (OnXWayland()) {
    // The compositor shows every pixel of the window: outside the outline they are transparent.
    seeThroughPixels_ = true;
    setAttribute(Qt::WA_TranslucentBackground);
  }
}

void BalloonWindow::Build(const BalloonGeometry& geometry, const QString& text,
                          const QPoint& topLeft) {
  geometry_ = geometry;
  text_ = text;
  PlaceWindow(*this, QRect(topLeft, QSize(geometry.widthPixels, geometry.heightPixels)));
  const QRegion shape = RegionOf(geometry.shape);
  if (shape.isEmpty()) {
    clearMask();
  } else {
    setMask(shape);
  }
  update();
}

void BalloonWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (seeThroughPixels_) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!mask().isEmpty()) p.setClipRegion(mask());
  }
  p.fillRect(rect(), Qt::white);
  for (const PlacedPart& part : geometry_.outlines) {
    for (const QRect& r : PictureRegion(part.part).translated(part.x, part.y)) {
      p.fillRect(r, Qt::black);
    }
  }
  for (const HLine& line : geometry_.lines) {
    if (line.x1 > line.x0) p.fillRect(QRect(line.x0, line.y, line.x1 - line.x0, 1), Qt::black);
  }
  p.setPen(Qt::black);
  p.setFont(font());
  p.drawText(QPoint(geometry_.textX, geometry_.textY + p.fontMetrics().ascent()), text_);
}

void BalloonWindow::mousePressEvent(QMouseEvent* event) {
  const int button = GameButton(event->button());
  if (button != 0) router_.RouteMouseDown(id_, button);
}

void BalloonWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) x11::SkipTaskbarAndPager(winId());
  QWidget::showEvent(event);
}

}  // namespace tolmark
