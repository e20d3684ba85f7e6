// Names for the pictures the rules refer to by number, each checked against the picture sets.
#pragma once

#include "art/picture_sets.h"

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

}  // namespace tolmark::picture
