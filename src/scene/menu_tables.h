// The three pop-up menus as their windows carry them when loaded: items in menu order.
#pragma once

#include <array>
#include <string_view>

namespace tolmark {

struct MenuRow {
  std::string_view name;
  std::string_view caption;
  std::string_view parent;  // the submenu holding the item; empty for a top-level item
  bool visible;
  bool checked;
};

// frmMenu, menu "menu": the shop.
inline constexpr std::array<MenuRow, 23> kShopMenuRows = {{
    {"mitem", "売り物", "", true, false},
    {"mstatus", "ステータス", "", true, false},
    {"mlist", "武器リスト", "", true, false},
    {"morder", "注文品", "", true, false},
    {"mopen", "開店", "", true, false},
    {"mclose", "閉店", "", true, false},
    {"msleep", "寝る", "", true, false},
    {"mbuyer", "仕入れ", "", true, false},
    {"mstage1", "トーテム山", "mbuyer", true, false},
    {"mstage2", "アーウット", "mbuyer", false, false},
    {"mstage3", "モノリス城", "mbuyer", false, false},
    {"mstage4", "デモンズ山脈", "mbuyer", false, false},
    {"mauto", "自動ON(A)", "", true, false},
    {"mSpeed", "速度(S)", "", true, false},
    {"mSpeed1", "速い", "mSpeed", true, false},
    {"mSpeed2", "普通", "mSpeed", true, true},
    {"mSpeed3", "遅い", "mSpeed", true, false},
    {"mActive", "常に手前に表示(T)", "", true, false},
    {"mNoActive", "常に手前を解除(T)", "", true, false},
    {"msave_load", "記録", "", true, false},
    {"msave", "セーブ", "msave_load", true, false},
    {"mload", "ロード", "msave_load", true, false},
    {"mend", "終了", "", true, false},
}};

// frmFMenu, menu "fmenu": the field.
inline constexpr std::array<MenuRow, 12> kFieldMenuRows = {{
    {"fmstatus", "ステータス", "", true, false},
    {"fmitem", "手荷物", "", true, false},
    {"fmescape", "逃げる", "", false, false},
    {"fmhome", "店に帰る", "", false, false},
    {"fmauto", "自動ON(A)", "", true, false},
    {"fSpeed", "速度(S)", "", true, false},
    {"fSpeed1", "速い", "fSpeed", true, false},
    {"fSpeed2", "普通", "fSpeed", true, true},
    {"fSpeed3", "遅い", "fSpeed", true, false},
    {"fActive", "常に手前に表示(T)", "", true, false},
    {"fNoActive", "常に手前を解除(T)", "", true, false},
    {"fmend", "終了", "", true, false},
}};

// frmAMenu, menu "amenu": the town and the castle.
inline constexpr std::array<MenuRow, 5> kArmsMenuRows = {{
    {"abuy", "買う", "", true, false},
    {"ahome", "帰る", "", true, false},
    {"aActive", "常に手前に表示(T)", "", true, false},
    {"aNoActive", "常に手前を解除(T)", "", true, false},
    {"aend", "終了", "", true, false},
}};

}  // namespace tolmark
