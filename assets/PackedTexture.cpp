#include "assets/PackedTexture.h"

#include <lz4.h>
#include <lz4hc.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace assets {
namespace {

std::uint32_t WordAt(std::span<const std::uint8_t> bytes, std::size_t index) {
  const std::uint8_t* p = bytes.data() + index * 4;
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void AppendWord(std::vector<std::uint8_t>& out, std::uint32_t word) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::uint8_t>(word >> (8 * i)));
}

// Pictures beyond this side are not ours (and would overflow a band's byte count).
constexpr std::uint32_t MaxSide = 1u << 15;

}  // namespace

std::optional<TPackedTexture> TPackedTexture::Open(std::span<const std::uint8_t> bytes) {
  const std::size_t words = bytes.size() / 4;
  if (words < PackedTextureHeaderWords || WordAt(bytes, 0) != PackedTextureMagic ||
      WordAt(bytes, 1) != PackedTextureVersion)
    return std::nullopt;
  const std::uint32_t width = WordAt(bytes, 2), height = WordAt(bytes, 3);
  const std::uint32_t bandRows = WordAt(bytes, 4), bandCount = WordAt(bytes, 5);
  if (width == 0 || height == 0 || width > MaxSide || height > MaxSide || bandRows == 0 ||
      bandRows > height || bandCount != (height + bandRows - 1) / bandRows)
    return std::nullopt;
  const std::size_t blocksAt = (PackedTextureHeaderWords + bandCount + 1) * std::size_t{4};
  if (bytes.size() < blocksAt) return std::nullopt;
  TPackedTexture texture;
  texture.FBlocks = bytes.subspan(blocksAt);
  texture.FOffsets.resize(bandCount + 1);
  for (std::uint32_t i = 0; i <= bandCount; ++i) {
    texture.FOffsets[i] = WordAt(bytes, PackedTextureHeaderWords + i);
    if ((i > 0 && texture.FOffsets[i] < texture.FOffsets[i - 1]) ||
        texture.FOffsets[i] > texture.FBlocks.size())
      return std::nullopt;
  }
  if (texture.FOffsets[0] != 0) return std::nullopt;
  texture.FWidth = static_cast<int>(width);
  texture.FHeight = static_cast<int>(height);
  texture.FBandRows = static_cast<int>(bandRows);
  texture.FBandCount = static_cast<int>(bandCount);
  texture.FOpaque = (WordAt(bytes, 6) & 1u) != 0;
  return texture;
}

int TPackedTexture::RowsIn(int band) const {
  if (band < 0 || band >= FBandCount) return 0;
  return std::min(FBandRows, FHeight - band * FBandRows);
}

bool TPackedTexture::ReadBand(int band, std::span<std::uint8_t> out) const {
  const int rows = RowsIn(band);
  const std::size_t size = static_cast<std::size_t>(rows) * FWidth * 4;
  if (rows == 0 || out.size() < size) return false;
  const std::uint32_t begin = FOffsets[band], end = FOffsets[band + 1];
  const int decompressed = LZ4_decompress_safe(
      reinterpret_cast<const char*>(FBlocks.data() + begin), reinterpret_cast<char*>(out.data()),
      static_cast<int>(end - begin), static_cast<int>(size));
  return decompressed >= 0 && static_cast<std::size_t>(decompressed) == size;
}

std::vector<std::uint8_t> PackTexture(std::span<const std::uint8_t> rgba, int width, int height,
                                      int bandRows, int level) {
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
  const int bandCount = (height + bandRows - 1) / bandRows;
  bool opaque = true;
  for (std::size_t i = 3; i < rgba.size(); i += 4)
    opaque = opaque && rgba[i] == 255;
  std::vector<std::uint8_t> blocks;
  std::vector<std::uint32_t> offsets{0};
  std::vector<char> block;
  for (int band = 0; band < bandCount; ++band) {
    const int rows = std::min(bandRows, height - band * bandRows);
    const int size = static_cast<int>(rows * rowBytes);
    block.resize(static_cast<std::size_t>(LZ4_compressBound(size)));
    const int packed =
        LZ4_compress_HC(reinterpret_cast<const char*>(rgba.data() + band * bandRows * rowBytes),
                        block.data(), size, static_cast<int>(block.size()), level);
    blocks.insert(blocks.end(), block.begin(), block.begin() + packed);
    offsets.push_back(static_cast<std::uint32_t>(blocks.size()));
  }
  std::vector<std::uint8_t> out;
  for (std::uint32_t word :
       {PackedTextureMagic, PackedTextureVersion, static_cast<std::uint32_t>(width),
        static_cast<std::uint32_t>(height), static_cast<std::uint32_t>(bandRows),
        static_cast<std::uint32_t>(bandCount), opaque ? 1u : 0u})
    AppendWord(out, word);
  for (std::uint32_t offset : offsets)
    AppendWord(out, offset);
  out.insert(out.end(), blocks.begin(), blocks.end());
  return out;
}

}  // namespace assets
