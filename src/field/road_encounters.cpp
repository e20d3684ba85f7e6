// What the roll brings besides monsters and the carriage: finds by the roadside, the wandering
// priest and the travellers. They come with their own rules; until then the roll that names
// them brings nothing, and their step codes do nothing.
#include "field/field_operations.h"

namespace tolmark::field {

void ItemSelect(Scenes&) {}
void PriestSelect(Scenes&) {}
void EventSelect(Scenes&) {}

void ItemTurn(Scenes&) {}
void PriestTurn(Scenes&) {}
void EventTurn(Scenes&) {}

}  // namespace tolmark::field
