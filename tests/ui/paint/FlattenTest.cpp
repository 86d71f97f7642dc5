// A picture laid over an opaque colour: premultiplied pixels over the background, every pixel
// opaque afterwards, the size and scale kept.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "ui/paint/Bitmap.h"

namespace ui {
namespace {

TEST(FlattenedOver, LaysEachPixelOverTheBackgroundAndMakesItOpaque) {
  const struct {
    const char* name;
    std::array<std::uint8_t, 4> pixel;  // premultiplied R G B A
    scene::TAlphaColor background;
    std::array<std::uint8_t, 4> expected;
  } cases[] = {
      {"transparent over black: black", {0, 0, 0, 0}, 0xFF000000, {0, 0, 0, 255}},
      {"transparent over white: white", {0, 0, 0, 0}, 0xFFFFFFFF, {255, 255, 255, 255}},
      {"a half-covered ring pixel over black keeps its colour",
       {90, 80, 60, 128},
       0xFF000000,
       {90, 80, 60, 255}},
      // 100 + 200 * 127 / 255 = 199.6
      {"half over grey", {100, 50, 0, 128}, 0xFFC8C8C8, {200, 150, 100, 255}},
      {"opaque stays as it is", {12, 34, 56, 255}, 0xFFFFFFFF, {12, 34, 56, 255}},
      {"a background's own alpha is not used", {0, 0, 0, 0}, 0x00FF0000, {255, 0, 0, 255}},
  };
  for (const auto& c : cases) {
    scene::TTextureImage image(2, 1);
    for (int x = 0; x < 2; ++x)
      std::copy(c.pixel.begin(), c.pixel.end(), image.Pixel(x, 0));
    const TBitmap flat = FlattenedOver(TBitmap(std::move(image), 1.5f), c.background);
    ASSERT_EQ(flat.Width(), 2) << c.name;
    ASSERT_EQ(flat.Height(), 1) << c.name;
    EXPECT_EQ(flat.Scale(), 1.5f) << c.name;
    for (int x = 0; x < 2; ++x) {
      const std::uint8_t* p = flat.Image().Pixel(x, 0);
      EXPECT_EQ((std::array<std::uint8_t, 4>{p[0], p[1], p[2], p[3]}), c.expected) << c.name;
    }
  }
}

}  // namespace
}  // namespace ui
