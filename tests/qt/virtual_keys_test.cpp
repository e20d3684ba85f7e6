// Keys reach the game as the same virtual key codes on any keyboard layout.
#include "qt/virtual_keys.h"

#include <gtest/gtest.h>

#include <Qt>

namespace tolmark {
namespace {

struct KeyCase {
  const char* what;
  int qtKey;
  std::uint32_t keycode;
  std::optional<int> expected;
};

TEST(VirtualKeys, GameKeysWhateverTheLayout) {
  const KeyCase cases[] = {
      {"A on a US board", Qt::Key_A, 38, 65},
      {"Y on a German board, where it sits on the US Z key", Qt::Key_Y, 52, 89},
      {"Enter", Qt::Key_Return, 36, 13},
      {"keypad Enter", Qt::Key_Enter, 104, 13},
      {"menu key", Qt::Key_Menu, 135, 93},
      {"Cyrillic letter on the US S key", 0x044B, 39, 83},
      {"Cyrillic letter on the US T key", 0x0435, 28, 84},
      {"Latin Z on the US Y key is not Y", Qt::Key_Z, 29, std::nullopt},
      {"a key the game ignores", Qt::Key_B, 56, std::nullopt},
      {"a non-Latin letter on a key the game ignores", 0x0438, 56, std::nullopt},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(VirtualKeyCode(c.qtKey, c.keycode), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace tolmark
