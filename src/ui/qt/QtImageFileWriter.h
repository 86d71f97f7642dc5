// The image file writer on Qt: Qt's image writers for BMP, JPEG, PNG and TIFF (TIFF from the
// image formats plugin), giflib for GIF. The picture goes through a QSaveFile, which writes a
// new file beside the target and puts it in the target's place only once everything was
// written.
#pragma once

#include "ui/files/ImageFileWriter.h"

class QIODevice;
class QImage;

namespace ui::qt {

class TQtImageFileWriter : public IImageFileWriter {
 public:
  void Write(const scene::TTextureImage& picture, TImageContainer container,
             std::optional<float> quality, const std::string& path) override;
};

// Writes `picture` as a GIF of 256 colours or fewer (giflib's median-cut quantisation, drawn
// over black where it is transparent); false when giflib or the device failed.
bool WriteGif(const QImage& picture, QIODevice& device);

}  // namespace ui::qt
