// Build step: packs generated PNG pictures into the program's texture form (raw RGBA in LZ4
// bands). Usage: orvane_texture_pack BAND_ROWS IN.png OUT.orvt [IN.png OUT.orvt ...]
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "PngIo.h"
#include "assets/PackedTexture.h"

int main(int argc, char** argv) {
  if (argc < 4 || (argc - 2) % 2 != 0) {
    std::fprintf(stderr, "usage: %s BAND_ROWS IN.png OUT.orvt [IN.png OUT.orvt ...]\n", argv[0]);
    return 2;
  }
  const int bandRows = std::atoi(argv[1]);
  if (bandRows <= 0) {
    std::fprintf(stderr, "%s: BAND_ROWS must be a positive number\n", argv[0]);
    return 2;
  }
  try {
    for (int i = 2; i + 1 < argc; i += 2) {
      const assets::gen::TImage image = assets::gen::DecodePng(assets::gen::ReadFile(argv[i]));
      // High compression: packing runs once per build, unpacking at every start.
      constexpr int Level = 9;
      assets::gen::WriteFile(argv[i + 1],
                             assets::PackTexture(image.Pixels(), image.Width(), image.Height(),
                                                 std::min(bandRows, image.Height()), Level));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
    return 1;
  }
  return 0;
}
