#include "ui/paint/Bitmap.h"

#include "ui/files/BitmapCodecs.h"
#include "ui/files/ImageFileWriter.h"

namespace ui {

void TBitmap::SaveToFile(const std::string& path, const TBitmapCodecSaveParams* params) const {
  const std::optional<TImageContainer> container = ContainerForFile(path);
  IImageFileWriter* writer = scene::TService<IImageFileWriter>::Get();
  if (!container || !writer) throw EBitmapSavingFailed();
  std::optional<float> quality;
  if (params) quality = static_cast<float>(params->Quality) / 100.0f;
  writer->Write(FImage, *container, quality, path);
}

}  // namespace ui
