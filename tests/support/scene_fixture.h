// What a test of the scene routines works on: a game's state, the in-memory desktop, queued
// chance and the game's scenes, with a new game's values in the state.
#pragma once

#include <gtest/gtest.h>

#include "game/scene_list.h"
#include "model/random.h"
#include "new_game.h"
#include "scene/scenes.h"
#include "transcript_desktop.h"

namespace tolmark::testing_support {

struct SceneFixture : ::testing::Test {
  GameState s = NewGame();
  TranscriptDesktop desk;
  ScriptedRandom rnd;
  Scenes c{s, desk, rnd, kSceneList, {}};
};

}  // namespace tolmark::testing_support
