// Arbitrary bytes as a palette and as a drawing file: the reader takes them or names the fault
// with its place, and never reads or writes outside a drawing.
#include <cstdint>
#include <string_view>

#include "art/picture_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolmark;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    Palette palette;
    palette.Read(text, "fuzz.pal");
  } catch (const PictureSourceError&) {
  }

  static const Palette palette = [] {
    Palette p;
    p.Read("K 3e2a2c outline\nS f6cba2 skin\nR dc3c3c red\n", "fuzz.pal");
    return p;
  }();
  PictureBook book(palette);
  try {
    book.Read(text, "fuzz.pix");
  } catch (const PictureSourceError&) {
  }
  return 0;
}
