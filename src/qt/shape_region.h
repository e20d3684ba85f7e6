// Picture shapes as Qt regions, for window masks.
#pragma once

#include <QRegion>

#include "present/shapes.h"

namespace tolmark {

// The region covering exactly the shape's rectangles.
QRegion RegionOf(const Shape& shape);

// The region of picture 0..175 or balloon part 10000..10007 in its own pixels, built once;
// regions share their data, so each use copies it cheaply.
const QRegion& PictureRegion(int picture);

}  // namespace tolmark
