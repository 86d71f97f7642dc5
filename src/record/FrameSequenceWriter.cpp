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
  const std::string pending = FFolder.PathFor(name);
  try {
    // At the best quality, as a screenshot is saved.
    writer->Write(frame, *container, 1.0f, pending);
  } catch (const ui::EFileSystemError& e) {
    // The reason names the picture, not the hidden folder it waited in.
    std::string reason = e.what();
    if (const size_t at = reason.find(pending); at != std::string::npos)
      reason.replace(at, pending.size(), name);
    throw ui::EFileSystemError(reason);
  }
}

void TFrameSequenceWriter::Finish() {
  if (FSettings.StopRequested()) throw EClipStopped();
  FFolder.Commit();
}

}  // namespace record
