// The game object: every input of the player routed to the scene on screen.
#include "scene/game.h"

#include "field/field_operations.h"
#include "field/field_windows.h"
#include "scene/common_commands.h"
#include "scene/dialogue.h"
#include "scene/dispatch.h"
#include "scene/keys.h"
#include "scene/menus.h"
#include "scene/startup.h"
#include "scene/watchdog.h"
#include "shop/shop_operations.h"
#include "shop/shop_tick.h"
#include "town/arms_operations.h"
#include "town/town_windows.h"

namespace tolmark {

Game::Game(Desktop& desktop, Random& random)
    : desktop_(desktop), random_(random), scenes_{state_, desktop_, random_, {}} {
  desktop_.SetEventSink(this);
}

Game::~Game() { desktop_.SetEventSink(nullptr); }

void Game::Start() { ShopStartUp(scenes_); }

void Game::MouseDown(Window window, int button) {
  if (window == Window::frmYes || window == Window::frmNo) {
    // The answer balloons answer only the prompt that is open.
    if (state_.AwaitingAnswer == kTrue) {
      GiveAnswer(scenes_, window == Window::frmYes ? kAnswerYes : kAnswerNo, false);
    }
    return;
  }
  if (IsSceneWindow(window) || window == Window::frmMessage) Dispatch(scenes_, button, true);
}

void Game::KeyDown(Window window, int keyCode) {
  if (IsSceneWindow(window)) KeyPressed(scenes_, keyCode, true);
}

void Game::TimerTick(Window scene, Timer timer) {
  if (timer == Timer::Timer2) {
    WatchdogTick(scenes_, scene);
    return;
  }
  switch (scene) {
    case Window::frmShop: ShopTick(scenes_); return;
    case Window::frmField: FieldTick(scenes_); return;
    case Window::frmArms: ArmsTick(scenes_); return;
    default: return;
  }
}

void Game::MenuChosen(std::string_view item) {
  if (CommonMenuChosen(scenes_, item)) return;
  if (FindMenuItem(scenes_.menus.shop, item)) {
    ShopMenuChosen(scenes_, item);
  } else if (FindMenuItem(scenes_.menus.field, item)) {
    FieldMenuChosen(scenes_, item);
  } else if (FindMenuItem(scenes_.menus.arms, item)) {
    ArmsMenuChosen(scenes_, item);
  }
}

void Game::ListMouseDown(Window window, int row, int button) {
  switch (window) {
    case Window::frmShopItem:
    case Window::frmStatus:
    case Window::frmList:
    case Window::frmOrder: ShopListMouseDown(scenes_, window, row, button); return;
    case Window::frmFItem:
    case Window::frmFStatus: FieldListMouseDown(scenes_, window, row, button); return;
    case Window::frmABuy:
    case Window::frmASell: TownListMouseDown(scenes_, window, row, button); return;
    default: return;
  }
}

void Game::DoubleClick(Window window) {
  switch (window) {
    case Window::frmShopItem:
    case Window::frmStatus:
    case Window::frmList:
    case Window::frmOrder: ShopWindowDoubleClick(scenes_, window); return;
    case Window::frmFItem:
    case Window::frmFStatus: FieldWindowDoubleClick(scenes_, window); return;
    case Window::frmABuy:
    case Window::frmASell: TownWindowDoubleClick(scenes_, window); return;
    default: return;
  }
}

}  // namespace tolmark
