// Talk at the shop counter: the merchant's lines that move the step on, and his questions.
#pragma once

#include <cstdint>
#include <string_view>

#include "scene/scenes.h"

namespace tolmark::shop {

// The merchant speaks and the step code becomes next. The code is set before the balloon: in
// automatic play the balloon itself runs the next step.
void MerchantLine(Scenes& c, std::string_view text, std::int32_t next);

// A fresh yes/no question in the shop: the last answer is forgotten and the shop takes the keys.
void AskAtCounter(Scenes& c, std::string_view yesText, std::string_view noText);

}  // namespace tolmark::shop
