// The field's status window and bag list, and throwing carried weapons away from the list.
#include "field/field_windows.h"

#include <iterator>
#include <span>
#include <string>

#include "field/bag_discard.h"
#include "model/inventory.h"
#include "model/numbers.h"
#include "model/weapons.h"
#include "scene/small_windows.h"

namespace tolmark::field {
namespace {

// Design client sizes, in screen units.
constexpr WindowSize kStatusSize{1920, 1905};
constexpr WindowSize kBagListSize{3390, 1335};

}  // namespace

Placement FieldStatusPlacement(const ScreenMetrics& m) {
  return PlaceAboveFloor(m, kStatusSize, 0, 60);
}
Placement BagListPlacement(const ScreenMetrics& m) {
  return PlaceAboveFloor(m, kBagListSize, 127, 60);
}

LabelContent FieldStatusContent(const GameState& s) {
  return LabelContent{{
      {"レベル：", "Lv" + std::to_string(s.Level)},
      {"次まで：", FormatThousands(static_cast<std::int64_t>(s.NextLevelExp) - s.Experience)},
      {"HP：", std::to_string(s.HP) + "/" + std::to_string(s.MaxHP)},
      {"手荷物：", std::to_string(s.BagPieces) + "/" + std::to_string(s.BagCapacity)},
      {"所持金：", FormatThousands(s.Gold)},
  }};
}

ListContent BagListContent(const GameState& s) {
  ListContent list;
  list.columns = {{"名前", 2000}, {"個数", 1000}};
  const std::span<const StockEntry> used = UsedEntriesOf(s.Bag, s.BagCount);
  for (const StockEntry& entry : used) {
    list.rows.push_back({std::string(WeaponNameOf(s, entry.WeaponId)), FormatThousands(entry.Count)});
  }
  if (!used.empty()) {
    const std::int32_t row = s.SelectedRow == 0 ? 1 : s.SelectedRow;
    // A row that no longer exists selects nothing.
    list.selectedRow = (row >= 1 && row <= std::ssize(used)) ? row : 0;
  }
  return list;
}

void LoadFieldItemWindow(Scenes& c) {
  c.desk.ShowList(Window::frmFItem, BagListPlacement(ScreenMetrics::Of(c.desk)),
                  BagListContent(c.s));
  c.s.ItemListOpen = kTrue;
}

void LoadFieldStatusWindow(Scenes& c) {
  c.desk.ShowLabels(Window::frmFStatus, FieldStatusPlacement(ScreenMetrics::Of(c.desk)),
                    FieldStatusContent(c.s));
  c.s.StatusOpen = kTrue;
}

void FieldListMouseDown(Scenes& c, Window window, int row, int button) {
  GameState& s = c.s;
  if (window != Window::frmFItem) return;
  if (row < 1 || row > std::ssize(UsedEntriesOf(s.Bag, s.BagCount))) return;
  s.SelectedRow = row;
  if (button != 2 || !MayDiscard(s)) return;
  s.CommandBusy = kTrue;
  DiscardOnePiece(s, row);
  ShowAgain(c, {Window::frmFItem, Window::frmFStatus});  // the bag list first
  s.CommandBusy = kFalse;
}

void FieldWindowDoubleClick(Scenes& c, Window window) {
  if (window == Window::frmFItem) c.s.SelectedRow = 0;
  CloseSmallWindow(c, window);
}

}  // namespace tolmark::field
