// The way back to a game that other windows cover: an icon in the desktop's tray (where the
// desktop has one). A click brings every open window of the game to the front; its menu offers
// the same and the end of the game, which asks the game's own end question.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace tolmark {

class GameTrayIcon final : public QObject {
 public:
  GameTrayIcon(std::function<void()> raise, std::function<void()> end);
  ~GameTrayIcon() override;

 private:
  std::unique_ptr<QMenu> menu_;
  std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace tolmark
