// Balloon geometry: sizes, where caps, body, outline and lines land, and the side-1 mirror.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "present/balloon.h"
#include "shape_mirror.h"

namespace tolmark {
namespace {

constexpr int kUnits = 15;

Shape Placed(const std::vector<PlacedPart>& parts) {
  Shape shape;
  for (const PlacedPart& p : parts) {
    shape = UniteShapes(shape, MoveShape(PictureShapeOf(p.part), p.x, p.y));
  }
  return shape;
}

// Everything painted black: the outline parts and the two edge lines.
Shape Ink(const BalloonGeometry& g) {
  std::vector<PixelRect> lines;
  for (const HLine& l : g.lines) lines.push_back({l.x0, l.y, l.x1, l.y + 1});
  return UniteShapes(Placed(g.outlines), ShapeFromRects(lines));
}

TEST(Balloon, TailLeftAtFifteenUnitsPerPixel) {
  for (const std::int32_t w : {0, 15, 150, 1500, 4995}) {
    SCOPED_TRACE(w);
    const int n = w / kUnits;
    const BalloonGeometry g = ComputeBalloon(w, 0, kUnits, kUnits);
    EXPECT_EQ(g.widthUnits, w + 225);
    EXPECT_EQ(g.heightUnits, 270);
    EXPECT_EQ(g.widthPixels, n + 15);
    EXPECT_EQ(g.heightPixels, 18);
    EXPECT_EQ(g.textX, 8);
    EXPECT_EQ(g.textY, 3);

    ASSERT_EQ(g.caps.size(), 2u);
    EXPECT_EQ((std::pair{g.caps[0].part, g.caps[0].x}), (std::pair{10000, 0}));
    EXPECT_EQ((std::pair{g.caps[1].part, g.caps[1].x}), (std::pair{10001, n + 8}));
    ASSERT_EQ(g.outlines.size(), 2u);
    EXPECT_EQ((std::pair{g.outlines[0].part, g.outlines[0].x}), (std::pair{10004, 0}));
    EXPECT_EQ((std::pair{g.outlines[1].part, g.outlines[1].x}), (std::pair{10005, n + 8}));
    EXPECT_EQ(g.body, (PixelRect{8, 1, n + 8, 16}));

    // The edge lines run between the caps and meet their outline pixels at both ends.
    ASSERT_EQ(g.lines.size(), 2u);
    const Shape outline = Placed(g.outlines);
    for (const auto& [line, row] : {std::pair{g.lines[0], 1}, {g.lines[1], 15}}) {
      EXPECT_EQ(line.y, row);
      EXPECT_EQ(line.x0, 8);
      EXPECT_EQ(line.x1, n + 8);
      EXPECT_TRUE(ShapeContains(outline, line.x0 - 1, row));
      EXPECT_TRUE(ShapeContains(outline, line.x1, row));
    }

    // Across the middle the shape is whole but for the tail cap's rounded left edge; only
    // the tail reaches below the body.
    EXPECT_EQ(g.shape.bounds, (PixelRect{0, 1, n + 15, 18}));
    for (int x = -1; x <= g.widthPixels; ++x) {
      EXPECT_EQ(ShapeContains(g.shape, x, 10), x >= 1 && x < g.widthPixels) << x;
      EXPECT_EQ(ShapeContains(g.shape, x, 16), x >= 0 && x <= 4) << x;
      EXPECT_EQ(ShapeContains(g.shape, x, 17), x >= 0 && x <= 2) << x;
      EXPECT_FALSE(ShapeContains(g.shape, x, 18)) << x;
    }
  }
}

TEST(Balloon, TailRightIsTheMirrorArrangement) {
  for (const std::int32_t w : {0, 15, 1500}) {
    SCOPED_TRACE(w);
    const int n = w / kUnits;
    const BalloonGeometry left = ComputeBalloon(w, 0, kUnits, kUnits);
    const BalloonGeometry right = ComputeBalloon(w, 1, kUnits, kUnits);
    EXPECT_EQ(right.widthPixels, left.widthPixels);
    EXPECT_EQ((std::pair{right.caps[0].part, right.caps[0].x}), (std::pair{10002, 0}));
    EXPECT_EQ((std::pair{right.caps[1].part, right.caps[1].x}), (std::pair{10003, n + 7}));
    EXPECT_EQ(right.body, (PixelRect{7, 1, n + 8, 16}));
    EXPECT_EQ(right.lines[0].x0, 7);
    EXPECT_EQ(right.shape, Mirrored(left.shape, left.widthPixels));
    EXPECT_EQ(Ink(right), Mirrored(Ink(left), left.widthPixels));
    EXPECT_EQ(right.textX, left.textX);  // the text starts at the same corner on both sides
  }
}

TEST(Balloon, RightOutlineLandsOnTheColumnOfItsCap) {
  for (const std::int32_t w : {0, 15, 90, 1500, 18510}) {
    const BalloonGeometry g = ComputeBalloon(w, 1, kUnits, kUnits);
    EXPECT_EQ(g.outlines[1].part, 10007);
    EXPECT_EQ(g.outlines[1].x, g.caps[1].x) << w;
  }
}

TEST(Balloon, EmptyTextMakesTheCapsTouch) {
  const BalloonGeometry g = ComputeBalloon(0, 0, kUnits, kUnits);
  EXPECT_EQ(g.widthUnits, 225);
  EXPECT_EQ(g.caps[1].x, PictureShapeOf(10000).bounds.right);
  EXPECT_TRUE(g.body.Empty());
  EXPECT_EQ(g.shape, Placed(g.caps));
  // On the other side the body is one column wide and lies inside the right cap.
  const BalloonGeometry side1 = ComputeBalloon(0, 1, kUnits, kUnits);
  EXPECT_EQ(side1.shape, Placed(side1.caps));
}

TEST(Balloon, OtherFactorsConvertEachAxisByDivision) {
  struct Case {
    int unitsX, unitsY;
    int widthPixels, heightPixels, bodyLeft, bodyRight, textX, textY, bottomLine;
  };
  // 240 units of text: at 12 x 10 units per pixel, 465 / 12 = 38 wide, 270 / 10 = 27 high.
  const Case cases[] = {
      {15, 15, 31, 18, 8, 24, 8, 3, 15},
      {12, 10, 38, 27, 10, 30, 10, 5, 24},
  };
  for (const Case& c : cases) {
    const BalloonGeometry g = ComputeBalloon(240, 0, c.unitsX, c.unitsY);
    EXPECT_EQ(g.widthPixels, c.widthPixels) << c.unitsX;
    EXPECT_EQ(g.heightPixels, c.heightPixels) << c.unitsX;
    EXPECT_EQ(g.body.left, c.bodyLeft) << c.unitsX;
    EXPECT_EQ(g.body.right, c.bodyRight) << c.unitsX;
    EXPECT_EQ(g.textX, c.textX) << c.unitsX;
    EXPECT_EQ(g.textY, c.textY) << c.unitsX;
    EXPECT_EQ(g.lines[0].y, 1) << c.unitsX;
    EXPECT_EQ(g.lines[1].y, c.bottomLine) << c.unitsX;
  }
}

TEST(Balloon, PlacedByItsBottomEdgeAndSide) {
  const BalloonGeometry g = ComputeBalloon(300, 0, kUnits, kUnits);
  struct Case {
    int side;
    std::int32_t x, y, left, top;
  };
  for (const Case c : {Case{0, 1000, 7000, 1000, 6730}, {1, 1000, 7000, 475, 6730},
                       {1, 100, 270, -425, 0}}) {
    const UnitPoint p = BalloonTopLeft(g, c.x, c.y, c.side);
    EXPECT_EQ(p.x, c.left) << c.side << " " << c.x;
    EXPECT_EQ(p.y, c.top) << c.side << " " << c.x;
  }
}

TEST(Balloon, NonsenseArgumentsAreRefused) {
  EXPECT_THROW(ComputeBalloon(150, 2, kUnits, kUnits), std::invalid_argument);
  EXPECT_THROW(ComputeBalloon(150, -1, kUnits, kUnits), std::invalid_argument);
  EXPECT_THROW(ComputeBalloon(-15, 0, kUnits, kUnits), std::invalid_argument);
  EXPECT_THROW(ComputeBalloon(150, 0, 0, kUnits), std::invalid_argument);
  EXPECT_THROW(ComputeBalloon(150, 0, kUnits, 0), std::invalid_argument);
}

}  // namespace
}  // namespace tolmark
