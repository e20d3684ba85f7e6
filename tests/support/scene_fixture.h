// What a test of the scene routines works on: a game's state, the in-memory desktop, queued
// chance and the game's scenes, with a new game's values in the state.
#pragma once

#include <gtest/gtest.h>

#include "game/scene_list.h"
#include "model/random.h"
#include "scene/scenes.h"
#include "transcript_desktop.h"

namespace tolmark::testing_support {

// A new game's state, as the shop's first start sets it up.
GameState NewGame();

struct SceneFixture : ::testing::Test {
  GameState s = NewGame();
  TranscriptDesktop desk;
  ScriptedRandom rnd;
  Scenes c{s, desk, rnd, kSceneList, {}};
};

}  // namespace tolmark::testing_support
