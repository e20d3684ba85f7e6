// Building shapes in band form: from a bitmap, from loose rectangles, and moving them.
#include <algorithm>
#include <climits>
#include <stdexcept>

#include "art/pictures.h"
#include "present/shapes.h"

namespace tolmark {
namespace {

// A run of columns [left, right) inside one band.
struct Run {
  int left;
  int right;
  friend bool operator==(const Run&, const Run&) = default;
};

// Collects slabs top to bottom and merges a slab into the band above it when it continues it
// with the very same runs, which is what keeps a figure within a handful of rectangles.
class BandBuilder {
 public:
  void AddSlab(int top, int bottom, const std::vector<Run>& runs) {
    if (runs.empty()) {
      lastBottom_ = INT_MIN;
      return;
    }
    if (top == lastBottom_ && runs == lastRuns_) {
      for (std::size_t i = bandStart_; i < shape_.rects.size(); ++i) {
        shape_.rects[i].bottom = bottom;
      }
    } else {
      bandStart_ = shape_.rects.size();
      for (const Run& r : runs) shape_.rects.push_back({r.left, top, r.right, bottom});
      lastRuns_ = runs;
    }
    lastBottom_ = bottom;
  }

  Shape Finish() && {
    if (!shape_.rects.empty()) {
      PixelRect b = shape_.rects.front();
      for (const PixelRect& r : shape_.rects) {
        b.left = std::min(b.left, r.left);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
      }
      shape_.bounds = b;
    }
    return std::move(shape_);
  }

 private:
  Shape shape_;
  std::size_t bandStart_ = 0;
  std::vector<Run> lastRuns_;
  int lastBottom_ = INT_MIN;
};

}  // namespace

Shape ShapeFromBitmap(const PictureBitmap& bitmap) {
  if (bitmap.width < 0 || bitmap.height < 0 ||
      bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) *
                                  static_cast<std::size_t>(bitmap.height)) {
    throw std::invalid_argument("bitmap size does not match its pixels");
  }
  BandBuilder builder;
  std::vector<Run> runs;
  for (int y = 0; y < bitmap.height; ++y) {
    runs.clear();
    int x = 0;
    while (x < bitmap.width) {
      while (x < bitmap.width && bitmap.At(x, y) == kBackgroundRgb) ++x;
      const int start = x;
      while (x < bitmap.width && bitmap.At(x, y) != kBackgroundRgb) ++x;
      if (x > start) runs.push_back({start, x});
    }
    builder.AddSlab(y, y + 1, runs);
  }
  return std::move(builder).Finish();
}

Shape ShapeFromRects(std::span<const PixelRect> rects) {
  // Cut the plane into slabs at every top and bottom; inside a slab each rectangle either
  // covers it entirely or not at all, so its runs are the merged column ranges.
  std::vector<int> edges;
  for (const PixelRect& r : rects) {
    if (r.Empty()) continue;
    edges.push_back(r.top);
    edges.push_back(r.bottom);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  BandBuilder builder;
  std::vector<Run> covering;
  std::vector<Run> runs;
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    const int top = edges[i];
    const int bottom = edges[i + 1];
    covering.clear();
    for (const PixelRect& r : rects) {
      if (!r.Empty() && r.top <= top && r.bottom >= bottom) covering.push_back({r.left, r.right});
    }
    std::sort(covering.begin(), covering.end(),
              [](const Run& a, const Run& b) { return a.left < b.left; });
    runs.clear();
    for (const Run& c : covering) {
      if (!runs.empty() && c.left <= runs.back().right) {
        runs.back().right = std::max(runs.back().right, c.right);
      } else {
        runs.push_back(c);
      }
    }
    builder.AddSlab(top, bottom, runs);
  }
  return std::move(builder).Finish();
}

Shape UniteShapes(const Shape& a, const Shape& b) {
  if (b.rects.empty()) return a;
  if (a.rects.empty()) return b;
  std::vector<PixelRect> all = a.rects;
  all.insert(all.end(), b.rects.begin(), b.rects.end());
  return ShapeFromRects(all);
}

Shape MoveShape(Shape shape, int dx, int dy) {
  if (shape.rects.empty()) return shape;
  for (PixelRect& r : shape.rects) r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
  PixelRect& b = shape.bounds;
  b = {b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
  return shape;
}

bool ShapeContains(const Shape& shape, int x, int y) {
  return std::any_of(shape.rects.begin(), shape.rects.end(), [&](const PixelRect& r) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
  });
}

}  // namespace tolmark
