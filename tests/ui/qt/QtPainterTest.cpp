// The 2D layer's painter on Qt, painting into QImages with the raster engine: shapes both as
// the engine's own paths and rasterised into pictures laid in pieces (as on the window's
// OpenGL engine), at whole and fractional positions and scale factors; opacity, outlines on
// the edge, clipping, bitmaps, text on its baseline, gradients and shadows.
#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "ui/qt/QtPainter.h"

namespace ui::qt {
namespace {

using TShapeDrawing = TQtPainter::TShapeDrawing;

constexpr TShapeDrawing BothWays[] = {TShapeDrawing::Paths, TShapeDrawing::Rasterised};

const char* NameOf(TShapeDrawing d) {
  return d == TShapeDrawing::Paths ? "paths" : "rasterised";
}

// A canvas of width x height window units at `scale` pixels per unit, filled with `fill`.
QImage Canvas(int width, int height, qreal scale = 1, QRgb fill = 0xFFFFFFFF) {
  QImage image(qRound(width * scale), qRound(height * scale), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(QColor::fromRgba(fill));
  return image;
}

void Paint(QImage& image, TShapeDrawing shapes, const std::function<void(TQtPainter&)>& draw) {
  TQtPaintCache cache;
  QPainter painter(&image);
  TQtPainter qtPainter(painter, cache, shapes);
  draw(qtPainter);
}

// The pixel under a point in window units (premultiplied ARGB).
QRgb At(const QImage& image, double x, double y) {
  const qreal s = image.devicePixelRatio();
  return image.pixel(static_cast<int>(std::floor(x * s)), static_cast<int>(std::floor(y * s)));
}

// Channels of two pixels differ by at most `tolerance`.
bool Near(QRgb a, QRgb b, int tolerance = 2) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance && std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

std::string Hex(QRgb c) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", c);
  return text;
}

TEST(QtPainter, FillsRoundedRectanglesInsideTheirCorners) {
  const QRgb color = 0xFF3366CC;
  const struct {
    qreal scale;
    TWindowRect rect;
  } cases[] = {{1, {10, 20, 110, 70}},
               {1, {10.3f, 20.5f, 110.6f, 70.25f}},
               {2, {10.3f, 20.5f, 110.6f, 70.25f}},
               {1.5, {10, 20, 110, 70}}};
  for (const TShapeDrawing drawing : BothWays)
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(NameOf(drawing)) + " at scale " + std::to_string(c.scale) +
                   ", left " + std::to_string(c.rect.Left));
      QImage image = Canvas(130, 90, c.scale, 0);
      Paint(image, drawing, [&](TQtPainter& p) { p.FillRect(c.rect, 12, 12, color, 1); });
      const TWindowRect& r = c.rect;
      const float midX = (r.Left + r.Right) / 2, midY = (r.Top + r.Bottom) / 2;
      EXPECT_EQ(At(image, midX, midY), color);
      // Along the straight edges, one unit in: all colour; one unit out: nothing.
      EXPECT_EQ(At(image, r.Left + 1, midY), color);
      EXPECT_EQ(At(image, r.Right - 1.2, midY), color);
      EXPECT_EQ(At(image, midX, r.Top + 1), color);
      EXPECT_EQ(At(image, midX, r.Bottom - 1.2), color);
      EXPECT_EQ(At(image, r.Left - 1.2, midY), 0u);
      EXPECT_EQ(At(image, midX, r.Bottom + 1), 0u);
      // Inside the bounding box but outside each rounded corner: nothing; just inside the
      // corner's arc: colour.
      const float d = 1.5f, in = 12 - 12 / std::sqrt(2.0f) + 1.5f;
      for (const auto& [x, y, sx, sy] :
           {std::tuple{r.Left, r.Top, 1.0f, 1.0f}, std::tuple{r.Right, r.Top, -1.0f, 1.0f},
            std::tuple{r.Left, r.Bottom, 1.0f, -1.0f},
            std::tuple{r.Right, r.Bottom, -1.0f, -1.0f}}) {
        EXPECT_EQ(At(image, x + sx * d, y + sy * d), 0u) << x << ", " << y;
        EXPECT_EQ(At(image, x + sx * in, y + sy * in), color) << x << ", " << y;
      }
    }
}

