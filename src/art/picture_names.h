// Names for the pictures the rules refer to by number, each checked against the picture sets.
#pragma once

#include <array>

#include "art/picture_sets.h"
#include "art/picture_sizes.h"

namespace tolmark::picture {

inline constexpr int kTownDealer = 14;
inline constexpr int kCarpenter = 32;      // the 棟梁, a plank carrier walking into the shop
inline constexpr int kCarpenterOnRoad = 33;  // the same, facing the hero on the road
inline constexpr int kGuard = 85;          // the checkpoint's guard, an old spearman facing left
inline constexpr int kWagon = 38;          // the hero driving his hired wagon
inline constexpr int kWagonLeaving = 39;   // the empty wagon going back, facing left
inline constexpr int kClosedBoard = 44;
inline constexpr int kShopHero = 57;       // the merchant behind his counter
inline constexpr int kCarriage = 96;
inline constexpr int kCounterBoard = 99;
inline constexpr int kAutoBoard = 100;
inline constexpr int kAutoMarker = 101;    // the green gem shown while the road plays itself
inline constexpr int kDemonGail = 119;
inline constexpr int kKing = 122;
inline constexpr int kHeroWalking = 134;
inline constexpr int kBlank = 146;         // the gate, and where a beaten boss stood
inline constexpr int kClosedBoardEnglish = 174;  // painted CLOSED
inline constexpr int kAutoBoardEnglish = 175;    // painted AUTO

// A picture with words painted on it and the same picture as the English edition shows it.
struct EnglishEdition {
  int japanese;
  int english;
};

inline constexpr std::array<EnglishEdition, 2> kEnglishEditions = {{
    {kClosedBoard, kClosedBoardEnglish},
    {kAutoBoard, kAutoBoardEnglish},
}};

// The picture the English edition draws in place of `picture`: its English twin, or itself.
constexpr int EnglishEditionOf(int picture) {
  for (const EnglishEdition& pair : kEnglishEditions) {
    if (pair.japanese == picture) return pair.english;
  }
  return picture;
}

// Whether a picture set of that kind begins at that number, or holds it at all.
constexpr bool BeginsSet(int first, PictureSetKind kind) {
  for (const PictureSet& set : kPictureSets) {
    if (set.first == first) return set.kind == kind;
  }
  return false;
}

constexpr bool InSet(int picture, PictureSetKind kind) {
  for (const PictureSet& set : kPictureSets) {
    if (picture >= set.first && picture < set.first + set.count) return set.kind == kind;
  }
  return false;
}

static_assert(BeginsSet(kCarpenter, kWalkingSix) && InSet(kCarpenterOnRoad, kWalkingSix) &&
              InSet(kGuard, kWalkingSix) &&
              BeginsSet(kBlank, PictureSetKind::kBlank));
static_assert(BeginsSet(kTownDealer, kFrames) && BeginsSet(kWagon, kWalkingSix) &&
              BeginsSet(kWagonLeaving - 1, kWalkingSix) && BeginsSet(kClosedBoard, kSingle) &&
              BeginsSet(kShopHero, kFrames) && BeginsSet(kCarriage, kFrames) &&
              BeginsSet(kCounterBoard, kSingle) && BeginsSet(kAutoBoard, kSingle) &&
              BeginsSet(kAutoMarker, kSingle) && BeginsSet(kDemonGail, kFrames) &&
              BeginsSet(kKing, kFrames) && BeginsSet(kHeroWalking, kWalkingSix));

// An English twin stands in the very same place and window shape as its Japanese picture, so
// it must be a single picture of the same size, and the English pictures are nobody's
// Japanese edition in turn.
constexpr bool EnglishEditionsFit() {
  for (const EnglishEdition& pair : kEnglishEditions) {
    if (!BeginsSet(pair.japanese, kSingle) || !BeginsSet(pair.english, kSingle)) return false;
    if (pair.japanese == pair.english) return false;
    if (!(PictureSizeOf(pair.japanese) == PictureSizeOf(pair.english))) return false;
    if (EnglishEditionOf(pair.english) != pair.english) return false;
  }
  return true;
}
static_assert(EnglishEditionsFit());

}  // namespace tolmark::picture
