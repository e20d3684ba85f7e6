#include "qt/game_tray_icon.h"

#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>

#include "model/window.h"
#include "qt/game_text.h"

namespace tolmark {

GameTrayIcon::GameTrayIcon(std::function<void()> raise, std::function<void()> end)
    : menu_(std::make_unique<QMenu>()), icon_(std::make_unique<QSystemTrayIcon>()) {
  icon_->setIcon(QGuiApplication::windowIcon());
  icon_->setToolTip(QtText(kGameCaption));
  menu_->addAction(TranslatedText("前に出す"), this, raise);
  menu_->addAction(TranslatedText("終了"), this, end);
  icon_->setContextMenu(menu_.get());
  connect(icon_.get(), &QSystemTrayIcon::activated, this,
          [raise](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
              raise();
            }
          });
  // Shown even before a tray exists: Qt puts the icon in a tray that starts later.
  icon_->show();
}

GameTrayIcon::~GameTrayIcon() = default;

}  // namespace tolmark
