// The overlay as a person uses it: the body's name at the top, its information either side of
// the centre line, the side panel's fly-to buttons, and the panel shown and hidden by
// double-clicks and the space bar. The screen is 1920 x 1080; the panel lies at (40, 40) to
// (185, 393), its buttons 80 x 26 at x = 72, the first at y = 64, one every 40 units.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "E2eSupport.h"
#include "MenuDriver.h"

namespace e2e {
namespace {

// The centre of the panel's button `row`, in the order of the bodies (0 = "Orvane",
// 2 = "Enceladus", 5 = "Rhea", 7 = "Iapetus").
QPoint ButtonCentre(int row) {
  return {112, 77 + 40 * row};
}

void ClickAt(QPoint p, int clicks = 1) {
  Xdotool("mousemove " + std::to_string(p.x()) + " " + std::to_string(p.y()));
  std::this_thread::sleep_for(150ms);
  Xdotool("click --repeat " + std::to_string(clicks) + " --delay 80 1");
  std::this_thread::sleep_for(800ms);  // the next frames are drawn
}

// The ink of a text drawn in one colour: its fully covered pixels, those within 4 levels of
// the colour in every channel. Stars of the sky can match too, but only as lone dots, so only
// columns holding at least `perColumn` such pixels count: how many pixels they hold, and the
// leftmost and rightmost of those columns.
struct TInk {
  int Count = 0, Left = 1 << 30, Right = -1;
  std::vector<int> Columns;  // the pixels of each column of the rectangle
  int Middle() const { return (Left + Right) / 2; }
  int Width() const { return Right - Left; }
};
TInk InkIn(const QImage& image, QRect r, QColor colour, int perColumn) {
  TInk ink;
  for (int x = r.left(); x <= r.right(); ++x) {
    int column = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) <= 4 && std::abs(c.green() - colour.green()) <= 4 &&
          std::abs(c.blue() - colour.blue()) <= 4)
        ++column;
    }
    if (column < perColumn) column = 0;
    ink.Columns.push_back(column);
    if (column == 0) continue;
    ink.Count += column;
    ink.Left = std::min(ink.Left, x);
    ink.Right = std::max(ink.Right, x);
  }
  return ink;
}

// The label across the top: light grey text, centred.
TInk LabelInk(const QImage& screen) {
  return InkIn(screen, QRect(0, 0, 1920, 40), QColor(0xBA, 0xBA, 0xBA), 2);
}
// The same text in two pictures whatever the scene behind it did: its columns hold the same
// number of pixels, give or take one, but for a few columns a star crossed.
bool SameInk(const TInk& a, const TInk& b) {
  if (a.Columns.size() != b.Columns.size() || a.Count == 0) return false;
  int differing = 0;
  for (size_t x = 0; x < a.Columns.size(); ++x)
    if (std::abs(a.Columns[x] - b.Columns[x]) > 1) ++differing;
  return differing <= 3;
}
// The same text in two pictures with the camera turned between them, so that another part of
// the sky (with other stars, some as white as the text) lies behind it: the ink differs by no
// more than a few stars' and edge pixels' worth, a twentieth of the text's (about 2.5% here),
// where other words would differ by a good part of it.
bool SameTextOverAnotherSky(const TInk& a, const TInk& b) {
  if (a.Columns.size() != b.Columns.size() || a.Count == 0) return false;
  int differing = 0;
  for (size_t x = 0; x < a.Columns.size(); ++x)
    differing += std::abs(a.Columns[x] - b.Columns[x]);
  return differing <= a.Count / 20;
}
// The information texts: white.
TInk InfoInk(const QImage& screen, QRect r) {
  return InkIn(screen, r, Qt::white, 3);
}

bool SameIn(const QImage& a, const QImage& b, QRect r) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

struct Overlay : ::testing::Test {
  std::string Binary = ORVANE_BINARY;
  std::optional<TProcess> Program;
  QImage Settled;
  void Start() {
    Program.emplace(Binary);
    ASSERT_TRUE(WaitForWindow("^Moons of Orvane$")) << Program->Output();
    Settled = CaptureAfterTheGlide();
    ASSERT_TRUE(ShowsTheGlidedInPlanet(Settled)) << SavePicture(Settled, "overlay-start");
  }
  void TearDown() override {
    if (Program) {
      EXPECT_TRUE(Program->Running()) << Program->Output();
    }
  }
};

// Flying to a moon puts it between the camera and the planet: in the middle of the screen,
// the planet's disc around and behind it. The moons move along the ring plane (seen edge-on
// after a fly-to), so straight below the centre lies the planet whatever the moon did since.

TEST_F(Overlay, TheLabelNamesTheBodyFlownToOrClicked) {
  Start();
  SavePicture(Settled, "overlay-label-orvane");
  EXPECT_TRUE(ShowsThePanel(Settled));
  // "Orvane", centred at the top.
  const TInk orvane = LabelInk(Settled);
  ASSERT_GT(orvane.Count, 50);
  EXPECT_NEAR(orvane.Middle(), 960, 6);
  EXPECT_LT(orvane.Width(), 120);

  // The "Enceladus" button: a longer name, still centred.
  ClickAt(ButtonCentre(2));
  const QImage enceladus = CaptureScreen();
  SavePicture(enceladus, "overlay-label-enceladus");
  const TInk longer = LabelInk(enceladus);
  EXPECT_GT(longer.Width(), orvane.Width() + 20);
  EXPECT_NEAR(longer.Middle(), 960, 6);

  // A click on the planet, below the centre line, names it again.
  ClickAt({960, 890});
  const QImage planet = CaptureScreen();
  SavePicture(planet, "overlay-label-clicked-planet");
  EXPECT_TRUE(SameInk(LabelInk(planet), orvane));
}

