// The game's pictures as images ready to paint: the background colour turned see-through.
#pragma once

#include <QImage>

namespace tolmark {

// Picture 0..175 with every pixel of exactly the background colour made transparent, so that
// painting it over the canvas touches only the pixels of its shape. Built on first use.
const QImage& PictureImage(int picture);

// The game's icon: the merchant in crisp blocks, centred on a see-through square of that size.
QImage GameIcon(int size);

}  // namespace tolmark