TEST(QtPainter, RasterisedShapesMatchTheEnginesPaths) {
  // Large shapes are laid in nine pieces, small ones as one picture; the pieces must join
  // into what the engine draws itself (edges may differ a little: positions are rasterised
  // to 1/8 pixel).
  const struct {
    qreal scale;
    TWindowRect rect;
    float rx, ry, thickness;  // thickness 0 fills
  } cases[] = {{1, {10, 10, 290, 150}, 20, 20, 0},
               {1, {10.4f, 9.7f, 290.1f, 150.6f}, 30, 12, 0},
               {1.5, {10.4f, 9.7f, 290.1f, 150.6f}, 8, 8, 0},
               {1, {10.4f, 9.7f, 290.1f, 150.6f}, 16, 16, 3},
               {2, {10.25f, 9.7f, 200.1f, 120.6f}, 10, 10, 1.5f},
               {1, {20, 20, 280, 140}, 0, 0, 2},
               {1, {20, 20, 280, 140}, 0, 0, 0},
               {1.5, {20.3f, 20, 280.5f, 139.9f}, 0, 0, 0},
               {1, {40.3f, 30.6f, 58.2f, 49.1f}, 6, 6, 0},
               {1.25, {40.3f, 30.6f, 58.2f, 49.1f}, 40, 40, 2.5f}};
  for (const auto& c : cases) {
    SCOPED_TRACE("rect from " + std::to_string(c.rect.Left) + ", radius " + std::to_string(c.rx) +
                 ", thickness " + std::to_string(c.thickness) + ", scale " +
                 std::to_string(c.scale));
    QImage images[2] = {Canvas(300, 160, c.scale, 0), Canvas(300, 160, c.scale, 0)};
    for (int i = 0; i < 2; ++i)
      Paint(images[i], BothWays[i], [&](TQtPainter& p) {
        if (c.thickness > 0)
          p.StrokeRect(c.rect, c.rx, c.ry, c.thickness, 0xFFE08020, 1);
        else
          p.FillRect(c.rect, c.rx, c.ry, 0xFFE08020, 1);
      });
    int worst = 0, worstX = 0, worstY = 0;
    for (int y = 0; y < images[0].height(); ++y)
      for (int x = 0; x < images[0].width(); ++x) {
        const int diff = std::abs(qAlpha(images[0].pixel(x, y)) - qAlpha(images[1].pixel(x, y)));
        if (diff > worst) worst = diff, worstX = x, worstY = y;
      }
    EXPECT_LE(worst, 32) << "at pixel " << worstX << ", " << worstY;
  }
}

TEST(QtPainter, OpacityAndTheColoursAlphaBlendOverWhatIsThere) {
  const struct {
    QRgb color;
    float opacity;
    QRgb expected;  // over opaque white
  } cases[] = {{0xFF0000FF, 0.8f, 0xFF3333FF}, {0xFF0000FF, 1, 0xFF0000FF},
               {0x800000FF, 0.5f, 0xFFBFBFFF}, {0xFF102030, 0.25f, 0xFFC3C7CB},
               {0xFF0000FF, 1.5f, 0xFF0000FF}, {0xFF0000FF, -1, 0xFFFFFFFF},
               {0x000000FF, 1, 0xFFFFFFFF}};
  for (const TShapeDrawing drawing : BothWays)
    for (const auto& c : cases) {
      QImage image = Canvas(60, 40);
      Paint(image, drawing, [&](TQtPainter& p) {
        p.FillRect({10, 10, 50, 30}, 4, 4, c.color, c.opacity);
      });
      const QRgb got = At(image, 30, 20);
      EXPECT_TRUE(Near(got, c.expected))
          << NameOf(drawing) << ": " << Hex(c.color) << " at " << c.opacity << " gave " << Hex(got);
    }
}

