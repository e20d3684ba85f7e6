// The game object: owns nothing but the state, and drives it with the desktop and the chance
// it is given. Every input of the player arrives here through DesktopEvents.
#pragma once

#include <span>

#include "game/scene_list.h"
#include "model/game_state.h"
#include "model/random.h"
#include "present/desktop.h"
#include "present/translated_desktop.h"
#include "scene/scenes.h"

namespace tolmark {

class Game final : public DesktopEvents {
 public:
  // The game's own scenes, unless a test brings a list of its own.
  Game(Desktop& desktop, Random& random, std::span<const SceneRow* const> scenes = kSceneList);
  ~Game() override;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Starts the program: the first scene's start-up (or the refusal of a second copy).
  void Start();

  GameState& State() { return state_; }
  const GameState& State() const { return state_; }
  // What the scene routines work on, for a test that hands over between scenes itself.
  Scenes& Context() { return scenes_; }

  // DesktopEvents
  void MouseDown(Window window, int button) override;
  void KeyDown(Window window, int keyCode) override;
  void TimerTick(Window scene, Timer timer) override;
  void MenuChosen(std::string_view item) override;
  void ListMouseDown(Window window, int row, int button) override;
  void DoubleClick(Window window) override;
  void EndAsked() override;

 private:
  GameState state_;
  TranslatedDesktop desktop_;  // the desktop given, in the player's language
  Random& random_;
  Scenes scenes_;  // what every scene routine works on: the three above, the scenes, the menus

  bool IsSceneWindow(Window window) const;
};

}  // namespace tolmark
