// The scene's textures as the program carries them: raw 8-bit RGBA (straight alpha, row 0 at
// the top) in bands of rows, each band an independent LZ4 block. A band decompresses at memory
// speed straight into a small buffer, so a texture reaches the graphics device band by band
// without a whole decoded copy ever existing, and bands may be read on any thread.
//
// Layout (little-endian 32-bit words): "ORVT", version 1, width, height, rows per band, band
// count, flags (bit 0: every alpha is 255), then band count + 1 offsets of the blocks from the
// first block (the last one is the end), then the blocks.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace assets {

inline constexpr std::uint32_t PackedTextureMagic = 0x5456524F;  // "ORVT"
inline constexpr std::uint32_t PackedTextureVersion = 1;
inline constexpr int PackedTextureHeaderWords = 7;

class TPackedTexture {
 public:
  // The packed texture in `bytes` (which must outlive it), or nothing when the header, the
  // offsets or the sizes are not those of a well-formed one.
  static std::optional<TPackedTexture> Open(std::span<const std::uint8_t> bytes);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int BandRows() const { return FBandRows; }
  int BandCount() const { return FBandCount; }
  bool Opaque() const { return FOpaque; }
  // Rows in `band` (BandRows, fewer in the last band).
  int RowsIn(int band) const;

  // Decompresses `band` into `out` (RowsIn(band) * Width * 4 bytes); false when the band is
  // out of range, `out` is too small or the block does not decompress to exactly that size.
  bool ReadBand(int band, std::span<std::uint8_t> out) const;

 private:
  std::span<const std::uint8_t> FBlocks;
  std::vector<std::uint32_t> FOffsets;
  int FWidth = 0, FHeight = 0, FBandRows = 0, FBandCount = 0;
  bool FOpaque = false;
};

// Packs a straight RGBA picture (Width * Height * 4 bytes) in bands of `bandRows` rows at LZ4's
// high-compression `level`: what the build does to the generated pictures.
std::vector<std::uint8_t> PackTexture(std::span<const std::uint8_t> rgba, int width, int height,
                                      int bandRows, int level);

}  // namespace assets
