// The balloon parts drawn out pixel by pixel, and how the mirrored ones relate to them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "present/shapes.h"
#include "shape_mirror.h"

namespace tolmark {
namespace {

std::vector<std::string> Draw(const Shape& shape, int width, int height) {
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) row += ShapeContains(shape, x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

const std::vector<std::string> kTailCap = {
    "........", ".......#", ".....###", "...#####", "...#####", "..######",
    ".#######", ".#######", ".#######", ".#######", ".#######", "..######",
    "..######", "..######", ".#######", ".#######", "#####...", "###.....",
};
const std::vector<std::string> kTailCapOutline = {
    "........", ".......#", ".....##.", "...##...", "...#....", "..#.....",
    ".#......", ".#......", ".#......", ".#......", ".#......", "..#.....",
    "..##....", "..#.....", ".#......", ".#...###", "#..##...", "###.....",
};
const std::vector<std::string> kPlainCap = {
    ".......", "#......", "###....", "#####..", "#####..", "######.",
    "#######", "#######", "#######", "#######", "#######", "######.",
    "#####..", "#####..", "###....", "#......",
};
const std::vector<std::string> kPlainCapOutline = {
    ".......", "#......", ".##....", "...##..", "....#..", ".....#.",
    "......#", "......#", "......#", "......#", "......#", ".....#.",
    "....#..", "...##..", ".##....", "#......",
};

TEST(BalloonParts, DrawnPixelByPixel) {
  struct Case {
    int part;
    const std::vector<std::string>* picture;
  };
  for (const Case c : {Case{10000, &kTailCap}, {10004, &kTailCapOutline}, {10001, &kPlainCap},
                       {10005, &kPlainCapOutline}}) {
    const int width = static_cast<int>(c.picture->front().size());
    const int height = static_cast<int>(c.picture->size());
    // One row and column beyond the box to show nothing leaks out.
    std::vector<std::string> expected = *c.picture;
    for (std::string& row : expected) row += '.';
    expected.push_back(std::string(static_cast<std::size_t>(width + 1), '.'));
    EXPECT_EQ(Draw(PictureShapeOf(c.part), width + 1, height + 1), expected) << c.part;
  }
}

TEST(BalloonParts, MirrorImagesWithinTheSameWidth) {
  struct Case {
    int part;
    int original;
    int width;
    PixelRect bounds;
  };
  const Case cases[] = {
      {10000, 10000, 8, {0, 1, 8, 18}}, {10004, 10004, 8, {0, 1, 8, 18}},
      {10001, 10001, 7, {0, 1, 7, 16}}, {10005, 10005, 7, {0, 1, 7, 16}},
      {10003, 10000, 8, {0, 1, 8, 18}}, {10007, 10004, 8, {0, 1, 8, 18}},
      {10002, 10001, 7, {0, 1, 7, 16}}, {10006, 10005, 7, {0, 1, 7, 16}},
  };
  for (const Case& c : cases) {
    const Shape& shape = PictureShapeOf(c.part);
    EXPECT_EQ(shape.bounds, c.bounds) << c.part;
    if (c.part != c.original) {
      EXPECT_EQ(shape, Mirrored(PictureShapeOf(c.original), c.width)) << c.part;
    }
  }
}

TEST(BalloonParts, EachOutlineLiesOnItsCap) {
  for (const auto& [outline, cap] : {std::pair{10004, 10000}, {10005, 10001}, {10006, 10002},
                                    {10007, 10003}}) {
    EXPECT_EQ(UniteShapes(PictureShapeOf(cap), PictureShapeOf(outline)), PictureShapeOf(cap))
        << outline;
  }
}

}  // namespace
}  // namespace tolmark