TEST_F(Overlay, AClickOnAMoonNamesIt) {
  Start();
  const TInk orvane = LabelInk(Settled);
  // Iapetus, the slowest moon, stays in the middle of the screen for minutes after the flight
  // to it; the planet shows around it.
  ClickAt(ButtonCentre(7));
  const QImage iapetus = CaptureScreen();
  SavePicture(iapetus, "overlay-flown-to-iapetus");
  const TInk iapetusInk = LabelInk(iapetus);
  ASSERT_FALSE(SameInk(iapetusInk, orvane));
  ClickAt({960, 720});  // the planet, beside the moon
  ASSERT_TRUE(SameInk(LabelInk(CaptureScreen()), orvane)) << "the label says Orvane";
  ClickAt({960, 540});  // the moon
  const QImage clicked = CaptureScreen();
  SavePicture(clicked, "overlay-clicked-iapetus");
  EXPECT_TRUE(SameInk(LabelInk(clicked), iapetusInk)) << "the label says Iapetus";
}

TEST_F(Overlay, TheInformationTextsStandEitherSideOfTheCentreLine) {
  Binary = ORVANE_INFO_VIEWER;
  Start();
  SavePicture(Settled, "overlay-information");
  // Captions from x = 753 to 953, right-aligned; values from x = 967; from y = 40 down.
  const QRect captionsArea(700, 40, 260, 300), valuesArea(960, 40, 260, 300);
  const TInk captions = InfoInk(Settled, captionsArea);
  const TInk values = InfoInk(Settled, valuesArea);
  ASSERT_GT(captions.Count, 300);
  ASSERT_GT(values.Count, 300);
  EXPECT_GE(captions.Left, 753);
  EXPECT_NEAR(captions.Right, 952, 4);
  EXPECT_NEAR(values.Left, 968, 4);
  EXPECT_LE(values.Right, 1167);

  // Another body: the values change, the captions do not.
  // Read once Rhea's values show and two captures in a row agree on the texts: a capture taken
  // while a frame is being presented may hold parts of two frames.
  ClickAt(ButtonCentre(5));
  QImage previous = CaptureScreen();
  const QImage rhea = CaptureWhen([&](const QImage& now) {
    const bool settled = SameInk(InfoInk(now, captionsArea), InfoInk(previous, captionsArea)) &&
                         SameInk(InfoInk(now, valuesArea), InfoInk(previous, valuesArea));
    previous = now;
    return settled && !SameInk(InfoInk(now, valuesArea), values);
  });
  SavePicture(rhea, "overlay-information-rhea");
  EXPECT_FALSE(SameInk(InfoInk(rhea, valuesArea), values));
  EXPECT_TRUE(SameTextOverAnotherSky(InfoInk(rhea, captionsArea), captions))
      << "ink " << captions.Count << " then " << InfoInk(rhea, captionsArea).Count;
}

TEST_F(Overlay, PanelButtonsFlyToTheirBodies) {
  Start();
  // "Orvane": the camera comes to 11 units, and the planet fills the height of the screen.
  ClickAt(ButtonCentre(0));
  const QImage near = CaptureScreen();
  SavePicture(near, "overlay-fly-to-orvane");
  for (int d : {-400, 400})
    EXPECT_GT(Brightness(near, 960, 540 + d), 40) << d;
  // "Rhea": back at 26 units, turned towards Rhea.
  ClickAt(ButtonCentre(5));
  const QImage rhea = CaptureScreen();
  SavePicture(rhea, "overlay-fly-to-rhea");
  EXPECT_LT(Brightness(rhea, 960, 540 - 400), 40);
  EXPECT_FALSE(SameIn(rhea, Settled, QRect(300, 0, 1620, 60))) << "the view turned";
}

TEST_F(Overlay, DoubleClicksAndTheSpaceBarShowAndHideThePanel) {
  Start();
  // A sanitized build under load may take a while to draw the frame after the click or key.
  const auto hides = [](const QImage& s) { return !ShowsThePanel(s); };
  ClickAt({1500, 150}, 2);
  const QImage hidden = CaptureWhen(hides);
  SavePicture(hidden, "overlay-panel-hidden");
  EXPECT_FALSE(ShowsThePanel(hidden));
  ClickAt({1500, 150}, 2);
  EXPECT_TRUE(ShowsThePanel(CaptureWhen(ShowsThePanel)));
  Xdotool("key space");
  EXPECT_FALSE(ShowsThePanel(CaptureWhen(hides)));
  Xdotool("key space");
  EXPECT_TRUE(ShowsThePanel(CaptureWhen(ShowsThePanel)));
}

}  // namespace
}  // namespace e2e
