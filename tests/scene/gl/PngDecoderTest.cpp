// PNG pictures become premultiplied RGBA with row 0 at the top; the stored ring picture keeps
// the alpha layout the scene relies on.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>

#include "assets/EmbeddedAssets.h"
#include "ui/PngDecoder.h"

namespace ui {
namespace {

std::vector<std::uint8_t> EncodePng(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return {bytes.begin(), bytes.end()};
}

TEST(DecodePng, PremultipliesAndKeepsTheTopRowFirst) {
  QImage image(2, 2, QImage::Format_RGBA8888);  // straight alpha
  image.setPixelColor(0, 0, QColor(255, 0, 0, 128));
  image.setPixelColor(1, 0, QColor(0, 255, 0, 255));
  image.setPixelColor(0, 1, QColor(0, 0, 255, 0));
  image.setPixelColor(1, 1, QColor(200, 100, 50, 51));
  const scene::TTextureImage picture = DecodePng(EncodePng(image));
  ASSERT_EQ(picture.Width, 2);
  ASSERT_EQ(picture.Height, 2);
  const struct {
    int x, y;
    std::uint8_t rgba[4];
  } cases[] = {{0, 0, {128, 0, 0, 128}},
               {1, 0, {0, 255, 0, 255}},
               {0, 1, {0, 0, 0, 0}},
               {1, 1, {40, 20, 10, 51}}};
  for (const auto& c : cases)
    for (int i = 0; i < 4; ++i)
      EXPECT_NEAR(picture.Pixel(c.x, c.y)[i], c.rgba[i], 1) << c.x << "," << c.y << " " << i;
}

TEST(DecodePng, RefusesWhatIsNotAPicture) {
  const std::uint8_t junk[] = {1, 2, 3, 4};
  EXPECT_TRUE(DecodePng(junk).IsEmpty());
  EXPECT_TRUE(DecodePng({}).IsEmpty());
}

TEST(DecodePng, GreyAndPalettePicturesBecomeOpaqueRgba) {
  QImage grey(3, 1, QImage::Format_Grayscale8);
  grey.setPixel(0, 0, qRgb(0, 0, 0));
  grey.setPixel(1, 0, qRgb(128, 128, 128));
  grey.setPixel(2, 0, qRgb(255, 255, 255));
  QImage palette = grey.convertToFormat(QImage::Format_Indexed8);
  for (const QImage& image : {grey, palette}) {
    const scene::TTextureImage picture = DecodePng(EncodePng(image));
    ASSERT_EQ(picture.Width, 3);
    EXPECT_TRUE(picture.Opaque);
    const std::uint8_t* middle = picture.Pixel(1, 0);
    EXPECT_EQ((std::array<int, 4>{middle[0], middle[1], middle[2], middle[3]}),
              (std::array<int, 4>{128, 128, 128, 255}));
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
