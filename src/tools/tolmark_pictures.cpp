// tolmark-pictures DIR: writes every picture as DIR/NNN.png, the balloon parts as
// DIR/part-1000N.png and the review sheets DIR/sheet.png (4x) and DIR/sheet-1x.png.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "art/pictures.h"
#include "present/shapes.h"
#include "tools/contact_sheet.h"
#include "tools/rgb_image.h"

namespace {

using tolmark::RgbImage;

bool Write(const RgbImage& image, const std::filesystem::path& path) {
  if (tolmark::WritePng(image, path.string())) return true;
  std::cerr << path.string() << ": cannot be written\n";
  return false;
}

RgbImage PictureImage(int index) {
  const tolmark::PictureBitmap& p = tolmark::PictureBitmapOf(index);
  RgbImage image(p.width, p.height, tolmark::kBackgroundRgb);
  image.pixels.assign(p.pixels.begin(), p.pixels.end());
  return image;
}

// A balloon part is only a shape: its pixels white on the background colour.
RgbImage PartImage(int part) {
  const tolmark::Shape& shape = tolmark::PictureShapeOf(part);
  RgbImage image(shape.bounds.right, shape.bounds.bottom, tolmark::kBackgroundRgb);
  for (const tolmark::PixelRect& r : shape.rects) {
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) image.Set(x, y, 0xFFFFFF);
    }
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tolmark-pictures DIR\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::cerr << dir.string() << ": " << ec.message() << "\n";
    return 1;
  }
  bool ok = true;
  int stillPlain = 0;
  for (int i = 0; i < tolmark::kPictureCount; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.png", i);
    ok = Write(PictureImage(i), dir / name) && ok;
    if (!tolmark::PictureIsDrawn(i)) ++stillPlain;
  }
  for (int part = tolmark::kBalloonPartFirst; part <= tolmark::kBalloonPartLast; ++part) {
    ok = Write(PartImage(part), dir / ("part-" + std::to_string(part) + ".png")) && ok;
  }
  ok = Write(tolmark::ContactSheet(4), dir / "sheet.png") && ok;
  ok = Write(tolmark::ContactSheet(1), dir / "sheet-1x.png") && ok;
  std::cout << tolmark::kPictureCount << " pictures written to " << dir.string() << ", "
            << stillPlain << " still plain stand-ins\n";
  return ok ? 0 : 1;
}
