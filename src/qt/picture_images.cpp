// One image per picture, converted once from the built-in bitmaps.
#include "qt/picture_images.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <optional>

#include "art/pictures.h"

namespace tolmark {

const QImage& PictureImage(int picture) {
  static std::array<std::optional<QImage>, kPictureCount> cache;
  static const QImage none;
  if (picture < 0 || picture >= kPictureCount) return none;
  auto& slot = cache[static_cast<std::size_t>(picture)];
  if (!slot) {
    const PictureBitmap& bitmap = PictureBitmapOf(picture);
    QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < bitmap.height; ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < bitmap.width; ++x) {
        const std::uint32_t rgb = bitmap.At(x, y);
        line[x] = rgb == kBackgroundRgb ? 0u : (0xFF000000u | rgb);
      }
    }
    slot = std::move(image);
  }
  return *slot;
}

QImage GameIcon(int size) {
  constexpr int kMerchant = 57;
  const QImage& merchant = PictureImage(kMerchant);
  const int scale = std::max(1, size / std::max(merchant.width(), merchant.height()));
  const QImage enlarged =
      merchant.scaled(merchant.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.drawImage((size - enlarged.width()) / 2, (size - enlarged.height()) / 2, enlarged);
  return icon;
}

}  // namespace tolmark
