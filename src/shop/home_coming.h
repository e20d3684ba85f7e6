// The home-coming merge of the shop start-up: carried goods go into the stock.
#pragma once

#include "scene/scenes.h"

namespace tolmark::shop {

// Merges the bag and the town purchases into the stock; every lot turned away is told in the
// hero's balloon, followed by a pause.
void MergeCarriedGoods(Scenes& c);

}  // namespace tolmark::shop
