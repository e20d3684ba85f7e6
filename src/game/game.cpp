// The game object: every input of the player routed to the scene it belongs to.
#include "game/game.h"

#include "game/scene_list.h"
#include "scene/dialogue.h"
#include "scene/dispatch.h"
#include "scene/keys.h"
#include "scene/menus.h"
#include "scene/watchdog.h"

namespace tolmark {

Game::Game(Desktop& desktop, Random& random, std::span<const SceneRow* const> scenes)
    : desktop_(desktop), random_(random), scenes_{state_, desktop_, random_, scenes, {}} {
  desktop_.SetSceneWindows(SceneWindowsOf(scenes));
  desktop_.SetEventSink(this);
}

Game::~Game() { desktop_.SetEventSink(nullptr); }

void Game::Start() { scenes_.rows.front()->startUp(scenes_); }

bool Game::IsSceneWindow(Window window) const {
  const SceneRow* row = RowOf(scenes_, window);
  return row != nullptr && row->window == window;
}

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
  const SceneRow* row = RowOf(scenes_, scene);
  if (row != nullptr && row->window == scene) row->tick(scenes_);
}

void Game::MenuChosen(std::string_view item) { ChooseMenuItem(scenes_, item); }

void Game::ListMouseDown(Window window, int row, int button) {
  const SceneRow* owner = RowOf(scenes_, window);
  if (owner != nullptr && owner->window != window) {
    owner->listMouseDown(scenes_, window, row, button);
  }
}

void Game::DoubleClick(Window window) {
  const SceneRow* owner = RowOf(scenes_, window);
  if (owner != nullptr && owner->window != window) owner->windowDoubleClick(scenes_, window);
}

void Game::EndAsked() {
  // The first scene whose window stands: while a hand-over goes, the one being left.
  for (const SceneRow* row : scenes_.rows) {
    if (desktop_.IsOpen(row->window)) {
      row->end(scenes_);
      return;
    }
  }
}

}  // namespace tolmark
