// The monster catalogue: 29 rows, found by picture (the first row with that picture wins).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/game_state.h"

namespace tolmark {

struct MonsterRow {
  std::int32_t picture;
  std::string_view name;
  std::int32_t hp, attack, defense, speed;
  std::int32_t hpGrowth, attackGrowth, defenseGrowth, speedGrowth;
  std::int32_t exp, gold, frames;
};

// clang-format off
inline constexpr std::array<MonsterRow, kMonsterCount> kMonsters = {{
// picture name  HP  At  Df  Sp  HP+ At+ Df+ Sp+ Exp Gold Frames
    {167, "スラーム", 9, 6, 4, 3, 8, 2, 1, 1, 1, 8, 2},  // row 0
    {9, "バードン", 18, 6, 3, 5, 10, 2, 2, 2, 3, 20, 2},  // row 1
    {11, "ボーン兵", 23, 7, 4, 0, 13, 3, 2, 1, 5, 16, 3},  // row 2
    {131, "カマキリオ", 25, 8, 5, 4, 15, 3, 2, 2, 7, 20, 3},  // row 3
    {6, "空手カブト", 30, 9, 5, 3, 18, 3, 2, 1, 9, 30, 3},  // row 4
    {17, "白虎", 140, 26, 18, 10, 0, 0, 0, 0, 52, 81, 3},  // row 5
    {169, "朱雀", 115, 23, 16, 15, 0, 0, 0, 0, 52, 320, 3},  // row 6
    {153, "オーク", 153, 27, 19, 9, 0, 0, 0, 0, 246, 500, 3},  // row 7
    {148, "虹蛸", 202, 31, 18, 17, 15, 3, 2, 2, 28, 87, 2},  // row 8
    {102, "桜ワニ", 223, 34, 21, 15, 18, 3, 2, 1, 32, 135, 3},  // row 9
    {111, "半魚マン", 231, 35, 21, 13, 21, 3, 2, 1, 36, 212, 3},  // row 10
    {161, "シャーク隊長", 253, 38, 22, 17, 25, 3, 2, 2, 40, 237, 3},  // row 11
    {172, "クジラ戦車", 272, 37, 24, 14, 29, 3, 2, 1, 44, 341, 2},  // row 12
    {114, "玄武", 412, 52, 35, 20, 1, 1, 1, 1, 142, 1201, 3},  // row 13
    {158, "青龍", 438, 59, 32, 22, 1, 1, 1, 1, 154, 896, 3},  // row 14
    {117, "ハーミット", 430, 58, 36, 23, 20, 3, 2, 1, 143, 724, 2},  // row 15
    {164, "スネーフ", 452, 64, 39, 28, 26, 3, 2, 2, 154, 1011, 3},  // row 16
    {128, "ツインソード", 460, 68, 41, 27, 42, 4, 3, 2, 171, 1362, 3},  // row 17
    {150, "サイクロプス", 548, 74, 56, 45, 56, 4, 3, 1, 194, 1813, 3},  // row 18
    {143, "デュラン", 689, 82, 61, 53, 61, 4, 3, 2, 223, 2124, 3},  // row 19
    {125, "麒麟", 1142, 149, 51, 89, 1, 1, 1, 1, 597, 4036, 3},  // row 20
    {108, "炎赤竜", 1243, 157, 90, 73, 1, 1, 1, 1, 1340, 8412, 3},  // row 21
    {153, "オーク", 1110, 151, 68, 69, 68, 4, 3, 1, 386, 1064, 3},  // row 22
    {105, "ケルベロス", 1194, 181, 86, 90, 72, 4, 3, 2, 411, 1418, 3},  // row 23
    {0, "アサシン", 1223, 172, 91, 110, 81, 4, 3, 2, 432, 2124, 3},  // row 24
    {108, "炎赤竜", 1320, 192, 102, 98, 93, 4, 3, 2, 461, 2441, 3},  // row 25
    {156, "ロボット兵", 1500, 201, 121, 80, 109, 4, 3, 1, 492, 2977, 2},  // row 26
    {140, "ガイル", 2031, 204, 111, 101, 1, 1, 1, 1, 0, 0, 3},  // row 27
    {119, "魔族ガイル", 4014, 318, 123, 130, 1, 1, 1, 1, 10024, 10024, 3},  // row 28
}};
// clang-format on

// Fills Monsters from the table.
void BuildMonsters(GameState& s);

// The row of the first monster drawn with this picture, or -1 when none is.
int MonsterRowByPicture(const GameState& s, std::int32_t picture);

// The monster of the first row with this picture steps up as it stands in the catalogue: it
// becomes the visitor (VisitorPicture, VisitorFrames) and the opponent (MonsterName, HP, Attack,
// Defense, Speed, Gold, Exp). False, changing nothing, when no row has the picture.
bool LoadOpponent(GameState& s, std::int32_t picture);

}  // namespace tolmark
