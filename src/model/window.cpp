// Window names, in the order of the Window enumeration.
#include "model/window.h"

#include <array>

namespace tolmark {
namespace {

constexpr std::array<std::string_view, kWindowCount> kNames = {
    "frmShop",     "frmField",  "frmArms", "frmMessage", "frmYes",     "frmNo",
    "frmMenu",     "frmFMenu",  "frmAMenu", "frmShopItem", "frmStatus", "frmList",
    "frmOrder",    "frmFStatus", "frmFItem", "frmABuy",    "frmASell",
};

}  // namespace

std::string_view WindowName(Window w) { return kNames.at(static_cast<std::size_t>(w)); }

std::optional<Window> WindowFromName(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == name) return static_cast<Window>(i);
  }
  return std::nullopt;
}

}  // namespace tolmark
