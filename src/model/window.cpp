// Window names, in the order of the Window enumeration.
#include "model/window.h"

#include <array>
#include <string>

namespace tolmark {
namespace {

constexpr std::array<std::string_view, kWindowCount> kNames = {
    "frmShop",     "frmField",  "frmArms", "frmMessage", "frmYes",     "frmNo",
    "frmMenu",     "frmFMenu",  "frmAMenu", "frmShopItem", "frmStatus", "frmList",
    "frmOrder",    "frmFStatus", "frmFItem", "frmABuy",    "frmASell",
};

// "window17" and on: the windows of a scene defined outside the game.
const std::array<std::string, kWindowLimit>& OtherNames() {
  static const std::array<std::string, kWindowLimit> names = [] {
    std::array<std::string, kWindowLimit> n;
    for (int i = kWindowCount; i < kWindowLimit; ++i) {
      n[static_cast<std::size_t>(i)] = "window" + std::to_string(i);
    }
    return n;
  }();
  return names;
}

}  // namespace

std::string_view WindowName(Window w) {
  const auto i = static_cast<std::size_t>(w);
  return i < kNames.size() ? kNames[i] : std::string_view(OtherNames().at(i));
}

std::optional<Window> WindowFromName(std::string_view name) {
  for (int i = 0; i < kWindowLimit; ++i) {
    if (WindowName(static_cast<Window>(i)) == name) return static_cast<Window>(i);
  }
  return std::nullopt;
}

}  // namespace tolmark
