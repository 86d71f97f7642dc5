// Animated GIFs through giflib, with one palette for the whole clip, so that no colour
// changes from one frame to the next (a palette per frame makes a clip flicker).
//
// The palette can only be chosen once every frame is known: each frame is kept meanwhile as
// 15-bit colours (the five upper bits per channel that giflib's quantiser looks at), packed
// with LZ4 in an unnamed temporary file, and counted in one histogram. Finish cuts the
// histogram into 256 colours with giflib's median cut and writes the frames through it; from
// the second frame on only the rectangle that changed, the rest kept from the frame before.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "record/ClipWriter.h"
#include "record/PendingFile.h"

namespace record {

class TGifClipWriter : public IClipWriter {
 public:
  explicit TGifClipWriter(const TClipSettings& settings);
  ~TGifClipWriter() override;

  void AddFrame(const scene::TTextureImage& frame) override;
  void Finish() override;

  // The delay before frame `index` gives way to the next, in hundredths of a second, for a
  // clip of `framesPerSecond`: rounded so that the delays of the first n frames add up to
  // n / framesPerSecond seconds, rounded.
  static int FrameDelay(long index, int framesPerSecond);

 private:
  static constexpr int ColourCount = 1 << 15;
  // The palette's index for each 15-bit colour of the clip.
  std::vector<std::uint8_t> CutPalette(std::vector<std::uint8_t>& palette);

  TClipSettings FSettings;
  TPendingFile FFile;
  std::FILE* FSpool = nullptr;
  std::array<std::uint64_t, ColourCount> FHistogram{};
  std::vector<std::uint16_t> FColours;
  std::vector<char> FPacked;
  long FFrames = 0;
};

}  // namespace record
