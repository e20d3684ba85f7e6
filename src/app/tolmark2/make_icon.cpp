// make-icon FILE SIZE: writes the game's icon (the merchant) as a SIZE x SIZE PNG, for the
// desktop's menus; run by the build.
#include <QImage>
#include <cstdlib>
#include <iostream>

#include "qt/picture_images.h"

int main(int argc, char** argv) {
  const int size = argc == 3 ? std::atoi(argv[2]) : 0;
  if (size < 16 || size > 1024) {
    std::cerr << "usage: make-icon FILE SIZE (16 to 1024)\n";
    return 2;
  }
  if (!tolmark::GameIcon(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::cerr << argv[1] << ": cannot be written\n";
    return 1;
  }
  return 0;
}
