// How the pictures group into figures: walking sets, animation frames and single pictures.
#pragma once

#include <array>

#include "art/pictures.h"

namespace tolmark {

enum class PictureSetKind {
  kWalkingSix,  // P, P+2, P+4 face right; P+1, P+3, P+5 are their mirrors; walks P, P+2, P, P+4
  kFrames,      // two or three frames of one figure facing one way
  kSingle,      // a board, a landmark, the gem
  kBlank,       // background but one near-black pixel, for clearing a scene
};

struct PictureSet {
  int first;
  int count;
  PictureSetKind kind;
  const char* what;
};

using enum PictureSetKind;

inline constexpr std::array<PictureSet, 55> kPictureSets = {{
    {0, 3, kFrames, "assassin"},
    {3, 1, kSingle, "castle"},
    {4, 1, kSingle, "mountains"},
    {5, 1, kSingle, "town houses"},
    {6, 3, kFrames, "karate beetle"},
    {9, 2, kFrames, "bird"},
    {11, 3, kFrames, "bone soldier"},
    {14, 3, kFrames, "town dealer"},
    {17, 3, kFrames, "white tiger warrior"},
    {20, 6, kWalkingSix, "pink-haired girl"},
    {26, 6, kWalkingSix, "travelling merchant"},
    {32, 6, kWalkingSix, "plank carrier"},
    {38, 6, kWalkingSix, "hero's wagon"},
    {44, 1, kSingle, "closed board"},
    {45, 6, kWalkingSix, "fairy"},
    {51, 6, kWalkingSix, "boy with shield"},
    {57, 3, kFrames, "hero in his shop"},
    {60, 6, kWalkingSix, "priest"},
    {66, 6, kWalkingSix, "horned queen"},
    {72, 6, kWalkingSix, "man in black cloak"},
    {78, 6, kWalkingSix, "girl in white hat"},
    {84, 6, kWalkingSix, "old spearman"},
    {90, 6, kWalkingSix, "rich lady"},
    {96, 3, kFrames, "carriage"},
    {99, 1, kSingle, "counter board"},
    {100, 1, kSingle, "auto board"},
    {101, 1, kSingle, "green gem"},
    {102, 3, kFrames, "cherry crocodile"},
    {105, 3, kFrames, "cerberus"},
    {108, 3, kFrames, "red dragon"},
    {111, 3, kFrames, "fish man"},
    {114, 3, kFrames, "bald monk"},
    {117, 2, kFrames, "hermit"},
    {119, 3, kFrames, "demon gail"},
    {122, 3, kFrames, "king"},
    {125, 3, kFrames, "kirin"},
    {128, 3, kFrames, "twin sword"},
    {131, 3, kFrames, "mantis"},
    {134, 6, kWalkingSix, "hero walking"},
    {140, 3, kFrames, "gail"},
    {143, 3, kFrames, "duran"},
    {146, 1, kBlank, "blank"},
    {147, 1, kBlank, "blank"},
    {148, 2, kFrames, "rainbow octopus"},
    {150, 3, kFrames, "cyclops"},
    {153, 3, kFrames, "orc"},
    {156, 2, kFrames, "robot soldier"},
    {158, 3, kFrames, "blue dragon"},
    {161, 3, kFrames, "shark captain"},
    {164, 3, kFrames, "snake"},
    {167, 2, kFrames, "slime"},
    {169, 3, kFrames, "vermilion bird"},
    {172, 2, kFrames, "whale tank"},
    {174, 1, kSingle, "closed board in English"},
    {175, 1, kSingle, "auto board in English"},
}};

// The sets follow each other without gap or overlap and cover the whole table.
constexpr bool SetsTileTheTable() {
  int next = 0;
  for (const PictureSet& set : kPictureSets) {
    if (set.first != next || set.count < 1) return false;
    next += set.count;
  }
  return next == kPictureCount;
}
static_assert(SetsTileTheTable());

// The set holding picture `index`.
constexpr const PictureSet& PictureSetOf(int index) {
  for (const PictureSet& set : kPictureSets) {
    if (index >= set.first && index < set.first + set.count) return set;
  }
  return kPictureSets[0];  // unreachable for 0..175: the table covers them all
}

}  // namespace tolmark
