// Video clips through FFmpeg's libraries: H.264 in MP4 (4:2:0, with its index at the start so
// that a browser plays it while it loads) and VP9 in WebM. The frames are converted to the
// encoder's YUV by libswscale and encoded on the encoder's own threads.
#pragma once

#include <memory>

#include "record/ClipWriter.h"
#include "record/PendingFile.h"

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

namespace record {

class TVideoFileWriter : public IClipWriter {
 public:
  // Mp4 or WebM. Raises EClipEncodingFailed when the encoder is missing or refuses the
  // settings, ui::EFileSystemError when the pending file cannot be made.
  explicit TVideoFileWriter(const TClipSettings& settings);
  ~TVideoFileWriter() override;

  void AddFrame(const scene::TTextureImage& frame) override;
  void Finish() override;

 private:
  // Makes the container, the encoder, the frame and the scaler, and writes the header.
  void Open();
  // Frees what Open made (the pending file stays with FFile).
  void Release();
  // Sends `frame` (null: the end) to the encoder and writes every packet it gives back.
  void Encode(const AVFrame* frame);
  [[noreturn]] void Fail(const char* doing, int error);

  TClipSettings FSettings;
  TPendingFile FFile;
  AVFormatContext* FFormat = nullptr;
  AVCodecContext* FCodec = nullptr;
  AVStream* FStream = nullptr;
  AVFrame* FFrame = nullptr;
  AVPacket* FPacket = nullptr;
  SwsContext* FScaler = nullptr;
  long FNextFrame = 0;
};

}  // namespace record
