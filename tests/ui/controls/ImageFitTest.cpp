// Where a picture goes in its box: scaled by one factor to fit, centred, its corner truncated
// and its size rounded to whole device pixels.
#include <gtest/gtest.h>

#include <memory>

#include "ui/controls/Image.h"

namespace ui {
namespace {

TEST(ImageFit, ScalesToFitCentresAndSnapsToDevicePixels) {
  const struct {
    const char* name;
    int pixelsWide, pixelsHigh;
    float bitmapScale;
    float boxWidth, boxHeight, windowScale;
    TWindowRect expected;
  } cases[] = {
      // 438 x 280 shrinks by 438 / 205: 205 x 131.05, 1.97 below the top, truncated to 1.
      {"the About picture", 438, 280, 1, 205, 135, 1, {0, 1, 205, 132}},
      {"on a screen of scale 2", 438, 280, 1, 205, 135, 2, {0, 1.5f, 205, 132.5f}},
      // 2.47 pixels down truncated to 2; 256.25 and 163.8 pixels rounded to 256 and 164.
      {"on a screen of scale 1.25", 438, 280, 1, 205, 135, 1.25f, {0, 1.6f, 204.8f, 132.8f}},
      {"a picture drawn for scale 2", 438, 280, 2, 205, 135, 1, {0, 1, 205, 132}},
      {"a small picture grows", 50, 20, 1, 200, 200, 1, {0, 60, 200, 140}},
      {"a tall one is centred across", 100, 400, 1, 200, 200, 1, {75, 0, 125, 200}},
      {"an empty box", 438, 280, 1, 0, 135, 1, {}},
  };
  for (const auto& c : cases) {
    TImage image;
    image.SetSize(c.boxWidth, c.boxHeight);
    image.SetBitmap(std::make_shared<const TBitmap>(
        scene::TTextureImage(c.pixelsWide, c.pixelsHigh), c.bitmapScale));
    const TWindowRect fit = image.FittedRect(c.windowScale);
    EXPECT_NEAR(fit.Left, c.expected.Left, 1e-4) << c.name;
    EXPECT_NEAR(fit.Top, c.expected.Top, 1e-4) << c.name;
    EXPECT_NEAR(fit.Right, c.expected.Right, 1e-4) << c.name;
    EXPECT_NEAR(fit.Bottom, c.expected.Bottom, 1e-4) << c.name;
  }
  TImage empty;
  empty.SetSize(205, 135);
  EXPECT_EQ(empty.FittedRect(1), TWindowRect{}) << "no picture";
}

}  // namespace
}  // namespace ui
