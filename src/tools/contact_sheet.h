// The review sheet: every picture enlarged on a mid-grey ground, each cell labelled by index.
#pragma once

#include "tools/rgb_image.h"

namespace tolmark {

// All the pictures at `scale` times their size; background pixels show the mid-grey ground
// the desktop might have, so holes and dark edges stand out.
RgbImage ContactSheet(int scale);

}  // namespace tolmark
