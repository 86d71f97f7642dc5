// Writes a picture into an image file: the platform's encoders behind one call.
//
// A writer replaces a file only once the whole picture is written: it writes to a new file
// beside the target and puts it in the target's place at the end, so a save that fails
// part-way (a full disk, an encoder error) leaves an existing file of that name as it was and
// no partial file behind. An existing file is replaced without a question.
//
// The program installs its writer for the whole process; tests install their own. With none
// installed nothing can be saved.
#pragma once

#include <optional>
#include <string>

#include "scene/render/TextureImage.h"
#include "scene/service/Service.h"
#include "ui/files/BitmapCodecs.h"

namespace ui {

class IImageFileWriter {
 public:
  virtual ~IImageFileWriter() = default;
  // Writes `picture` (premultiplied RGBA, row 0 at the top) to `path` (UTF-8) as `container`;
  // `quality` 0 to 1 when asked for (1 the best; containers without a quality ignore it).
  // Raises EFileSystemError when the file cannot be made there, EBitmapSavingFailed when the
  // encoder or the writing fails.
  virtual void Write(const scene::TTextureImage& picture, TImageContainer container,
                     std::optional<float> quality, const std::string& path) = 0;
};

}  // namespace ui
