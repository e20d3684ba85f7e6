// The scenes of the game side by side: what routes by name or number must never be ambiguous.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "game/scene_list.h"

namespace tolmark {
namespace {

TEST(SceneList, NamesEntryCodesWindowsAndMenuItemsBelongToOneSceneEach) {
  std::set<std::string_view> names;
  std::set<std::int16_t> entries;
  std::set<Window> windows;
  std::set<std::string_view> items;
  for (const SceneRow* row : kSceneList) {
    SCOPED_TRACE(row->name);
    EXPECT_TRUE(names.insert(row->name).second);
    EXPECT_EQ(WindowName(row->window), row->name);
    EXPECT_TRUE(entries.insert(row->entryCode).second);
    EXPECT_TRUE(windows.insert(row->window).second);
    EXPECT_TRUE(windows.insert(row->menuWindow).second);
    for (const SmallWindow& w : row->windows) EXPECT_TRUE(windows.insert(w.window).second);
    // A menu choice is found by its item's name alone.
    for (const MenuRow& item : row->menu) EXPECT_TRUE(items.insert(item.name).second) << item.name;
    // Ended from outside the menu, the scene runs what its menu's 終了 runs.
    EXPECT_TRUE(std::any_of(row->menu.begin(), row->menu.end(), [&](const MenuRow& item) {
      return item.caption == "終了" && item.action == row->end;
    }));
    // The watchdog raises the scene window first, then only windows of its own.
    ASSERT_FALSE(row->raised.empty());
    EXPECT_EQ(row->raised.front(), row->window);
    EXPECT_EQ(row->raised.size(), 4 + row->windows.size());
  }
  EXPECT_EQ(kSceneList.front()->name, "frmShop");  // where the program starts
}

}  // namespace
}  // namespace tolmark
