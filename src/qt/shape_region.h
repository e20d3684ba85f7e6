// Picture shapes as Qt regions, for window masks.
#pragma once

#include <QRegion>

#include "present/shapes.h"

namespace tolmark {

// The region covering exactly the shape's rectangles.
QRegion RegionOf(const Shape& shape);

}  // namespace tolmark
