// Shapes from bitmaps and rectangles: which pixels count, the band form, moving.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "art/pictures.h"
#include "present/shapes.h"

namespace tolmark {
namespace {

constexpr std::uint32_t B = kBackgroundRgb;
constexpr std::uint32_t kNearBackground = 0x0A0A0B;  // RGB(10,10,11)
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

TEST(Shape, OnlyTheExactBackgroundColourIsSeeThrough) {
  // 6 x 5: rows 0 and 1 alike (one band), row 2 empty, rows 3 and 4 differ.
  const std::vector<std::uint32_t> pixels = {
      B, kNearBackground, kBlack, B,      kWhite, B,  //
      B, kWhite,          kWhite, B,      kBlack, B,  //
      B, B,               B,      B,      B,      B,  //
      kBlack, B,          B,      B,      B,      kNearBackground,  //
      kBlack, kBlack,     B,      B,      B,      B,
  };
  const PictureBitmap bitmap{6, 5, pixels};
  const Shape shape = ShapeFromBitmap(bitmap);

  const std::vector<PixelRect> expected = {
      {1, 0, 3, 2}, {4, 0, 5, 2},  // two runs, two rows merged
      {0, 3, 1, 4}, {5, 3, 6, 4},  //
      {0, 4, 2, 5},
  };
  EXPECT_EQ(shape.rects, expected);
  EXPECT_EQ(shape.bounds, (PixelRect{0, 0, 6, 5}));
  for (int y = 0; y < bitmap.height; ++y) {
    for (int x = 0; x < bitmap.width; ++x) {
      EXPECT_EQ(ShapeContains(shape, x, y), bitmap.At(x, y) != B) << x << "," << y;
    }
  }
}

TEST(Shape, AllBackgroundGivesAnEmptyShape) {
  const std::vector<std::uint32_t> pixels(12, B);
  const Shape shape = ShapeFromBitmap(PictureBitmap{4, 3, pixels});
  EXPECT_TRUE(shape.rects.empty());
  EXPECT_TRUE(shape.bounds.Empty());
}

TEST(Shape, BitmapWhoseSizeDisagreesWithItsPixelsIsRefused) {
  const std::vector<std::uint32_t> pixels(12, kBlack);
  for (const auto& [width, height] : {std::pair{4, 4}, {5, 3}, {-4, -3}}) {
    EXPECT_THROW(ShapeFromBitmap(PictureBitmap{width, height, pixels}), std::invalid_argument)
        << width << "x" << height;
  }
}

TEST(Shape, UnionOfRectanglesIsCanonical) {
  struct Case {
    const char* what;
    std::vector<PixelRect> input;
    std::vector<PixelRect> expected;
  };
  const Case cases[] = {
      {"empty rectangles are ignored", {{3, 3, 3, 9}, {0, 0, 5, 0}}, {}},
      {"side by side runs join", {{0, 0, 2, 2}, {2, 0, 4, 2}}, {{0, 0, 4, 2}}},
      {"stacked equal runs join", {{1, 0, 3, 2}, {1, 2, 3, 5}}, {{1, 0, 3, 5}}},
      {"overlap is cut into bands",
       {{0, 0, 4, 4}, {2, 2, 6, 6}},
       {{0, 0, 4, 2}, {0, 2, 6, 4}, {2, 4, 6, 6}}},
      {"a gap between rows splits bands", {{0, 0, 2, 1}, {0, 2, 2, 3}},
       {{0, 0, 2, 1}, {0, 2, 2, 3}}},
      {"a hole stays open", {{0, 0, 1, 3}, {2, 0, 3, 3}, {0, 0, 3, 1}, {0, 2, 3, 3}},
       {{0, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {0, 2, 3, 3}}},
  };
  for (const Case& c : cases) {
    const Shape shape = ShapeFromRects(c.input);
    EXPECT_EQ(shape.rects, c.expected) << c.what;
    // The same pixels in another order give the very same shape.
    std::vector<PixelRect> reversed(c.input.rbegin(), c.input.rend());
    EXPECT_EQ(ShapeFromRects(reversed), shape) << c.what;
  }
}

TEST(Shape, UniteAndMoveKeepBounds) {
  const PixelRect a[] = {{0, 0, 2, 2}};
  const PixelRect b[] = {{5, 1, 7, 4}};
  const Shape united = UniteShapes(ShapeFromRects(a), ShapeFromRects(b));
  EXPECT_EQ(united.bounds, (PixelRect{0, 0, 7, 4}));
  EXPECT_EQ(UniteShapes(united, Shape{}), united);
  EXPECT_EQ(UniteShapes(Shape{}, united), united);

  const Shape moved = MoveShape(united, -3, 10);
  EXPECT_EQ(moved.bounds, (PixelRect{-3, 10, 4, 14}));
  EXPECT_TRUE(ShapeContains(moved, -3, 10));
  EXPECT_FALSE(ShapeContains(moved, -1, 10));
  EXPECT_TRUE(MoveShape(Shape{}, 5, 5).bounds.Empty());
}

}  // namespace
}  // namespace tolmark
