// Reads the text form of the pictures: a master palette and drawings built from rows and
// derivations (copy, mirror, replaced rows, shifted bands, pasted or put sprites, recolouring,
// an outline drawn round the figure).
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolmark {

// A fault in a palette or drawing file, with the place it was found ("file:line: ...").
class PictureSourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kBackgroundChar = '.';

// One colour per printable character; '.' is always the background RGB(10,10,10).
class Palette {
 public:
  Palette();
  // Lines "C RRGGBB name...", '#' comments and blank lines.
  void Read(std::string_view text, std::string_view origin);
  bool Has(char c) const;
  std::uint32_t Rgb(char c) const;

 private:
  std::array<std::optional<std::uint32_t>, 128> colours_;
};

// A grid of palette characters.
struct Drawing {
  int width = 0;
  int height = 0;
  std::string cells;  // row-major, width * height characters

  char At(int x, int y) const { return cells[static_cast<std::size_t>(y * width + x)]; }
  char& At(int x, int y) { return cells[static_cast<std::size_t>(y * width + x)]; }
  static Drawing Blank(int width, int height);
};

// Every picture and sprite read so far. A drawing may only build on items defined before it.
class PictureBook {
 public:
  explicit PictureBook(const Palette& palette) : palette_(palette) {}

  void Read(std::string_view text, std::string_view origin);

  const std::map<int, Drawing>& pictures() const { return pictures_; }
  const Drawing* Sprite(const std::string& name) const;

 private:
  const Palette& palette_;
  std::map<int, Drawing> pictures_;
  std::map<std::string, Drawing> sprites_;
};

}  // namespace tolmark
