// The balloon part table: two caps and their outlines drawn by hand, the other four mirrored.
#include "present/balloon_parts.h"

#include <array>
#include <stdexcept>

namespace tolmark {
namespace {

// Columns colFirst..colLast (inclusive) belong to the part on rows rowFirst..rowLast.
struct PartRun {
  int rowFirst;
  int rowLast;
  int colFirst;
  int colLast;
};

// The left cap whose tail points down-left: 8 pixels wide, rows 1..17.
inline constexpr std::array<PartRun, 9> kTailCap = {{
    {1, 1, 7, 7}, {2, 2, 5, 7}, {3, 4, 3, 7}, {5, 5, 2, 7}, {6, 10, 1, 7},
    {11, 13, 2, 7}, {14, 15, 1, 7}, {16, 16, 0, 4}, {17, 17, 0, 2},
}};

// The black edge pixels of the tail cap; its open right side joins the balloon's lines.
inline constexpr std::array<PartRun, 15> kTailCapOutline = {{
    {1, 1, 7, 7}, {2, 2, 5, 6}, {3, 3, 3, 4}, {4, 4, 3, 3}, {5, 5, 2, 2},
    {6, 10, 1, 1}, {11, 11, 2, 2}, {12, 12, 2, 3}, {13, 13, 2, 2}, {14, 14, 1, 1},
    {15, 15, 1, 1}, {15, 15, 5, 7}, {16, 16, 0, 0}, {16, 16, 3, 4}, {17, 17, 0, 2},
}};

// The rounded right cap without a tail: 7 pixels wide, rows 1..15.
inline constexpr std::array<PartRun, 9> kPlainCap = {{
    {1, 1, 0, 0}, {2, 2, 0, 2}, {3, 4, 0, 4}, {5, 5, 0, 5}, {6, 10, 0, 6},
    {11, 11, 0, 5}, {12, 13, 0, 4}, {14, 14, 0, 2}, {15, 15, 0, 0},
}};

inline constexpr std::array<PartRun, 11> kPlainCapOutline = {{
    {1, 1, 0, 0}, {2, 2, 1, 2}, {3, 3, 3, 4}, {4, 4, 4, 4}, {5, 5, 5, 5}, {6, 10, 6, 6},
    {11, 11, 5, 5}, {12, 12, 4, 4}, {13, 13, 3, 4}, {14, 14, 1, 2}, {15, 15, 0, 0},
}};

struct PartRow {
  int part;
  std::span<const PartRun> runs;
  int width;      // the width the mirror image is taken within
  bool mirrored;  // left and right swapped
};

inline constexpr std::array<PartRow, 8> kParts = {{
    {10000, kTailCap, 8, false},
    {10001, kPlainCap, 7, false},
    {10002, kPlainCap, 7, true},
    {10003, kTailCap, 8, true},
    {10004, kTailCapOutline, 8, false},
    {10005, kPlainCapOutline, 7, false},
    {10006, kPlainCapOutline, 7, true},
    {10007, kTailCapOutline, 8, true},
}};
static_assert(kParts.size() == kBalloonPartLast - kBalloonPartFirst + 1);
static_assert([] {
  for (std::size_t i = 0; i < kParts.size(); ++i) {
    if (kParts[i].part != kBalloonPartFirst + static_cast<int>(i)) return false;
  }
  return true;
}());

Shape BuildPart(const PartRow& row) {
  std::vector<PixelRect> rects;
  for (const PartRun& run : row.runs) {
    const int left = row.mirrored ? row.width - 1 - run.colLast : run.colFirst;
    const int right = row.mirrored ? row.width - run.colFirst : run.colLast + 1;
    rects.push_back({left, run.rowFirst, right, run.rowLast + 1});
  }
  return ShapeFromRects(rects);
}

}  // namespace

const Shape& BalloonPartShape(int part) {
  static const std::array<Shape, kParts.size()> shapes = [] {
    std::array<Shape, kParts.size()> built;
    for (std::size_t i = 0; i < kParts.size(); ++i) built[i] = BuildPart(kParts[i]);
    return built;
  }();
  if (part < kBalloonPartFirst || part > kBalloonPartLast) {
    throw std::out_of_range("balloon part");
  }
  return shapes[static_cast<std::size_t>(part - kBalloonPartFirst)];
}

}  // namespace tolmark
