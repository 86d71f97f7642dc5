#include "record/ClipWriter.h"

#include "record/FrameSequenceWriter.h"
#include "record/GifClipWriter.h"
#include "record/VideoFileWriter.h"

namespace record {

std::unique_ptr<IClipWriter> OpenClipWriter(const TClipSettings& settings) {
  switch (settings.Format) {
    case TClipFormat::Gif:
      return std::make_unique<TGifClipWriter>(settings);
    case TClipFormat::FrameSequence:
      return std::make_unique<TFrameSequenceWriter>(settings);
    case TClipFormat::Mp4:
    case TClipFormat::WebM:
      break;
  }
  return std::make_unique<TVideoFileWriter>(settings);
}

}  // namespace record
