// Both kinds are small captioned tool windows; the game owns their contents and refills them
// whenever its state changes, so they keep nothing of their own.
#include "qt/list_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>

#include "qt/game_text.h"
#include "qt/x11_desktop.h"

namespace tolmark {
namespace {

QString Caption() {
  return QString::fromUtf8(kGameCaption.data(), static_cast<int>(kGameCaption.size()));
}

// A title and a close button, nothing to maximize or minimize. Ordinary windows, as the figures'
// are (figure_window_kind.cpp): KWin hides utility windows while another program is active.
constexpr Qt::WindowFlags kSmallWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Shown by the game, never with the keyboard: the player may be typing elsewhere.
void PrepareSmallWindow(QWidget& window) {
  window.setWindowTitle(Caption());
  window.setAttribute(Qt::WA_ShowWithoutActivating);
}

// The window manager's close button asks the game; the window goes only when the game closes it.
void AskGameToClose(QCloseEvent* event, InputRouter& router, Window id) {
  if (!event->spontaneous()) return;
  event->ignore();
  router.RouteCloseRequest(id);
}

}  // namespace

QRect UnitScale::ToPixels(const Placement& place) const {
  return QRect(place.x / unitsPerPixelX, place.y / unitsPerPixelY,
               place.width / unitsPerPixelX, place.height / unitsPerPixelY);
}

ListWindow::ListWindow(Window id, InputRouter& router)
    : QTreeWidget(nullptr), id_(id), router_(router) {
  setWindowFlags(kSmallWindowFlags);
  PrepareSmallWindow(*this);
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
}

void ListWindow::Fill(const ListContent& content, const UnitScale& scale) {
  clear();
  setColumnCount(static_cast<int>(content.columns.size()));
  QStringList titles;
  for (const ListColumn& column : content.columns) titles << QtText(column.title);
  setHeaderLabels(titles);
  for (int i = 0; i < static_cast<int>(content.columns.size()); ++i) {
    setColumnWidth(i, content.columns[static_cast<std::size_t>(i)].width / scale.unitsPerPixelX);
  }
  QList<QTreeWidgetItem*> items;
  for (const auto& row : content.rows) {
    auto* item = new QTreeWidgetItem;
    for (int c = 0; c < static_cast<int>(row.size()); ++c) {
      item->setText(c, QtText(row[static_cast<std::size_t>(c)]));
    }
    items << item;
  }
  addTopLevelItems(items);
  if (content.selectedRow >= 1 && content.selectedRow <= items.size()) {
    setCurrentItem(items[content.selectedRow - 1]);
  } else {
    clearSelection();
  }
}

bool ListWindow::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const int button = GameButton(mouse->button());
    if (button != 0) {
      QTreeWidgetItem* item = itemAt(mouse->position().toPoint());
      const int row = item ? indexOfTopLevelItem(item) + 1 : 0;
      // The list takes its own selection first, as list views do, then the game hears of it.
      const bool handled = QTreeWidget::viewportEvent(event);
      router_.RouteListMouseDown(id_, row, button);
      return handled;
    }
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    router_.RouteDoubleClick(id_);
    return true;
  }
  return QTreeWidget::viewportEvent(event);
}

LabelWindow::LabelWindow(Window id, InputRouter& router)
    : QWidget(nullptr, kSmallWindowFlags), id_(id), router_(router) {
  PrepareSmallWindow(*this);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(2);
}

void LabelWindow::Fill(const LabelContent& content) {
  auto* grid = static_cast<QGridLayout*>(layout());
  while (QLayoutItem* item = grid->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  int row = 0;
  for (const auto& [label, value] : content.rows) {
    grid->addWidget(new QLabel(QtText(label), this), row, 0);
    auto* valueLabel = new QLabel(QtText(value), this);
    valueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(valueLabel, row, 1);
    ++row;
  }
  grid->setRowStretch(row, 1);
}

void LabelWindow::mouseDoubleClickEvent(QMouseEvent*) { router_.RouteDoubleClick(id_); }

void ListWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) x11::SkipTaskbarAndPager(winId());
  QTreeWidget::showEvent(event);
}

void LabelWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) x11::SkipTaskbarAndPager(winId());
  QWidget::showEvent(event);
}

}  // namespace tolmark

namespace tolmark {

void ListWindow::closeEvent(QCloseEvent* event) { AskGameToClose(event, router_, id_); }

void LabelWindow::closeEvent(QCloseEvent* event) { AskGameToClose(event, router_, id_); }

}  // namespace tolmark
