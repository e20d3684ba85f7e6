// Letter keys are taken from the symbol first (a Dvorak user presses the key marked A); a
// Cyrillic or Greek layout yields no Latin symbol, so the key's position on a US board decides.
#include "qt/virtual_keys.h"

#include <Qt>
#include <array>

namespace tolmark {
namespace {

struct KeyRow {
  int virtualKey;
  int qtKey;
  std::uint32_t x11Keycode;  // evdev key code of the key on a US keyboard
};

inline constexpr std::array<KeyRow, 9> kKeys = {{
    {65, Qt::Key_A, 38},
    {71, Qt::Key_G, 42},
    {78, Qt::Key_N, 57},
    {83, Qt::Key_S, 39},
    {84, Qt::Key_T, 28},
    {89, Qt::Key_Y, 29},
    {13, Qt::Key_Return, 36},
    {13, Qt::Key_Enter, 104},  // the keypad's Enter
    {93, Qt::Key_Menu, 135},
}};

bool IsLatinOrControl(int qtKey) { return qtKey < 0x80 || qtKey >= Qt::Key_Escape; }

}  // namespace

std::optional<int> VirtualKeyCode(int qtKey, std::uint32_t x11Keycode) {
  for (const KeyRow& row : kKeys) {
    if (row.qtKey == qtKey) return row.virtualKey;
  }
  if (IsLatinOrControl(qtKey) && qtKey != 0 && qtKey != Qt::Key_unknown) return std::nullopt;
  for (const KeyRow& row : kKeys) {
    if (row.x11Keycode == x11Keycode) return row.virtualKey;
  }
  return std::nullopt;
}

}  // namespace tolmark
