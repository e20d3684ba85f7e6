// The fixed size of every picture cell: figures 34x34, landmarks, vehicles, boards and the gem.
#pragma once

namespace tolmark {

struct PictureSize {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const PictureSize&, const PictureSize&) = default;
};

constexpr PictureSize PictureSizeOf(int index) {
  if (index >= 3 && index <= 5) return {66, 34};                                 // landmarks
  if ((index >= 38 && index <= 43) || (index >= 96 && index <= 98)) return {64, 32};  // wagon, carriage
  if (index == 44 || index == 99 || index == 100 || index == 174 || index == 175) {
    return {15, 41};  // boards, the English ones too
  }
  if (index == 101) return {15, 15};                                             // the gem
  return {34, 34};
}

}  // namespace tolmark
