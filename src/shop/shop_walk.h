// The shop's animation step: the merchant idling behind his counter, and a customer walking in
// to it or out again.
#pragma once

#include "scene/scenes.h"

namespace tolmark::shop {

// One frame of the merchant and his sign, presented.
void AnimateMerchant(Scenes& c);

// One frame of the merchant and the customer walking (ScenePhase 10 in, 30 out): arriving at the
// counter he starts the trade's first step and the frame waits for the next presentation; gone,
// the shop tick goes back to its own pace.
void AnimateCustomerWalk(Scenes& c);

}  // namespace tolmark::shop
