#include "ui/qt/QtImageFileWriter.h"

#include <gif_lib.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace ui::qt {

namespace {

const char* FormatName(TImageContainer container) {
  switch (container) {
    case TImageContainer::Bmp:
      return "bmp";
    case TImageContainer::Jpeg:
      return "jpeg";
    case TImageContainer::Tiff:
      return "tiff";
    case TImageContainer::Png:
    case TImageContainer::Gif:
      break;
  }
  return "png";
}

struct TGifSink {
  QIODevice* Device;
  bool Failed = false;
};

int WriteGifBytes(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* sink = static_cast<TGifSink*>(gif->UserData);
  if (sink->Device->write(reinterpret_cast<const char*>(bytes), length) != length) {
    sink->Failed = true;
    return 0;
  }
  return length;
}

// JPEG has no alpha: the picture drawn over black, as its premultiplied pixels show it.
QImage OverBlack(const QImage& image) {
  QImage opaque(image.size(), QImage::Format_RGB32);
  opaque.fill(Qt::black);
  QPainter painter(&opaque);
  painter.drawImage(0, 0, image);
  return opaque;
}

}  // namespace

bool WriteGif(const QImage& picture, QIODevice& device) {
  // Premultiplied pixels without their alpha are the picture drawn over black.
  const QImage rgb = picture.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
  const int width = rgb.width(), height = rgb.height();
  if (width <= 0 || height <= 0 || width > 65535 || height > 65535) return false;
  const size_t count = static_cast<size_t>(width) * height;
  std::vector<GifByteType> red(count), green(count), blue(count), indices(count);
  for (int y = 0; y < height; ++y) {
    const uchar* row = rgb.constScanLine(y);
    for (int x = 0; x < width; ++x) {
      const size_t i = static_cast<size_t>(y) * width + x;
      red[i] = row[4 * x];
      green[i] = row[4 * x + 1];
      blue[i] = row[4 * x + 2];
    }
  }
  int colourCount = 256;
  std::vector<GifColorType> colours(256);
  if (GifQuantizeBuffer(width, height, &colourCount, red.data(), green.data(), blue.data(),
                        indices.data(), colours.data()) == GIF_ERROR)
    return false;
  // The colour table's size must be a power of two: the unused entries stay black.
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  if (!map) return false;
  TGifSink sink{&device};
  int error = 0;
  GifFileType* gif = EGifOpen(&sink, WriteGifBytes, &error);
  if (!gif) {
    GifFreeMapObject(map);
    return false;
  }
  bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < height; ++y)
    ok = EGifPutLine(gif, &indices[static_cast<size_t>(y) * width], width) == GIF_OK;
  if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
  GifFreeMapObject(map);
  return ok && !sink.Failed;
}

void TQtImageFileWriter::Write(const scene::TTextureImage& picture, TImageContainer container,
                               std::optional<float> quality, const std::string& path) {
  if (picture.IsEmpty()) throw EBitmapSavingFailed();
  const QImage image(picture.Pixels.data(), picture.Width, picture.Height, picture.Width * 4,
                     QImage::Format_RGBA8888_Premultiplied);
  QSaveFile file(QString::fromStdString(path));
  // The system's reason: Qt's text for it, or, where Qt kept none (a refused write), the
  // system's own text for the failed call's error number.
  const auto refused = [&](const char* doing) {
    const int number = errno;
    std::string reason = file.errorString().toStdString();
    if (number != 0 && (reason.empty() || reason == "Unknown error"))
      reason = std::strerror(number);
    return EFileSystemError(std::string(doing) + " \"" + path + "\": " + reason);
  };
  if (!file.open(QIODevice::WriteOnly)) throw refused("Cannot create");
  // Encoded in memory first: the encoders need not notice a failing disk, the write below does.
  QBuffer encoded;
  encoded.open(QIODevice::WriteOnly);
  bool written = false;
  if (container == TImageContainer::Gif) {
    written = WriteGif(image, encoded);
  } else {
    QImageWriter writer(&encoded, FormatName(container));
    if (quality) writer.setQuality(qRound(std::clamp(*quality, 0.0f, 1.0f) * 100));
    written = writer.write(container == TImageContainer::Jpeg ? OverBlack(image) : image);
  }
  // Without a commit the new file is removed and the target stays as it was.
  if (!written) throw EBitmapSavingFailed();
  const QByteArray& bytes = encoded.data();
  errno = 0;
  if (file.write(bytes) != bytes.size() || !file.flush()) throw refused("Cannot write");
  if (!file.commit()) throw refused("Cannot write");
}

}  // namespace ui::qt
