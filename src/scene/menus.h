// The scenes' pop-up menus: built from their tables, prepared and shown on a right click.
#pragma once

#include <span>
#include <string_view>

#include "scene/menu_tables.h"
#include "scene/scenes.h"

namespace tolmark {

// A menu as its table describes it, every item enabled.
Menu BuildMenu(std::string_view menuName, std::span<const MenuRow> rows);

// The item of that name anywhere in the menu (submenus included); nullptr when there is none.
MenuItem* FindMenuItem(Menu& menu, std::string_view name);
const MenuItem* FindMenuItem(const Menu& menu, std::string_view name);

void SetItemVisible(Menu& menu, std::string_view name, bool visible);
void SetItemEnabled(Menu& menu, std::string_view name, bool enabled);
void SetItemChecked(Menu& menu, std::string_view name, bool checked);

// A scene's menu back to its loaded state; each scene's start-up calls its own.
void ResetShopMenu(Scenes& c);
void ResetFieldMenu(Scenes& c);
void ResetArmsMenu(Scenes& c);

// Right click (or the menu key): the menu prepared for the moment and popped up.
void OpenShopMenu(Scenes& c);
void OpenFieldMenu(Scenes& c);
void OpenArmsMenu(Scenes& c);

}  // namespace tolmark
