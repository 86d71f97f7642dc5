// Build step: packs generated PNG pictures into the program's texture form (raw RGBA in LZ4
// bands). With --reduce N each picture is first made N times smaller a side (each pixel the
// mean of an N x N block, weighted by alpha): the small copies the first frames draw with
// while the full textures are still being made.
// Usage: orvane_texture_pack [--reduce N] BAND_ROWS IN.png OUT.orvt [IN.png OUT.orvt ...]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "PngIo.h"
#include "assets/PackedTexture.h"

namespace {

// `image` made `factor` times smaller a side (its sides must divide by it). Colours are
// averaged weighted by their alpha, so that transparent pixels lend no colour to an edge.
assets::gen::TImage Reduced(const assets::gen::TImage& image, int factor) {
  assets::gen::TImage small(image.Width() / factor, image.Height() / factor);
  const unsigned count = static_cast<unsigned>(factor * factor);
  for (int y = 0; y < small.Height(); ++y)
    for (int x = 0; x < small.Width(); ++x) {
      unsigned weighted[3] = {0, 0, 0}, alpha = 0;
      for (int by = 0; by < factor; ++by) {
        const std::uint8_t* p = image.Row(y * factor + by) + x * factor * 4;
        for (int bx = 0; bx < factor; ++bx, p += 4) {
          for (int c = 0; c < 3; ++c)
            weighted[c] += p[c] * p[3];
          alpha += p[3];
        }
      }
      std::uint8_t* out = small.Row(y) + x * 4;
      for (int c = 0; c < 3; ++c)
        out[c] = static_cast<std::uint8_t>(alpha ? (weighted[c] + alpha / 2) / alpha : 0);
      out[3] = static_cast<std::uint8_t>((alpha + count / 2) / count);
    }
  return small;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1, factor = 1;
  if (argc > 2 && std::strcmp(argv[1], "--reduce") == 0) {
    factor = std::atoi(argv[2]);
    first = 3;
  }
  if (factor <= 0 || argc - first < 3 || (argc - first - 1) % 2 != 0) {
    std::fprintf(stderr, "usage: %s [--reduce N] BAND_ROWS IN.png OUT.orvt [IN.png OUT.orvt ...]\n",
                 argv[0]);
    return 2;
  }
  const int bandRows = std::atoi(argv[first]);
  if (bandRows <= 0) {
    std::fprintf(stderr, "%s: BAND_ROWS must be a positive number\n", argv[0]);
    return 2;
  }
  try {
    for (int i = first + 1; i + 1 < argc; i += 2) {
      assets::gen::TImage image = assets::gen::DecodePng(assets::gen::ReadFile(argv[i]));
      if (factor > 1) {
        if (image.Width() % factor || image.Height() % factor) {
          std::fprintf(stderr, "%s: %s: the sides do not divide by %d\n", argv[0], argv[i], factor);
          return 1;
        }
        image = Reduced(image, factor);
      }
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
