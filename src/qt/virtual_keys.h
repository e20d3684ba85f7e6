// The game's keys as virtual key codes, whatever the keyboard layout.
#pragma once

#include <cstdint>
#include <optional>

namespace tolmark {

// qtKey is QKeyEvent::key(); x11Keycode is the hardware key code (nativeScanCode on X11),
// used when the layout puts a non-Latin letter on the key. nullopt: not a key of the game.
std::optional<int> VirtualKeyCode(int qtKey, std::uint32_t x11Keycode);

}  // namespace tolmark
