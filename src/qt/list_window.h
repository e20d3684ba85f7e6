// Report-style list windows and label windows, placed and filled by the game.
#pragma once

#include <QTreeWidget>
#include <QWidget>

#include "present/desktop.h"
#include "qt/input_router.h"

namespace tolmark {

// Placements and column widths arrive in screen units; these turn them into pixels.
struct UnitScale {
  int unitsPerPixelX = 15;
  int unitsPerPixelY = 15;
  QRect ToPixels(const Placement& place) const;
};

class ListWindow final : public QTreeWidget {
 public:
  ListWindow(Window id, InputRouter& router);
  void Fill(const ListContent& content, const UnitScale& scale);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  Window id_;
  InputRouter& router_;
};

class LabelWindow final : public QWidget {
 public:
  LabelWindow(Window id, InputRouter& router);
  void Fill(const LabelContent& content);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Window id_;
  InputRouter& router_;
};

}  // namespace tolmark
