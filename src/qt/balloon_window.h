// A talk balloon: white body, black outline with its tail, black text, shaped to its outline.
#pragma once

#include <QString>
#include <QWidget>

#include "model/window.h"
#include "present/balloon.h"
#include "qt/figure_window_kind.h"
#include "qt/input_router.h"

namespace tolmark {

class BalloonWindow final : public FigureWindow {
 public:
  BalloonWindow(Window id, InputRouter& router);

  // Builds the balloon for the geometry and text and moves it to its top-left pixel.
  void Build(const BalloonGeometry& geometry, const QString& text, const QPoint& topLeft);

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Window id_;
  InputRouter& router_;
  BalloonGeometry geometry_;
  QString text_;
  bool seeThroughPixels_ = false;  // see-through by transparent pixels, not only by the shape
};

}  // namespace tolmark
