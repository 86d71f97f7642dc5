// The program's packed textures hold exactly the generated pictures' pixels, band by band, and
// a damaged or truncated pack is refused rather than read past its end.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "assets/EmbeddedAssets.h"
#include "assets/PackedTexture.h"

namespace {

using assets::TAssetId;
using assets::TPackedTexture;

// The PNG's pixels as 8-bit straight RGBA, through libpng's simplified reader.
std::vector<std::uint8_t> PngPixels(std::span<const std::uint8_t> png, int& width, int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  return pixels;
}

class TPackedScenePicture : public testing::TestWithParam<int> {};

TEST_P(TPackedScenePicture, HoldsThePngsPixelsBandByBand) {
  const auto id = static_cast<TAssetId>(GetParam());
  int width = 0, height = 0;
  const std::vector<std::uint8_t> expected = PngPixels(assets::EmbeddedImage(id), width, height);
  ASSERT_FALSE(expected.empty());
  const auto packed = TPackedTexture::Open(assets::EmbeddedPackedTexture(id));
  ASSERT_TRUE(packed);
  EXPECT_EQ(packed->Width(), width);
  EXPECT_EQ(packed->Height(), height);
  EXPECT_EQ(packed->Opaque(), id != TAssetId::Rings);
  std::vector<std::uint8_t> band(static_cast<std::size_t>(packed->BandRows()) * width * 4);
  std::size_t at = 0;
  for (int i = 0; i < packed->BandCount(); ++i) {
    ASSERT_TRUE(packed->ReadBand(i, band)) << "band " << i;
    const std::size_t size = static_cast<std::size_t>(packed->RowsIn(i)) * width * 4;
    ASSERT_TRUE(std::equal(band.begin(), band.begin() + size, expected.begin() + at))
        << "band " << i;
    at += size;
  }
  EXPECT_EQ(at, expected.size());
}

INSTANTIATE_TEST_SUITE_P(Embedded, TPackedScenePicture,
                         testing::Range(0, static_cast<int>(TAssetId::About)),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(assets::AssetName(static_cast<TAssetId>(info.param)));
                         });

// A 5 x 7 picture in bands of 3 rows (3, 3, 1) with one translucent pixel.
std::vector<std::uint8_t> SmallPicture() {
  std::vector<std::uint8_t> rgba(5 * 7 * 4);
  for (std::size_t i = 0; i < rgba.size(); ++i)
    rgba[i] = static_cast<std::uint8_t>(i % 4 == 3 ? 255 : i * 7);
  rgba[4 * 12 + 3] = 128;
  return rgba;
}

TEST(PackedTexture, PacksAndReadsBackAPictureWithAShortLastBand) {
  const std::vector<std::uint8_t> rgba = SmallPicture();
  const std::vector<std::uint8_t> bytes = assets::PackTexture(rgba, 5, 7, 3, 9);
  const auto packed = TPackedTexture::Open(bytes);
  ASSERT_TRUE(packed);
  EXPECT_FALSE(packed->Opaque());
  ASSERT_EQ(packed->BandCount(), 3);
  EXPECT_EQ(packed->RowsIn(2), 1);
  std::vector<std::uint8_t> out(3 * 5 * 4), whole;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(packed->ReadBand(i, out));
    whole.insert(whole.end(), out.begin(), out.begin() + packed->RowsIn(i) * 5 * 4);
  }
  EXPECT_EQ(whole, rgba);
  // Out of range, or a buffer too small for the band.
  EXPECT_FALSE(packed->ReadBand(3, out));
  EXPECT_FALSE(packed->ReadBand(-1, out));
  EXPECT_FALSE(packed->ReadBand(0, std::span(out).first(10)));
}

TEST(PackedTexture, RefusesDamagedPacks) {
  const std::vector<std::uint8_t> good = assets::PackTexture(SmallPicture(), 5, 7, 3, 9);
  struct TDamage {
    const char* What;
    std::size_t At;  // byte to change, or the size to cut to when Cut
    std::uint8_t Value;
    bool Cut;
  };
  const TDamage damages[] = {
      {"empty", 0, 0, true},
      {"cut inside the header", 20, 0, true},
      {"cut inside the offsets", 36, 0, true},
      {"wrong magic", 0, 'X', false},
      {"wrong version", 4, 2, false},
      {"zero width", 8, 0, false},
      {"band count not matching the rows", 20, 9, false},
      {"an offset past the end", 32, 0xFF, false},
  };
  for (const TDamage& d : damages) {
    SCOPED_TRACE(d.What);
    std::vector<std::uint8_t> bytes = good;
    if (d.Cut)
      bytes.resize(d.At);
    else
      bytes[d.At] = d.Value;
    EXPECT_FALSE(TPackedTexture::Open(bytes));
  }
  // A pack cut inside its blocks: its last offset lies past the end.
  EXPECT_FALSE(TPackedTexture::Open(std::span(good).first(good.size() - 1)));
  // A block whose bytes are damaged does not decompress to its band's size.
  std::vector<std::uint8_t> garbled = good;
  const std::size_t blocksAt = (assets::PackedTextureHeaderWords + 4) * 4;
  for (std::size_t i = blocksAt; i < garbled.size(); ++i)
    garbled[i] = 0xFF;
  const auto packed = TPackedTexture::Open(garbled);
  ASSERT_TRUE(packed);
  std::vector<std::uint8_t> out(3 * 5 * 4);
  for (int i = 0; i < packed->BandCount(); ++i)
    EXPECT_FALSE(packed->ReadBand(i, out)) << "band " << i;
}

}  // namespace
