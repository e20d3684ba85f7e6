// The eight small shapes a speech balloon is cut and outlined with (pictures 10000..10007).
#pragma once

#include "present/shapes.h"

namespace tolmark {

// The shape of balloon part 10000..10007 in its own pixels; built on the first call.
const Shape& BalloonPartShape(int part);

}  // namespace tolmark
