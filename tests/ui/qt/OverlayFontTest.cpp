// The carried typeface: registered from the program's resources, standing in for the desktop
// default and for missing families, and measured at exact fractional sizes.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <limits>
#include <string>

#include "ui/qt/OverlayFont.h"
#include "ui/qt/QtPainter.h"

namespace ui::qt {
namespace {

TEST(OverlayFont, TheCarriedFacesAreRegisteredOnce) {
  const std::vector<int> ids = RegisterOverlayFonts();
  ASSERT_EQ(ids.size(), 4u) << "the regular, bold, italic and bold italic faces";
  for (const int id : ids)
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{OverlayFamily()});
  EXPECT_EQ(RegisterOverlayFonts(), ids);
  EXPECT_TRUE(QFontDatabase::hasFamily(OverlayFamily()));
  const QStringList styles = QFontDatabase::styles(OverlayFamily());
  for (const char* style : {"Regular", "Bold", "Italic", "Bold Italic"})
    EXPECT_TRUE(styles.contains(QLatin1String(style))) << style;
}

TEST(OverlayFont, DesktopDefaultsAndMissingFamiliesResolveToTheCarriedFace) {
  const struct {
    const char* family;
    const char* resolved;
  } cases[] = {{"Segoe UI", "Open Sans"},  {"Default", "Open Sans"},
               {"", "Open Sans"},          {"NoSuchFamily", "Open Sans"},
               {"Open Sans", "Open Sans"}, {"DejaVu Sans", "DejaVu Sans"}};
  for (const auto& c : cases)
    EXPECT_EQ(ResolveFamily(c.family).toStdString(), c.resolved) << '"' << c.family << '"';
}

struct Measuring : ::testing::Test {
  QImage image{8, 8, QImage::Format_ARGB32_Premultiplied};
  QPainter painter{&image};
  TQtPaintCache cache;
  TQtPainter measure{painter, cache};
};

TEST_F(Measuring, StandInFamiliesMeasureAsTheCarriedFace) {
  const std::string text = "Moons of Orvane 1234";
  const float width = measure.TextWidth({"Open Sans", 14, 0}, text);
  const TFontMetrics metrics = measure.Metrics({"Open Sans", 14, 0});
  EXPECT_GT(width, 100);
  EXPECT_GT(metrics.Ascent, 10);
  EXPECT_GT(metrics.Descent, 2);
  EXPECT_GE(metrics.LineHeight, metrics.Ascent + metrics.Descent);
  for (const char* family : {"Default", "Segoe UI", "NoSuchFamily", ""}) {
    EXPECT_FLOAT_EQ(measure.TextWidth({family, 14, 0}, text), width) << family;
    EXPECT_FLOAT_EQ(measure.Metrics({family, 14, 0}).Ascent, metrics.Ascent) << family;
    EXPECT_FLOAT_EQ(measure.Metrics({family, 14, 0}).LineHeight, metrics.LineHeight) << family;
  }
  // Another face of the same family measures differently.
  EXPECT_GT(measure.TextWidth({"Default", 14, fsBold}, text), width);
}

TEST_F(Measuring, WidthsGrowWithTheTextAndExactlyWithTheSize) {
  const TFont font{"Default", 12, 0};
  EXPECT_EQ(measure.TextWidth(font, ""), 0);
  EXPECT_LT(measure.TextWidth(font, "Orvane"), measure.TextWidth(font, "Orvane and its moons"));
  EXPECT_LT(measure.TextWidth(font, "iiii"), measure.TextWidth(font, "MMMM"));
  // Unhinted outlines scale linearly, fractional sizes included.
  const std::string text = "The rings of Orvane";
  const float at12 = measure.TextWidth({"Default", 12, 0}, text);
  for (const float size : {12.5f, 13.0f, 17.25f, 24.0f})
    EXPECT_NEAR(measure.TextWidth({"Default", size, 0}, text), at12 * size / 12, at12 * 0.01)
        << size;
  EXPECT_NEAR(measure.Metrics({"Default", 24, 0}).Ascent,
              2 * measure.Metrics({"Default", 12, 0}).Ascent, 0.5);
  // Sizes below 1 (and not numbers) measure as 1.
  const float at1 = measure.TextWidth({"Default", 1, 0}, text);
  EXPECT_GT(at1, 0);
  for (const float size : {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()})
    EXPECT_FLOAT_EQ(measure.TextWidth({"Default", size, 0}, text), at1) << size;
}

}  // namespace
}  // namespace ui::qt
