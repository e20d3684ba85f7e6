// The shop's frames: the merchant and his board, with or without the visitor.
#pragma once

#include "scene/scenes.h"

namespace tolmark::shop {

enum class ShopFrame { MerchantAndBoard, WithVisitor, BoardOnly };

// One frame of the shop window: the merchant (picture 57) at his place, the visitor where he
// stands, the board ShopSign beside the merchant, in that order.
void DrawShop(Scenes& c, ShopFrame frame);

}  // namespace tolmark::shop