TEST(QtPainter, DegenerateShapesDrawNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    const char* what;
    bool outline;
    TWindowRect rect;
    float thickness;
    QRgb color;
    float opacity;
  } cases[] = {{"empty fill", false, {20, 20, 20, 40}, 0, 0xFF000000, 1},
               {"inverted fill", false, {40, 40, 20, 20}, 0, 0xFF000000, 1},
               {"inverted outline", true, {40, 40, 20, 20}, 2, 0xFF000000, 1},
               {"outline without thickness", true, {10, 10, 40, 40}, 0, 0xFF000000, 1},
               {"negative thickness", true, {10, 10, 40, 40}, -2, 0xFF000000, 1},
               {"not a number", false, {nan, 10, 40, 40}, 0, 0xFF000000, 1},
               {"transparent colour", false, {10, 10, 40, 40}, 0, 0x00FF0000, 1},
               {"no opacity", true, {10, 10, 40, 40}, 2, 0xFF000000, 0},
               {"opacity not a number", false, {10, 10, 40, 40}, 0, 0xFF000000, nan}};
  const QImage untouched = Canvas(50, 50);
  for (const TShapeDrawing drawing : BothWays)
    for (const auto& c : cases) {
      QImage image = Canvas(50, 50);
      Paint(image, drawing, [&](TQtPainter& p) {
        if (c.outline)
          p.StrokeRect(c.rect, 4, 4, c.thickness, c.color, c.opacity);
        else
          p.FillRect(c.rect, 4, 4, c.color, c.opacity);
      });
      EXPECT_EQ(image, untouched) << NameOf(drawing) << ": " << c.what;
    }
}

TEST(QtPainter, OutlinesAreCentredOnTheEdge) {
  const QRgb color = 0xFF802060, white = 0xFFFFFFFF;
  for (const TShapeDrawing drawing : BothWays)
    for (const qreal scale : {1.0, 2.0}) {
      SCOPED_TRACE(std::string(NameOf(drawing)) + " at scale " + std::to_string(scale));
      QImage image = Canvas(200, 100, scale);
      Paint(image, drawing, [&](TQtPainter& p) {
        p.StrokeRect({20, 20, 80, 60}, 0, 0, 4, color, 1);
        p.StrokeRect({120, 20, 180, 60}, 10, 10, 4, color, 1);
      });
      // Square corners: the band reaches 2 units out and in, corners included.
      for (const double x : {18.2, 19.5, 20.5, 21.8})
        EXPECT_EQ(At(image, x, 40), color) << x;
      for (const double y : {18.2, 21.8})
        EXPECT_EQ(At(image, 50, y), color) << y;
      EXPECT_EQ(At(image, 18.2, 18.2), color);
      EXPECT_EQ(At(image, 81.8, 61.8), color);
      for (const double x : {16.8, 23.2, 50.0})
        EXPECT_EQ(At(image, x, 40), white) << x;
      EXPECT_EQ(At(image, 50, 63.2), white);
      // Rounded: the same band along the sides, nothing in the box's corner.
      EXPECT_EQ(At(image, 118.2, 40), color);
      EXPECT_EQ(At(image, 121.8, 40), color);
      EXPECT_EQ(At(image, 150, 61.8), color);
      EXPECT_EQ(At(image, 118.5, 18.5), white);
      EXPECT_EQ(At(image, 150, 40), white);
    }
}

TEST(QtPainter, ClipsNarrowUntilRestored) {
  const QRgb red = 0xFFFF0000, blue = 0xFF0000FF, white = 0xFFFFFFFF;
  for (const TShapeDrawing drawing : BothWays) {
    QImage image = Canvas(100, 100);
    Paint(image, drawing, [&](TQtPainter& p) {
      p.Save();
      p.ClipTo({10, 10, 60, 60});
      p.ClipTo({30, 0, 100, 50});  // intersects: 30..60 x 10..50
      p.FillRect({0, 0, 100, 100}, 8, 8, red, 1);
      p.Restore();
      p.FillRect({0, 80, 100, 100}, 0, 0, blue, 1);
    });
    SCOPED_TRACE(NameOf(drawing));
    EXPECT_EQ(At(image, 45, 30), red);
    for (const auto& [x, y] : {std::pair{20.0, 30.0}, {45.0, 55.0}, {65.0, 30.0}, {45.0, 5.0}})
      EXPECT_EQ(At(image, x, y), white) << x << ", " << y;
    EXPECT_EQ(At(image, 50, 90), blue);
  }
}

