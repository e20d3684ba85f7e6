// The field's status window and bag list: their rows, their places, and the input on them.
#pragma once

#include "present/floor_placement.h"
#include "scene/scenes.h"

namespace tolmark::field {

// Each stands 60 px above the floor: the status window at the left edge, the bag list 127 px in.
Placement FieldStatusPlacement(const ScreenMetrics& m);  // frmFStatus
Placement BagListPlacement(const ScreenMetrics& m);      // frmFItem

// "ステータス": level, experience still needed, HP, the bag's pieces, money.
LabelContent FieldStatusContent(const GameState& s);
// "手荷物": one row per carried weapon, selection at SelectedRow (row 1 when none chosen).
ListContent BagListContent(const GameState& s);

// Opens or refills the window at its place and sets its open flag; RefreshOpenWindows re-runs them.
void LoadFieldItemWindow(Scenes& c);    // frmFItem, the bag
void LoadFieldStatusWindow(Scenes& c);  // frmFStatus

// Input on this scene's small windows (frmFItem, frmFStatus): a mouse press on
// a list row (1-based, 0 below the last row), a double click.
void FieldListMouseDown(Scenes& c, Window window, int row, int button);
void FieldWindowDoubleClick(Scenes& c, Window window);

}  // namespace tolmark::field
