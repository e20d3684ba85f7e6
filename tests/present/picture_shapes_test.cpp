// The picture table's shapes, their placement in units and the height table.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "art/pictures.h"
#include "present/shapes.h"

namespace tolmark {
namespace {

// Holds for whatever artwork the table carries: the shape is exactly the figure's pixels,
// disjoint, small enough for any back end.
TEST(PictureShapes, EveryPictureIsCoveredExactlyByFewRectangles) {
  for (int i = 0; i < kPictureCount; ++i) {
    const PictureBitmap& bitmap = PictureBitmapOf(i);
    const Shape& shape = PictureShapeOf(i);
    EXPECT_LE(shape.rects.size(), kMaxShapeRects) << "picture " << i;

    long opaque = 0;
    PixelRect box{bitmap.width, bitmap.height, 0, 0};
    for (int y = 0; y < bitmap.height; ++y) {
      for (int x = 0; x < bitmap.width; ++x) {
        const bool figure = bitmap.At(x, y) != kBackgroundRgb;
        ASSERT_EQ(ShapeContains(shape, x, y), figure) << "picture " << i << " at " << x << "," << y;
        if (!figure) continue;
        ++opaque;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
      }
    }
    long area = 0;
    for (const PixelRect& r : shape.rects) area += long{r.right - r.left} * (r.bottom - r.top);
    EXPECT_EQ(area, opaque) << "rectangles overlap in picture " << i;
    if (opaque > 0) {
      EXPECT_EQ(shape.bounds, box) << "picture " << i;
    }
  }
}

TEST(PictureShapes, BlankPicturesKeepTheirOneDarkPixel) {
  for (const int blank : {146, 147}) {
    EXPECT_EQ(PictureShapeOf(blank).rects, (std::vector<PixelRect>{{33, 33, 34, 34}}));
  }
}

TEST(PictureShapes, BuiltOnceAndHandedOutByReference) {
  EXPECT_EQ(&PictureShapeOf(57), &PictureShapeOf(57));
  EXPECT_EQ(&PictureShapeOf(10003), &PictureShapeOf(10003));
}

TEST(PictureShapes, NumbersOutsideTheTableAreRefused) {
  for (const int bad : {-1, kPictureCount, 9999, 10008}) {
    EXPECT_THROW(PictureShapeOf(bad), std::out_of_range) << bad;
  }
  EXPECT_THROW(PictureShape(0, 0, 0, 0, 15), std::invalid_argument);
}

TEST(PictureShapes, PlacedByUnitsWithTruncatingDivision) {
  struct Case {
    std::int32_t x, y;
    int unitsX, unitsY;
    int dx, dy;
  };
  const Case cases[] = {
      {0, 0, 15, 15, 0, 0},
      {44, 29, 15, 15, 2, 1},        // remainders dropped
      {-32, 0, 15, 15, -2, 0},       // a visitor entering at the left edge: toward zero
      {-14, -16, 15, 15, 0, -1},
      {1500, 7650, 15, 15, 100, 510},
      {1500, 7650, 12, 10, 125, 765},  // each axis its own factor
  };
  const Shape& original = PictureShapeOf(57);
  for (const Case& c : cases) {
    const Shape placed = PictureShape(57, c.x, c.y, c.unitsX, c.unitsY);
    EXPECT_EQ(placed, MoveShape(original, c.dx, c.dy)) << c.x << "," << c.y;
  }
}

TEST(PictureHeights, FixedTableInUnits) {
  struct Case {
    int picture;
    std::int32_t height;
  };
  const Case cases[] = {
      {0, 510},   {37, 510},  {38, 480},  {43, 480},  {44, 615},  {45, 510},  {95, 510},
      {96, 480},  {98, 480},  {99, 615},  {100, 615}, {101, 225}, {102, 510}, {134, 510},
      {173, 510}, {174, 615}, {175, 615}, {176, 510}, {-1, 510}, {10000, 510},
  };
  for (const Case& c : cases) EXPECT_EQ(PictureHeight(c.picture), c.height) << c.picture;
}

}  // namespace
}  // namespace tolmark
