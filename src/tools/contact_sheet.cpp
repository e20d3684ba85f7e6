// Lays the pictures out in rows of slots; wide pictures take two slots.
#include "tools/contact_sheet.h"

#include <algorithm>
#include <string>

#include "art/pictures.h"
#include "tools/digit_font.h"

namespace tolmark {
namespace {

constexpr std::uint32_t kSheetColour = 0x34343F;
constexpr std::uint32_t kGroundColour = 0x808080;
constexpr std::uint32_t kLabelColour = 0xF0F0F0;
constexpr std::uint32_t kPlaceholderLabelColour = 0xF06060;  // indices not drawn yet
constexpr int kSlotsPerRow = 12;

void DrawNumber(RgbImage& image, int number, int left, int top, int dot, std::uint32_t colour) {
  const std::string text = std::to_string(number);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto& glyph = kDigitGlyphs[static_cast<std::size_t>(text[i] - '0')];
    for (int row = 0; row < 5; ++row) {
      for (int col = 0; col < 3; ++col) {
        if (!(glyph[static_cast<std::size_t>(row)] & (4 >> col))) continue;
        for (int dy = 0; dy < dot; ++dy) {
          for (int dx = 0; dx < dot; ++dx) {
            image.Set(left + (static_cast<int>(i) * 4 + col) * dot + dx, top + row * dot + dy,
                      colour);
          }
        }
      }
    }
  }
}

}  // namespace

RgbImage ContactSheet(int scale) {
  const int dot = std::max(1, scale / 2);
  const int gap = 2 * scale;
  const int label = 6 * dot + 2;
  const int slotWidth = 34 * scale + gap;
  const int rowHeight = label + 41 * scale + gap;

  // First pass places the cells, second paints them.
  struct Cell {
    int index, left, top;
  };
  std::vector<Cell> cells;
  int slot = 0;
  int row = 0;
  for (int i = 0; i < kPictureCount; ++i) {
    const int slots = PictureBitmapOf(i).width > 34 ? 2 : 1;
    if (slot + slots > kSlotsPerRow) {
      slot = 0;
      ++row;
    }
    cells.push_back({i, gap + slot * slotWidth, gap + row * rowHeight});
    slot += slots;
  }
  RgbImage sheet(gap + kSlotsPerRow * slotWidth, gap + (row + 1) * rowHeight, kSheetColour);
  for (const Cell& cell : cells) {
    const PictureBitmap& p = PictureBitmapOf(cell.index);
    DrawNumber(sheet, cell.index, cell.left, cell.top, dot,
               PictureIsDrawn(cell.index) ? kLabelColour : kPlaceholderLabelColour);
    const int top = cell.top + label;
    for (int y = 0; y < p.height * scale; ++y) {
      for (int x = 0; x < p.width * scale; ++x) {
        const std::uint32_t rgb = p.At(x / scale, y / scale);
        sheet.Set(cell.left + x, top + y, rgb == kBackgroundRgb ? kGroundColour : rgb);
      }
    }
  }
  return sheet;
}

}  // namespace tolmark
