// The merchant's lines and questions at the shop counter.
#include "shop/counter_talk.h"

#include "scene/dialogue.h"

namespace tolmark::shop {

void MerchantLine(Scenes& c, std::string_view text, std::int32_t next) {
  c.s.PendingAction = next;
  Say(c, text, kTrue);
}

void AskAtCounter(Scenes& c, std::string_view yesText, std::string_view noText) {
  c.s.Answer = 0;
  c.s.AwaitingAnswer = kTrue;
  c.desk.Focus(Window::frmShop);
  AskYesNo(c, yesText, noText);
}

}  // namespace tolmark::shop
