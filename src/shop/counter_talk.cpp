// The merchant's lines and questions at the shop counter.
#include "shop/counter_talk.h"

#include <string>

#include "scene/outcome.h"

namespace tolmark::shop {

void MerchantLine(Scenes& c, std::string_view text, std::int32_t next) {
  Perform(c, Says(Speaker::Hero, std::string(text), next));
}

void AskAtCounter(Scenes& c, std::string_view yesText, std::string_view noText) {
  Perform(c, Asks(yesText, noText));
}

}  // namespace tolmark::shop
