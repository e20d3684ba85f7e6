// Loading routines of the field's information windows; RefreshOpenWindows re-runs them.
#pragma once

#include "scene/scenes.h"

namespace tolmark::field {

void LoadFieldItemWindow(Scenes& c);    // frmFItem, the bag
void LoadFieldStatusWindow(Scenes& c);  // frmFStatus

// Input on this scene's small windows (frmFItem, frmFStatus): a mouse press on
// a list row (1-based, 0 below the last row), a double click.
void FieldListMouseDown(Scenes& c, Window window, int row, int button);
void FieldWindowDoubleClick(Scenes& c, Window window);

}  // namespace tolmark::field
