#include "record/FrameSequenceWriter.h"

#include "ui/files/ImageFileWriter.h"

namespace record {

TFrameSequenceWriter::TFrameSequenceWriter(const TClipSettings& settings)
    : FSettings(settings), FFolder(settings.File) {}

void TFrameSequenceWriter::AddFrame(const scene::TTextureImage& frame) {
  const std::string name = FrameFileName(FSettings.File, FNextFrame++);
  ui::IImageFileWriter* writer = scene::TService<ui::IImageFileWriter>::Get();
  const std::optional<ui::TImageContainer> container = ui::ContainerForFile(name);
  if (!writer || !container) throw ui::EBitmapSavingFailed();
  // At the best quality, as a screenshot is saved.
  writer->Write(frame, *container, 1.0f, FFolder.PathFor(name));
}

void TFrameSequenceWriter::Finish() {
  if (FSettings.StopRequested()) throw EClipStopped();
  FFolder.Commit();
}

}  // namespace record