TEST(QtPainter, BitmapsMapTheirSourceRectangleOntoTheDestination) {
  // 4 x 4 pixels in quadrants: red, green / blue, half-transparent black (premultiplied).
  scene::TTextureImage pixels(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      static const std::uint8_t quadrants[4][4] = {
          {255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {0, 0, 0, 128}};
      std::copy_n(quadrants[(y / 2) * 2 + x / 2], 4, pixels.Pixel(x, y));
    }
  const TBitmap bitmap(pixels);
  const struct {
    TWindowRect source, dest;
    float opacity;
    bool smooth;
    struct {
      double x, y;
      QRgb expected;
    } samples[4];
  } cases[] = {
      {{0, 0, 4, 4},
       {10, 10, 50, 50},
       1,
       false,
       {{20, 20, 0xFFFF0000}, {40, 20, 0xFF00FF00}, {20, 40, 0xFF0000FF}, {40, 40, 0xFF7F7F7F}}},
      {{2, 0, 4, 2},
       {60, 10, 90, 30},
       1,
       false,
       {{61, 11, 0xFF00FF00}, {89, 29, 0xFF00FF00}, {58, 20, 0xFFFFFFFF}, {75, 31, 0xFFFFFFFF}}},
      {{0, 2, 2, 4},
       {60, 60, 90, 90},
       0.5f,
       true,
       // (smooth scaling may blend in the neighbours above and right of the source)
       {{75, 75, 0xFF7F7FFF}, {61, 89, 0xFF7F7FFF}, {68, 82, 0xFF7F7FFF}, {58, 75, 0xFFFFFFFF}}},
  };
  for (const auto& c : cases) {
    QImage image = Canvas(100, 100);
    Paint(image, TShapeDrawing::Auto,
          [&](TQtPainter& p) { p.DrawBitmap(bitmap, c.source, c.dest, c.opacity, c.smooth); });
    for (const auto& s : c.samples)
      EXPECT_TRUE(Near(At(image, s.x, s.y), s.expected))
          << "source from " << c.source.Left << ", " << c.source.Top << " at " << s.x << ", " << s.y
          << ": " << Hex(At(image, s.x, s.y));
  }
}

TEST(QtPainter, TextSitsOnItsBaseline) {
  // Whole and fractional sizes, at whole and fractional scale factors.
  const struct {
    float size;
    qreal scale;
  } cases[] = {{20, 1}, {20, 2}, {27.5f, 1}, {17.25f, 1.5}};
  for (const auto& c : cases) {
    SCOPED_TRACE("size " + std::to_string(c.size) + " at scale " + std::to_string(c.scale));
    const TFont font{"Default", c.size, 0};
    QImage image = Canvas(160, 60, c.scale);
    float ascent = 0, width = 0;
    Paint(image, TShapeDrawing::Auto, [&](TQtPainter& p) {
      ascent = p.Metrics(font).Ascent;
      width = p.TextWidth(font, "HHH");
      p.DrawText(font, "HHH", {10, 40}, 0xFF000000, 1);
    });
    // Dark pixels where the capitals stand (from the baseline up to their height) and nowhere
    // below the baseline, above the ascent, or beyond the advance.
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) {
          top = std::min(top, y), bottom = std::max(bottom, y);
          left = std::min(left, x), right = std::max(right, x);
        }
    ASSERT_GE(bottom, 0) << "no text drawn";
    const double s = c.scale;
    EXPECT_EQ(bottom, qRound(40 * s) - 1);
    // Open Sans's capitals stand 0.714 em high.
    EXPECT_NEAR(40 * s - top, 0.714 * c.size * s, 1.5);
    EXPECT_LT(40 * s - top, ascent * s);
    EXPECT_GE(left, 10 * s);
    EXPECT_LE(right, (10 + width) * s);
    EXPECT_GT(right, (10 + width * 0.9) * s);
  }
}

}  // namespace
}  // namespace ui::qt

