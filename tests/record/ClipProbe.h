// What a test reads back from a clip, with the libraries a player would use: FFmpeg's decoders
// for videos, giflib for GIFs.
#pragma once

#include <string>
#include <vector>

namespace record::test {

struct TVideoFacts {
  std::string Error;                          // why the file could not be read; empty when it could
  std::string Container, Codec, PixelFormat;  // "mov,mp4,...", "h264", "yuv420p"
  int Width = 0, Height = 0;
  int FramesDecoded = 0;
  double FramesPerSecond = 0;
  // The first decoded frame as RGB, 3 bytes a pixel, row by row.
  std::vector<unsigned char> FirstFrameRgb;
};
TVideoFacts ReadVideo(const std::string& path);

struct TGifFacts {
  std::string Error;
  int Width = 0, Height = 0;
  int Frames = 0;
  bool GlobalPalette = false;
  int FramesWithTheirOwnPalette = 0;
  int DelaySum = 0;    // hundredths of a second
  bool Loops = false;  // a NETSCAPE2.0 loop
  // Each frame composed over the ones before (as a viewer shows it), as palette indices.
  std::vector<std::vector<unsigned char>> Pictures;
};
TGifFacts ReadGif(const std::string& path);

}  // namespace record::test
