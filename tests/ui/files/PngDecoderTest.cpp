// PNG pictures become premultiplied RGBA with row 0 at the top, whatever their stored layout;
// the stored ring picture keeps the alpha layout the scene relies on.
#include <gtest/gtest.h>

#include <png.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdint>
#include <vector>

#include "assets/EmbeddedAssets.h"
#include "ui/files/PngDecoder.h"

namespace ui {
namespace {

// A small picture as libpng stores it: 8-bit samples, row after row, in the channels of its
// colour type (an index per pixel for a palette picture).
struct TStoredPicture {
  int Width, Height;
  int ColorType;  // PNG_COLOR_TYPE_...
  std::vector<std::uint8_t> Samples;
  std::vector<png_color> Palette = {};
  std::vector<png_byte> PaletteAlpha = {};  // tRNS: the alpha of the first palette entries
  int Interlace = PNG_INTERLACE_NONE;
};

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* file = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  file->insert(file->end(), data, data + length);
}

// libpng reports errors by a long jump, which must not cross C++ objects: the caller owns
// every buffer.
bool WritePng(png_structp png, png_infop info, const TStoredPicture& picture,
              std::vector<std::uint8_t>* file, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, file, AppendBytes, nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width),
               static_cast<png_uint_32>(picture.Height), 8, picture.ColorType, picture.Interlace,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!picture.Palette.empty())
    png_set_PLTE(png, info, picture.Palette.data(), static_cast<int>(picture.Palette.size()));
  if (!picture.PaletteAlpha.empty())
    png_set_tRNS(png, info, picture.PaletteAlpha.data(),
                 static_cast<int>(picture.PaletteAlpha.size()), nullptr);
  png_set_rows(png, info, rows);
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  return true;
}

std::vector<std::uint8_t> EncodePng(const TStoredPicture& picture) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  const size_t stride = picture.Samples.size() / static_cast<size_t>(picture.Height);
  std::vector<png_bytep> rows;
  for (int y = 0; y < picture.Height; ++y)
    rows.push_back(const_cast<png_bytep>(picture.Samples.data()) + y * stride);
  std::vector<std::uint8_t> file;
  const bool written = WritePng(png, info, picture, &file, rows.data());
  png_destroy_write_struct(&png, &info);
  EXPECT_TRUE(written);
  return file;
}

std::array<int, 4> Rgba(const scene::TTextureImage& picture, int x, int y) {
  const std::uint8_t* p = picture.Pixel(x, y);
  return {p[0], p[1], p[2], p[3]};
}

TEST(DecodePng, PremultipliesAndKeepsTheTopRowFirst) {
  const struct {
    int x, y;
    std::uint8_t rgba[4];
  } cases[] = {{0, 0, {128, 0, 0, 128}},
               {1, 0, {0, 255, 0, 255}},
               {0, 1, {0, 0, 0, 0}},
               {1, 1, {40, 20, 10, 51}}};
  // Straight alpha, as stored; an interlaced picture arrives in passes and is premultiplied
  // once, after the last.
  const std::vector<std::uint8_t> straight = {255, 0, 0,   128, 0,   255, 0,  255,  // row 0
                                              0,   0, 255, 0,   200, 100, 50, 51};  // row 1
  for (int interlace : {PNG_INTERLACE_NONE, PNG_INTERLACE_ADAM7}) {
    SCOPED_TRACE(interlace == PNG_INTERLACE_NONE ? "not interlaced" : "interlaced");
    const scene::TTextureImage picture =
        DecodePng(EncodePng({2, 2, PNG_COLOR_TYPE_RGB_ALPHA, straight, {}, {}, interlace}));
    ASSERT_EQ(picture.Width, 2);
    ASSERT_EQ(picture.Height, 2);
    EXPECT_FALSE(picture.Opaque);
    for (const auto& c : cases)
      for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(picture.Pixel(c.x, c.y)[i], c.rgba[i], 1) << c.x << "," << c.y << " " << i;
  }
}

TEST(DecodePng, RefusesWhatIsNotAPicture) {
  const std::uint8_t junk[] = {1, 2, 3, 4};
  EXPECT_TRUE(DecodePng(junk).IsEmpty());
  EXPECT_TRUE(DecodePng({}).IsEmpty());
  // A true signature and header whose picture data is cut off.
  std::vector<std::uint8_t> cut = EncodePng({2, 1, PNG_COLOR_TYPE_GRAY, {10, 20}});
  cut.resize(cut.size() / 2);
  EXPECT_TRUE(DecodePng(cut).IsEmpty());
}

TEST(DecodePng, GreyAndPalettePicturesBecomeRgba) {
  const std::vector<png_color> greys = {{0, 0, 0}, {128, 128, 128}, {255, 255, 255}};
  const struct {
    const char* layout;
    TStoredPicture picture;
    bool opaque;
    std::array<int, 4> middle;
  } cases[] = {
      {"grey", {3, 1, PNG_COLOR_TYPE_GRAY, {0, 128, 255}}, true, {128, 128, 128, 255}},
      {"palette", {3, 1, PNG_COLOR_TYPE_PALETTE, {0, 1, 2}, greys}, true, {128, 128, 128, 255}},
      {"grey and alpha",
       {3, 1, PNG_COLOR_TYPE_GRAY_ALPHA, {0, 255, 128, 128, 255, 255}},
       false,
       {64, 64, 64, 128}},
      {"palette with alpha",
       {3, 1, PNG_COLOR_TYPE_PALETTE, {0, 1, 2}, greys, {255, 128}},
       false,
       {64, 64, 64, 128}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout);
    const scene::TTextureImage picture = DecodePng(EncodePng(c.picture));
    ASSERT_EQ(picture.Width, 3);
    ASSERT_EQ(picture.Height, 1);
    EXPECT_EQ(picture.Opaque, c.opaque);
    EXPECT_EQ(Rgba(picture, 1, 0), c.middle);
    EXPECT_EQ(Rgba(picture, 2, 0), (std::array<int, 4>{255, 255, 255, 255}));
  }
}

TEST(DecodePng, StoredRingsCarryTheirShapeInAlpha) {
  const scene::TTextureImage rings = DecodePng(assets::EmbeddedImage(assets::TAssetId::Rings));
  ASSERT_EQ(rings.Width, 2048);
  ASSERT_EQ(rings.Height, 2048);
  int highest = 0;
  bool premultiplied = true;
  for (int y = 0; y < 2048; ++y)
    for (int x = 0; x < 2048; ++x) {
      const std::uint8_t* p = rings.Pixel(x, y);
      highest = std::max<int>(highest, p[3]);
      premultiplied = premultiplied && p[0] <= p[3] && p[1] <= p[3] && p[2] <= p[3];
    }
  EXPECT_EQ(highest, 189);
  EXPECT_TRUE(premultiplied);
  // Along a radius: the clear gap, the rings, the clear circle at 1000 and 1001 pixels.
  const struct {
    int radius;
    bool clear;
  } cases[] = {{0, true}, {465, true}, {530, true}, {700, false}, {1000, true}, {1001, true}};
  for (const auto& c : cases)
    EXPECT_EQ(rings.Pixel(1024 + c.radius, 1024)[3] == 0, c.clear) << c.radius;
}

}  // namespace
}  // namespace ui
