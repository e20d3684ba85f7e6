// The whole picture table: sizes, colours, standing on the floor, mirrors, frames and blanks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "art/picture_sets.h"
#include "art/pictures.h"

namespace tolmark {
namespace {

bool IsBackground(const PictureBitmap& p, int x, int y) { return p.At(x, y) == kBackgroundRgb; }

bool IsBlank(int index) { return index == 146 || index == 147; }

bool SamePixels(const PictureBitmap& a, const PictureBitmap& b) {
  return a.width == b.width && a.height == b.height &&
         std::equal(a.pixels.begin(), a.pixels.end(), b.pixels.begin());
}

bool IsMirror(const PictureBitmap& a, const PictureBitmap& b) {
  if (a.width != b.width || a.height != b.height) return false;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (a.At(x, y) != b.At(a.width - 1 - x, y)) return false;
    }
  }
  return true;
}

TEST(PictureTable, EveryPictureHasItsSize) {
  struct Range {
    int first, last, width, height;
  };
  const Range ranges[] = {
      {0, 2, 34, 34},    {3, 5, 66, 34},    {6, 37, 34, 34},    {38, 43, 64, 32},
      {44, 44, 15, 41},  {45, 95, 34, 34},  {96, 98, 64, 32},   {99, 100, 15, 41},
      {101, 101, 15, 15}, {102, 173, 34, 34}, {174, 175, 15, 41},
  };
  int covered = 0;
  for (const Range& r : ranges) {
    for (int i = r.first; i <= r.last; ++i, ++covered) {
      const PictureBitmap& p = PictureBitmapOf(i);
      EXPECT_EQ(p.width, r.width) << "picture " << i;
      EXPECT_EQ(p.height, r.height) << "picture " << i;
      EXPECT_EQ(p.pixels.size(), static_cast<std::size_t>(r.width * r.height)) << "picture " << i;
    }
  }
  EXPECT_EQ(covered, kPictureCount);
  EXPECT_THROW(PictureBitmapOf(-1), std::out_of_range);
  EXPECT_THROW(PictureBitmapOf(kPictureCount), std::out_of_range);
}

// A figure colour close to the background would vanish against it when the desktop is dark,
// and the blanks' dot is the only near-black pixel allowed.
TEST(PictureTable, NoFigureColourNearTheBackground) {
  for (int i = 0; i < kPictureCount; ++i) {
    if (IsBlank(i)) continue;
    const PictureBitmap& p = PictureBitmapOf(i);
    for (std::uint32_t rgb : p.pixels) {
      if (rgb == kBackgroundRgb) continue;
      const int r = static_cast<int>(rgb >> 16), g = static_cast<int>((rgb >> 8) & 0xFF),
                b = static_cast<int>(rgb & 0xFF);
      EXPECT_FALSE(std::abs(r - 10) <= 24 && std::abs(g - 10) <= 24 && std::abs(b - 10) <= 24)
          << "picture " << i << " colour " << std::hex << rgb;
    }
  }
}

// A lone background pixel inside a figure shows the desktop through a pin-hole.
TEST(PictureTable, NoPinHolesInFigures) {
  for (int i = 0; i < kPictureCount; ++i) {
    const PictureBitmap& p = PictureBitmapOf(i);
    for (int y = 1; y + 1 < p.height; ++y) {
      for (int x = 1; x + 1 < p.width; ++x) {
        if (!IsBackground(p, x, y)) continue;
        const bool enclosed = !IsBackground(p, x - 1, y) && !IsBackground(p, x + 1, y) &&
                              !IsBackground(p, x, y - 1) && !IsBackground(p, x, y + 1);
        EXPECT_FALSE(enclosed) << "picture " << i << " hole at " << x << "," << y;
      }
    }
  }
}

TEST(PictureTable, FiguresStandOnTheBottomRow) {
  for (int i = 0; i < kPictureCount; ++i) {
    if (IsBlank(i) || i == 101) continue;
    const PictureBitmap& p = PictureBitmapOf(i);
    bool touches = false;
    for (int x = 0; x < p.width; ++x) touches = touches || !IsBackground(p, x, p.height - 1);
    EXPECT_TRUE(touches) << "picture " << i << " floats above the floor";
  }
}

TEST(PictureTable, LeftFacingPicturesMirrorTheirRightFacingTwins) {
  for (const PictureSet& set : kPictureSets) {
    if (set.kind != kWalkingSix) continue;
    for (int right = set.first; right < set.first + set.count; right += 2) {
      EXPECT_TRUE(IsMirror(PictureBitmapOf(right), PictureBitmapOf(right + 1)))
          << set.what << ": " << right + 1 << " is not the mirror of " << right;
    }
  }
}

// Two equal frames would make a figure stand frozen while it walks or breathes.
TEST(PictureTable, FramesOfOneFigureDiffer) {
  for (const PictureSet& set : kPictureSets) {
    if (set.kind != kWalkingSix && set.kind != kFrames) continue;
    const int step = set.kind == kWalkingSix ? 2 : 1;
    for (int a = set.first; a < set.first + set.count; a += step) {
      for (int b = a + step; b < set.first + set.count; b += step) {
        EXPECT_FALSE(SamePixels(PictureBitmapOf(a), PictureBitmapOf(b)))
            << set.what << ": frames " << a << " and " << b << " are the same";
      }
    }
  }
}

TEST(PictureTable, BlanksHoldOneNearBlackDotInTheCorner) {
  for (int i : {146, 147}) {
    const PictureBitmap& p = PictureBitmapOf(i);
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        if (x == 33 && y == 33) {
          const std::uint32_t rgb = p.At(x, y);
          EXPECT_NE(rgb, kBackgroundRgb);
          EXPECT_LE(rgb >> 16, 0x20u);
          EXPECT_LE((rgb >> 8) & 0xFF, 0x20u);
          EXPECT_LE(rgb & 0xFF, 0x20u);
        } else {
          EXPECT_TRUE(IsBackground(p, x, y)) << "picture " << i << " at " << x << "," << y;
        }
      }
    }
  }
}

// Shapes are kept as horizontal bands of rectangles (runs of a row, rows with the same runs
// merged); the window system is promised no shape needs more than 80 of them.
TEST(PictureTable, ShapesFitInEightyRectangles) {
  for (int i = 0; i < kPictureCount; ++i) {
    const PictureBitmap& p = PictureBitmapOf(i);
    std::vector<std::pair<int, int>> previous;
    std::size_t rects = 0;
    for (int y = 0; y < p.height; ++y) {
      std::vector<std::pair<int, int>> runs;
      for (int x = 0; x < p.width;) {
        if (IsBackground(p, x, y)) {
          ++x;
          continue;
        }
        const int start = x;
        while (x < p.width && !IsBackground(p, x, y)) ++x;
        runs.emplace_back(start, x);
      }
      if (runs != previous) rects += runs.size();
      previous = runs;
    }
    EXPECT_LE(rects, 80u) << "picture " << i;
  }
}

}  // namespace
}  // namespace tolmark