namespace ui::qt {
namespace {

TEST(QtPainter, GradientsRunFromTheStartToTheStopPositionOfTheirRectangle) {
  const TGradient downwards{{{0xFF244477, 0}, {0xFF14141E, 1}}, {0.5f, 0}, {0.5f, 1}};
  const TGradient across{{{0xFF000000, 0}, {0xFFFFFFFF, 1}}, {0, 0.5f}, {1, 0.5f}};
  const struct {
    const char* name;
    qreal scale;
    const TGradient& gradient;
    TWindowRect rect;
  } cases[] = {
      // As the About window fills: over the window's outer height with a caption of 26 and a
      // border of 3, of which the canvas is the client area.
      {"taller than the canvas", 1, downwards, {0, 0, 521, 294}},
      {"the canvas exactly", 1, downwards, {0, 0, 515, 265}},
      {"at scale 2", 2, downwards, {0, 0, 515, 265}},
      {"left to right", 1, across, {0, 0, 515, 265}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QImage image = Canvas(515, 265, c.scale, 0);
    Paint(image, TShapeDrawing::Auto,
          [&](TQtPainter& p) { p.FillGradient(c.rect, c.gradient, 1); });
    // Pixel centres along the line: the gradient's colour at their offsets.
    const bool vertical = c.gradient.StartPosition.X == c.gradient.StopPosition.X;
    const int pixels = vertical ? image.height() : image.width();
    const double length = (vertical ? c.rect.Height() : c.rect.Width()) * c.scale;
    for (const int i : {0, pixels / 2, pixels - 1}) {
      const QRgb pixel = vertical ? image.pixel(100, i) : image.pixel(i, 100);
      const QRgb expected = c.gradient.ColorAt(static_cast<float>((i + 0.5) / length));
      EXPECT_TRUE(Near(pixel, expected))
          << "pixel " << i << ": " << Hex(pixel) << ", not " << Hex(expected);
    }
  }
  // Half opaque over white.
  QImage image = Canvas(100, 100);
  Paint(image, TShapeDrawing::Auto, [&](TQtPainter& p) {
    p.FillGradient({0, 0, 100, 100}, across, 0.5f);
  });
  EXPECT_TRUE(Near(image.pixel(0, 50), 0xFF808080)) << Hex(image.pixel(0, 50));
}

TEST(QtPainter, ShadowsAreTheBlurredSilhouetteOfTheirAreaMovedByTheOffset) {
  // A red bar wider than the shadow's area, on a transparent canvas: the shadow is what the
  // area holds of it, half-opaque cyan 10 units right and 5 down; the bar is not drawn.
  const auto content = [](IPainter& p) { p.FillRect({0, 20, 100, 40}, 0, 0, 0xFFFF0000, 1); };
  TShadow shadow;
  shadow.Area = {18, 18, 62, 42};
  shadow.Offset = {10, 5};
  shadow.Color = 0xFF00FFFF;
  shadow.Opacity = 0.5f;
  const QRgb halfCyan = 0x80008080;
  for (const qreal scale : {1.0, 2.0}) {
    SCOPED_TRACE("scale " + std::to_string(scale));
    QImage image = Canvas(100, 60, scale, 0);
    Paint(image, TShapeDrawing::Auto, [&](TQtPainter& p) { p.DrawShadow(shadow, content); });
    // The area (18 to 62 across) moved right by 10; the bar's rows (20 to 40) down by 5.
    EXPECT_TRUE(Near(At(image, 28.5, 35), halfCyan)) << Hex(At(image, 28.5, 35));
    EXPECT_TRUE(Near(At(image, 71.5, 44.5), halfCyan)) << Hex(At(image, 71.5, 44.5));
    for (const auto& [x, y] :
         {std::pair{27.5, 35.0}, {72.5, 35}, {50, 24.5}, {50, 45.5}, {10, 30}, {90, 30}})
      EXPECT_EQ(At(image, x, y), 0u) << "at " << x << "," << y;
  }

  // Blurred over 2 units: the edge fades over about two units either way, the middle stays.
  shadow.BlurRadius = 2;
  QImage image = Canvas(100, 60, 1, 0);
  Paint(image, TShapeDrawing::Auto, [&](TQtPainter& p) { p.DrawShadow(shadow, content); });
  EXPECT_TRUE(Near(At(image, 50, 35), halfCyan));
  const int outer = qAlpha(At(image, 50, 24)), edge = qAlpha(At(image, 50, 25)),
            inner = qAlpha(At(image, 50, 26));
  EXPECT_GT(outer, 0);
  EXPECT_LT(outer, edge);
  EXPECT_LT(edge, inner);
  EXPECT_LT(inner, 128);
  EXPECT_EQ(qAlpha(At(image, 50, 22)), 0) << "no further than the blur reaches";

  // Nothing to cast, or nothing cast.
  for (const auto& [name, opacity, area] : {std::tuple{"transparent", 0.0f, shadow.Area},
                                            {"empty area", 1.0f, TWindowRect{18, 18, 18, 42}}}) {
    TShadow none = shadow;
    none.Opacity = opacity;
    none.Area = area;
    QImage blank = Canvas(100, 60, 1, 0);
    Paint(blank, TShapeDrawing::Auto, [&](TQtPainter& p) { p.DrawShadow(none, content); });
    EXPECT_EQ(blank, Canvas(100, 60, 1, 0)) << name;
  }
}

}  // namespace
}  // namespace ui::qt
