// Reading the palette and the drawing files into grids of palette characters.
#include "art/picture_source.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <sstream>

#include "art/picture_sizes.h"
#include "art/pictures.h"

namespace tolmark {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    // Every character the word splitter counts as a space: a line left non-empty always
    // holds a word.
    const std::size_t last = line.find_last_not_of(" \t\r\v\f");
    line = line.substr(0, last == std::string_view::npos ? 0 : last + 1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::optional<int> Number(const std::string& word) {
  int value = 0;
  const char* end = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// The line being read, which every fault found on it names.
struct SourceLine {
  std::string_view origin;
  std::size_t number = 0;
};

[[noreturn]] void Fail(const SourceLine& at, const std::string& message) {
  throw PictureSourceError(std::string(at.origin) + ":" + std::to_string(at.number) + ": " +
                           message);
}

// Wide enough for an offset anywhere in int's range added to a place in a drawing.
bool Inside(const Drawing& d, std::int64_t x, std::int64_t y) {
  return x >= 0 && y >= 0 && x < d.width && y < d.height;
}

void Mirror(Drawing& d) {
  for (int y = 0; y < d.height; ++y) {
    std::reverse(d.cells.begin() + y * d.width, d.cells.begin() + (y + 1) * d.width);
  }
}

// Moves the band of rows y0..y1 by (dx, dy); the band lands over what lies there, its
// background letting the rest show through.
void ShiftBand(Drawing& d, int dx, int dy, int y0, int y1, const SourceLine& at) {
  if (y0 < 0 || y1 >= d.height || y0 > y1) Fail(at, "band out of range");
  const Drawing before = d;
  for (int y = y0; y <= y1; ++y) {
    for (int x = 0; x < d.width; ++x) d.At(x, y) = kBackgroundChar;
  }
  for (int y = y0; y <= y1; ++y) {
    for (int x = 0; x < d.width; ++x) {
      const char c = before.At(x, y);
      if (c == kBackgroundChar) continue;
      const std::int64_t tx = std::int64_t{x} + dx;
      const std::int64_t ty = std::int64_t{y} + dy;
      if (!Inside(d, tx, ty)) Fail(at, "shift pushes figure pixels out of the drawing");
      d.At(static_cast<int>(tx), static_cast<int>(ty)) = c;
    }
  }
}

// Lays the sprite with its top-left corner at (left, top). A pasted sprite lets its background
// show what lies beneath; a put one (opaque) covers it.
void Stamp(Drawing& d, const Drawing& sprite, int left, int top, bool opaque,
           const SourceLine& at) {
  for (int y = 0; y < sprite.height; ++y) {
    for (int x = 0; x < sprite.width; ++x) {
      const char c = sprite.At(x, y);
      if (c == kBackgroundChar && !opaque) continue;
      const std::int64_t tx = std::int64_t{left} + x;
      const std::int64_t ty = std::int64_t{top} + y;
      if (!Inside(d, tx, ty)) {
        Fail(at, opaque ? "put reaches outside the drawing"
                        : "pasted figure pixels fall outside the drawing");
      }
      d.At(static_cast<int>(tx), static_cast<int>(ty)) = c;
    }
  }
}

// Rims the figure: every figure pixel beside the background (or the drawing's edge) takes the
// outline colour, so a creature can be drawn as fills alone.
void Outline(Drawing& d, char rim) {
  const Drawing before = d;
  const auto open = [&](int x, int y) {
    return !Inside(before, x, y) || before.At(x, y) == kBackgroundChar;
  };
  for (int y = 0; y < d.height; ++y) {
    for (int x = 0; x < d.width; ++x) {
      if (before.At(x, y) == kBackgroundChar) continue;
      if (open(x - 1, y) || open(x + 1, y) || open(x, y - 1) || open(x, y + 1)) d.At(x, y) = rim;
    }
  }
}

// Swaps colours by pairs "from to" written as two letters, all at once.
void Recolour(Drawing& d, std::span<const std::string> pairs, const Palette& palette,
              const SourceLine& at) {
  std::array<char, 128> map{};
  for (int c = 0; c < 128; ++c) map[static_cast<std::size_t>(c)] = static_cast<char>(c);
  for (const std::string& pair : pairs) {
    if (pair.size() != 2 || !palette.Has(pair[0]) || !palette.Has(pair[1])) {
      Fail(at, "recolour takes pairs of palette colours, like Hh");
    }
    map[static_cast<unsigned char>(pair[0])] = pair[1];
  }
  for (char& c : d.cells) c = map[static_cast<unsigned char>(c)];
}

}  // namespace

Palette::Palette() { colours_[static_cast<unsigned char>(kBackgroundChar)] = kBackgroundRgb; }

void Palette::Read(std::string_view text, std::string_view origin) {
  SourceLine at{origin};
  for (std::string_view line : Lines(text)) {
    ++at.number;
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string> words = Words(line);
    if (words.size() < 2 || words[0].size() != 1 || words[1].size() != 6) {
      Fail(at, "expected \"C RRGGBB name\"");
    }
    const char c = words[0][0];
    if (c <= ' ' || c >= 127 || c == '#' || c == kBackgroundChar) {
      Fail(at, std::string("unusable colour character '") + c + "'");
    }
    std::uint32_t rgb = 0;
    const char* end = words[1].data() + words[1].size();
    auto [ptr, ec] = std::from_chars(words[1].data(), end, rgb, 16);
    if (ec != std::errc() || ptr != end) Fail(at, "colour is not six hex digits");
    // Only the background colour itself is see-through; a figure colour equal to it would
    // punch holes into the figure.
    if (rgb == kBackgroundRgb) Fail(at, "colour equals the background");
    auto& slot = colours_[static_cast<unsigned char>(c)];
    if (slot) Fail(at, std::string("colour '") + c + "' defined twice");
    slot = rgb;
  }
}

bool Palette::Has(char c) const {
  const auto u = static_cast<unsigned char>(c);
  return u < colours_.size() && colours_[u].has_value();
}

std::uint32_t Palette::Rgb(char c) const { return *colours_.at(static_cast<unsigned char>(c)); }

Drawing Drawing::Blank(int width, int height) {
  return Drawing{width, height,
                 std::string(static_cast<std::size_t>(width * height), kBackgroundChar)};
}

const Drawing* PictureBook::Sprite(const std::string& name) const {
  const auto it = sprites_.find(name);
  return it == sprites_.end() ? nullptr : &it->second;
}

void PictureBook::Read(std::string_view text, std::string_view origin) {
  struct Item {
    bool open = false;
    bool isPicture = false;
    int index = 0;
    std::string name;
    Drawing drawing;
    int rowCursor = -1;     // next row a pixel line fills, -1 when no row block is open
    bool bareRows = false;  // pixel lines may follow the header directly
  } item;

  SourceLine at{origin};
  auto finish = [&] {
    if (!item.open) return;
    if (item.isPicture) {
      pictures_[item.index] = item.drawing;
    } else {
      sprites_[item.name] = item.drawing;
    }
    item = Item{};
  };
  auto lookup = [&](const std::string& ref) -> const Drawing& {
    if (const std::optional<int> index = Number(ref)) {
      const auto it = pictures_.find(*index);
      if (it == pictures_.end()) Fail(at, "picture " + ref + " is not drawn before");
      return it->second;
    }
    const Drawing* sprite = Sprite(ref);
    if (!sprite) Fail(at, "sprite " + ref + " is not drawn before");
    return *sprite;
  };
  auto number = [&](const std::string& word) {
    const std::optional<int> value = Number(word);
    if (!value) Fail(at, "\"" + word + "\" is not a number");
    return *value;
  };

  for (std::string_view line : Lines(text)) {
    ++at.number;
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string> words = Words(line);
    const std::string& op = words[0];
    const bool isPixelRow = words.size() == 1 && op != "mirror";

    if (op == "picture" && words.size() == 2) {
      finish();
      const int index = number(words[1]);
      if (index < 0 || index >= kPictureCount) Fail(at, "no picture " + words[1]);
      if (pictures_.contains(index)) Fail(at, "picture " + words[1] + " drawn twice");
      const PictureSize size = PictureSizeOf(index);
      item = Item{true, true, index, {}, Drawing::Blank(size.width, size.height), -1, true};
      continue;
    }
    if (op == "sprite" && words.size() == 3) {
      finish();
      const std::size_t x = words[2].find('x');
      if (x == std::string::npos) Fail(at, "sprite size must read WxH");
      const int width = number(words[2].substr(0, x));
      const int height = number(words[2].substr(x + 1));
      if (width < 1 || height < 1 || width > 256 || height > 256) {
        Fail(at, "sprite size out of range");
      }
      if (sprites_.contains(words[1])) Fail(at, "sprite " + words[1] + " drawn twice");
      item = Item{true, false, 0, words[1], Drawing::Blank(width, height), -1, true};
      continue;
    }
    if (!item.open) Fail(at, "drawing outside a picture or sprite");
    Drawing& d = item.drawing;

    if (isPixelRow) {
      if (item.rowCursor < 0 && item.bareRows) item.rowCursor = 0;
      if (item.rowCursor < 0) Fail(at, "pixel rows after a derivation need \"rows Y\"");
      if (item.rowCursor >= d.height) Fail(at, "more rows than the drawing is high");
      if (static_cast<int>(op.size()) != d.width) {
        Fail(at,
             "row is " + std::to_string(op.size()) + " wide, drawing " + std::to_string(d.width));
      }
      for (int x = 0; x < d.width; ++x) {
        const char c = op[static_cast<std::size_t>(x)];
        if (!palette_.Has(c)) Fail(at, std::string("colour '") + c + "' not in palette");
        d.At(x, item.rowCursor) = c;
      }
      ++item.rowCursor;
      continue;
    }

    item.bareRows = false;
    item.rowCursor = -1;
    if (op == "from" && words.size() == 2) {
      const Drawing& source = lookup(words[1]);
      if (source.width != d.width || source.height != d.height) {
        Fail(at, words[1] + " has another size");
      }
      d = source;
    } else if (op == "mirror" && words.size() == 1) {
      Mirror(d);
    } else if (op == "rows" && words.size() == 2) {
      item.rowCursor = number(words[1]);
      if (item.rowCursor < 0 || item.rowCursor >= d.height) Fail(at, "row out of range");
    } else if (op == "shift" && (words.size() == 3 || words.size() == 5)) {
      const int dx = number(words[1]);
      const int dy = number(words[2]);
      // The whole drawing unless a band of rows is named.
      const int y0 = words.size() == 5 ? number(words[3]) : 0;
      const int y1 = words.size() == 5 ? number(words[4]) : d.height - 1;
      ShiftBand(d, dx, dy, y0, y1, at);
    } else if ((op == "paste" || op == "put") && words.size() == 4) {
      const Drawing& sprite = lookup(words[1]);
      const int left = number(words[2]);
      const int top = number(words[3]);
      Stamp(d, sprite, left, top, op == "put", at);
    } else if (op == "outline" && words.size() == 2 && words[1].size() == 1) {
      const char rim = words[1][0];
      if (!palette_.Has(rim) || rim == kBackgroundChar) Fail(at, "outline takes one figure colour");
      Outline(d, rim);
    } else if (op == "recolour" && words.size() >= 2) {
      Recolour(d, std::span(words).subspan(1), palette_, at);
    } else {
      Fail(at, "unknown instruction \"" + std::string(line) + "\"");
    }
  }
  finish();
}

}  // namespace tolmark
