// Saves one picture as a BMP file over and over under the name given, writing one byte to its
// standard output after each whole save, until it is killed: the image files test kills it
// part-way through a save.
#include <QCoreApplication>
#include <cstdio>

#include "ui/files/BitmapCodecs.h"
#include "ui/qt/QtImageFileWriter.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  QCoreApplication application(argc, argv);
  scene::TTextureImage picture(1200, 800);
  for (int y = 0; y < picture.Height; ++y)
    for (int x = 0; x < picture.Width; ++x) {
      std::uint8_t* p = picture.Pixel(x, y);
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y);
      p[2] = static_cast<std::uint8_t>(x ^ y);
      p[3] = 255;
    }
  ui::qt::TQtImageFileWriter writer;
  for (;;) {
    writer.Write(picture, ui::TImageContainer::Bmp, std::nullopt, argv[1]);
    std::fputc('s', stdout);
    std::fflush(stdout);
  }
}
