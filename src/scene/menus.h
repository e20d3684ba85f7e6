// The scenes' pop-up menus: built from their rows, prepared on a right click, and chosen from.
#pragma once

#include <span>
#include <string_view>

#include "scene/scenes.h"

namespace tolmark {

// A menu as its rows describe it, every item enabled.
Menu BuildMenu(std::string_view menuName, std::span<const MenuRow> rows);

// The item of that name anywhere in the menu (submenus included); nullptr when there is none.
MenuItem* FindMenuItem(Menu& menu, std::string_view name);
const MenuItem* FindMenuItem(const Menu& menu, std::string_view name);

// An item's state as the menu opens. An item the menu does not have stops the program.
void SetItemVisible(Menu& menu, std::string_view name, bool visible);
void SetItemEnabled(Menu& menu, std::string_view name, bool enabled);
void SetItemChecked(Menu& menu, std::string_view name, bool checked);

// A scene's menu back to its loaded state; each scene's start-up does this.
void ResetMenu(Scenes& c, const SceneRow& row);

// A menu item chosen: its row's action runs. An item that no scene's menu knows is a fault of
// the program, in every build: it stops with the item's name.
void ChooseMenuItem(Scenes& c, std::string_view item);

}  // namespace tolmark
