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

// A scene's menu back to its loaded state; each scene's start-up does this.
void ResetMenu(Scenes& c, const SceneRow& row);

// A scene's menu as it opens: every row's rules decide its item's states from the game state, in
// menu order. A row whose item the menu does not have stops the program.
void PrepareMenu(Scenes& c, const SceneRow& row);

// The menu of the scene on screen prepared and popped up; a scene's right click ends here, once
// it has done what else the click does there.
void PopUpMenu(Scenes& c);

// A menu item chosen: its row's action runs. An item that no scene's menu knows is a fault of
// the program, in every build: it stops with the item's name.
void ChooseMenuItem(Scenes& c, std::string_view item);

}  // namespace tolmark
