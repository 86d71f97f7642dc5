// PNG encoding and decoding through libpng. Pictures are stored as 8-bit RGBA, non-interlaced,
// marked sRGB (with the matching gAMA 1/2.2 and cHRM chunks for readers that ignore sRGB).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Image.h"

namespace assets::gen {

struct TPngOptions {
  int Level = 6;           // zlib compression level 0..9
  int Filters = -1;        // PNG_FILTER_* mask; -1 lets libpng pick per row (all five filters)
  int Strategy = -1;       // zlib strategy; -1 keeps libpng's default
  bool MarkSrgb = true;    // write sRGB + gAMA + cHRM
  bool DropAlpha = false;  // store RGB only (for opaque pictures outside the program)
};

// The options the build uses for the embedded images (chosen by measuring decode time).
TPngOptions ShippedPngOptions();

std::vector<std::uint8_t> EncodePng(const TImage& image, const TPngOptions& options);
// Decodes any PNG to 8-bit straight RGBA; throws std::runtime_error on bad data.
TImage DecodePng(std::span<const std::uint8_t> data);

void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> ReadFile(const std::string& path);

}  // namespace assets::gen
