// Numbered pictures, one file a frame ("f-%03d.png": f-000.png, f-001.png, ...), each saved as
// a screenshot of that format is, through the installed image file writer. They are written
// into a hidden folder beside them and moved in together when the last is written, so a
// recording that stops early leaves no pictures behind and replaces none.
#pragma once

#include "record/ClipWriter.h"
#include "record/PendingFile.h"

namespace record {

class TFrameSequenceWriter : public IClipWriter {
 public:
  explicit TFrameSequenceWriter(const TClipSettings& settings);

  void AddFrame(const scene::TTextureImage& frame) override;
  void Finish() override;

 private:
  TClipSettings FSettings;
  TPendingFolder FFolder;
  long FNextFrame = 0;
};

}  // namespace record
