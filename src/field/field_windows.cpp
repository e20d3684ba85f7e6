// The field's information windows; their contents come with the field's menu and windows.
#include "field/field_windows.h"

namespace tolmark::field {

void LoadFieldItemWindow(Scenes&) {}
void LoadFieldStatusWindow(Scenes&) {}

void FieldListMouseDown(Scenes&, Window, int, int) {}
void FieldWindowDoubleClick(Scenes&, Window) {}

}  // namespace tolmark::field
