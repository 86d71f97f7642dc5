// Writes a recording's frames into its clip: a video, an animated GIF or numbered pictures.
//
// Frames are added in order, each an opaque picture of the clip's size; Finish completes the
// clip and puts it in its place. Until then an existing file of the target's name stays as it
// was, and a writer destroyed without Finish (an error, a stop) leaves nothing behind.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "record/ClipFormat.h"
#include "scene/render/TextureImage.h"

namespace record {

struct TClipSettings {
  std::string File;  // UTF-8; for a sequence the pattern of the pictures' names
  TClipFormat Format = TClipFormat::Mp4;
  int Width = 0, Height = 0;  // pixels
  int FramesPerSecond = 30;   // the frames' rate in the clip
  long FrameCount = 0;        // how many frames will be added
  // Asked between long steps of Finish; true makes it give up with EClipStopped.
  std::function<bool()> StopRequested = [] { return false; };
};

// The encoder failed (the message says how); the system's refusals raise ui::EFileSystemError.
class EClipEncodingFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Finish gave up because StopRequested said so.
class EClipStopped : public std::runtime_error {
 public:
  EClipStopped() : std::runtime_error("The recording was stopped.") {}
};

class IClipWriter {
 public:
  virtual ~IClipWriter() = default;
  // `frame`: premultiplied RGBA, opaque, row 0 at the top, of the settings' size.
  virtual void AddFrame(const scene::TTextureImage& frame) = 0;
  virtual void Finish() = 0;
};

// A writer for `settings.Format`, its pending file already made beside the target (so an
// unwritable folder is found before any frame is drawn).
std::unique_ptr<IClipWriter> OpenClipWriter(const TClipSettings& settings);

}  // namespace record
