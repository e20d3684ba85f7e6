// Menu building from the scenes' rows, preparing them as they open, and choosing an item.
#include "scene/menus.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tolmark {
namespace {

MenuItem* FindIn(std::vector<MenuItem>& items, std::string_view name) {
  for (MenuItem& item : items) {
    if (item.name == name) return &item;
    if (MenuItem* inner = FindIn(item.children, name)) return inner;
  }
  return nullptr;
}

// A menu item the program names but no menu has is a fault of the program, in every build: it
// stops at once with the name rather than leave a command silently out.
[[noreturn]] void NoSuchItem(std::string_view name) {
  std::fprintf(stderr, "tolmark: no menu has an item named \"%.*s\"\n",
               static_cast<int>(name.size()), name.data());
  std::abort();
}

MenuItem& ItemNamed(Menu& menu, std::string_view name) {
  MenuItem* item = FindMenuItem(menu, name);
  if (item == nullptr) NoSuchItem(name);
  return *item;
}

const MenuRow* FindRow(std::span<const MenuRow> rows, std::string_view name) {
  for (const MenuRow& row : rows) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

}  // namespace

Menu BuildMenu(std::string_view menuName, std::span<const MenuRow> rows) {
  Menu menu{std::string(menuName), {}};
  for (const MenuRow& row : rows) {
    MenuItem item{std::string(row.name), std::string(row.caption), row.visible, true, row.checked,
                  {}};
    if (row.parent.empty()) {
      menu.items.push_back(std::move(item));
    } else if (MenuItem* parent = FindMenuItem(menu, row.parent)) {
      parent->children.push_back(std::move(item));
    }
  }
  return menu;
}

MenuItem* FindMenuItem(Menu& menu, std::string_view name) { return FindIn(menu.items, name); }

const MenuItem* FindMenuItem(const Menu& menu, std::string_view name) {
  return FindMenuItem(const_cast<Menu&>(menu), name);
}

void ResetMenu(Scenes& c, const SceneRow& row) {
  MenuOf(c, row) = BuildMenu(row.menuName, row.menu);
}

void PrepareMenu(Scenes& c, const SceneRow& row) {
  Menu& menu = MenuOf(c, row);
  for (const MenuRow& r : row.menu) {
    MenuItem& item = ItemNamed(menu, r.name);
    const ItemRules& rules = r.onOpen;
    if (rules.visible != nullptr) item.visible = rules.visible(c.s, item.visible);
    if (rules.enabled != nullptr) item.enabled = rules.enabled(c.s, item.enabled);
    if (rules.checked != nullptr) item.checked = rules.checked(c.s, item.checked);
  }
}

void PopUpMenu(Scenes& c) {
  const SceneRow& row = CurrentRow(c);
  PrepareMenu(c, row);
  c.desk.PopupMenu(row.menuWindow, MenuOf(c, row));
}

void ChooseMenuItem(Scenes& c, std::string_view item) {
  // The scene on screen first: its menu is the one that was shown.
  const SceneRow& current = CurrentRow(c);
  const MenuRow* chosen = FindRow(current.menu, item);
  for (std::size_t i = 0; chosen == nullptr && i < c.rows.size(); ++i) {
    chosen = FindRow(c.rows[i]->menu, item);
  }
  if (chosen == nullptr) NoSuchItem(item);
  if (chosen->action != nullptr) chosen->action(c);
}

}  // namespace tolmark
