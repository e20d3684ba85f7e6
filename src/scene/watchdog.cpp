// Raising a scene's own windows when a foreign window has taken the focus.
#include "scene/watchdog.h"

#include <array>
#include <span>

namespace tolmark {
namespace {

// The windows each scene raises, the scene window first; menus are left alone.
constexpr std::array<Window, 8> kShopWindows = {
    Window::frmShop,   Window::frmMessage, Window::frmYes,  Window::frmNo,
    Window::frmStatus, Window::frmOrder,   Window::frmList, Window::frmShopItem};
constexpr std::array<Window, 6> kFieldWindows = {Window::frmField,   Window::frmMessage,
                                                 Window::frmYes,     Window::frmNo,
                                                 Window::frmFStatus, Window::frmFItem};
constexpr std::array<Window, 6> kArmsWindows = {Window::frmArms, Window::frmMessage,
                                                Window::frmYes,  Window::frmNo,
                                                Window::frmASell, Window::frmABuy};

std::span<const Window> WindowsRaisedBy(Window scene) {
  switch (scene) {
    case Window::frmField: return kFieldWindows;
    case Window::frmArms: return kArmsWindows;
    default: return kShopWindows;
  }
}

}  // namespace

void WatchdogTick(Scenes& c, Window scene) {
  // A window with the game's caption has the focus: nothing to do.
  if (c.desk.ForegroundCaption() == kGameCaption) return;
  for (Window w : WindowsRaisedBy(scene)) {
    if (c.desk.IsOpen(w)) c.desk.BringToFront(w);
  }
  c.desk.Focus(scene);
}

}  // namespace tolmark
