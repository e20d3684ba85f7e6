// make-icon FILE SIZE: writes the game's icon (the merchant) as a SIZE x SIZE PNG, for the
// desktop's menus; run by the build for every icon size the desktop asks for.
//
// The merchant is pixel art, so he is only ever enlarged by a whole factor with every pixel
// kept square and sharp. Where the whole figure would come out small, the icon shows a
// bigger merchant cut to his upper body or, at the smallest sizes, to his face.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "qt/picture_images.h"

namespace {

constexpr int kMerchant = 57;  // the merchant facing the customers

// The middle of his face (between the eyes, above the mouth) in picture pixels: he looks to
// the left, so his face sits left of the middle of his head.
constexpr int kFaceX = 11;
constexpr int kFaceY = 14;

// The rows his head takes from the top of his hair to his chin.
constexpr int kHeadRows = 19;

// A whole figure filling less than this part of the icon looks lost in a menu.
constexpr double kLeastFill = 0.75;

QRect OpaqueBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) != 0) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

// The start of a window of `length` pixels on the span [low, high): centred on the span when it
// holds all of it, otherwise around `centre` without leaving the span.
int Place(int centre, int length, int low, int high) {
  if (length >= high - low) return low - (length - (high - low)) / 2;
  return std::clamp(centre - length / 2, low, high - length);
}

QImage MerchantIcon(int size) {
  const QImage& merchant = tolmark::PictureImage(kMerchant);
  const QRect figure = OpaqueBounds(merchant);
  const int longest = std::max(figure.width(), figure.height());

  int scale = size / longest;
  if (scale == 0 || scale * longest < kLeastFill * size) ++scale;
  const int window = size / scale;  // picture pixels across the icon

  QRect part;
  if (window >= longest) {  // the whole figure, in the middle
    part = QRect(Place(0, window, figure.left(), figure.right() + 1),
                 Place(0, window, figure.top(), figure.bottom() + 1), window, window);
  } else {
    const int left = Place(kFaceX, window, figure.left(), figure.right() + 1);
    // Room for the whole head keeps his hair; less than that centres on the face.
    const int top = window >= kHeadRows
                        ? figure.top()
                        : Place(kFaceY, window, figure.top(), figure.top() + kHeadRows);
    part = QRect(left, top, window, window);
  }

  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  const int margin = (size - window * scale) / 2;
  for (int y = 0; y < window; ++y) {
    for (int x = 0; x < window; ++x) {
      const QPoint from(part.left() + x, part.top() + y);
      if (!merchant.valid(from)) continue;
      const QRgb pixel = merchant.pixel(from);
      if (qAlpha(pixel) == 0) continue;
      for (int dy = 0; dy < scale; ++dy) {
        auto* line = reinterpret_cast<QRgb*>(icon.scanLine(margin + y * scale + dy));
        std::fill_n(line + margin + x * scale, scale, pixel);
      }
    }
  }
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  const int size = argc == 3 ? std::atoi(argv[2]) : 0;
  if (size < 16 || size > 1024) {
    std::cerr << "usage: make-icon FILE SIZE (16 to 1024)\n";
    return 2;
  }
  if (!MerchantIcon(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::cerr << argv[1] << ": cannot be written\n";
    return 1;
  }
  return 0;
}
