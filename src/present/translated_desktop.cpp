#include "present/translated_desktop.h"

#include <utility>

#include "art/picture_names.h"
#include "model/language.h"

namespace tolmark {
namespace {

void TranslateItems(std::vector<MenuItem>& items) {
  for (MenuItem& item : items) {
    item.caption = Translated(item.caption);
    TranslateItems(item.children);
  }
}

}  // namespace

void TranslatedDesktop::DrawPicture(Window scene, int picture, std::int32_t x, std::int32_t y) {
  if (CurrentLanguage() == Language::English) picture = picture::EnglishEditionOf(picture);
  inner_.DrawPicture(scene, picture, x, y);
}

void TranslatedDesktop::ShowTalk(Window balloon, std::string_view text, std::int32_t x,
                                 std::int32_t y, int side) {
  inner_.ShowTalk(balloon, Translated(text), x, y, side);
}

std::int32_t TranslatedDesktop::TextWidth(std::string_view text) const {
  return inner_.TextWidth(Translated(text));
}

void TranslatedDesktop::PopupMenu(Window menuWindow, const Menu& menu) {
  if (CurrentLanguage() == Language::Japanese) return inner_.PopupMenu(menuWindow, menu);
  Menu shown = menu;
  TranslateItems(shown.items);
  inner_.PopupMenu(menuWindow, shown);
}

void TranslatedDesktop::ShowList(Window window, const Placement& place,
                                 const ListContent& content) {
  if (CurrentLanguage() == Language::Japanese) return inner_.ShowList(window, place, content);
  ListContent shown = content;
  for (ListColumn& column : shown.columns) column.title = Translated(column.title);
  for (auto& row : shown.rows) {
    for (std::string& cell : row) cell = Translated(cell);
  }
  inner_.ShowList(window, place, shown);
}

void TranslatedDesktop::ShowLabels(Window window, const Placement& place,
                                   const LabelContent& content) {
  if (CurrentLanguage() == Language::Japanese) return inner_.ShowLabels(window, place, content);
  LabelContent shown = content;
  for (auto& [label, value] : shown.rows) {
    label = Translated(label);
    value = Translated(value);
  }
  inner_.ShowLabels(window, place, shown);
}

void TranslatedDesktop::MessageBox(std::string_view text, bool errorIcon) {
  inner_.MessageBox(Translated(text), errorIcon);
}

}  // namespace tolmark
