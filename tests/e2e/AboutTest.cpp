// The About window as a person opens and closes it: "About" in the context menu of the
// full-screen viewer shows the window above it, centred over it (there is no window manager on
// the test's display, so no frame: the client area is the window), with its gradient, picture
// and title; "OK" hides it, and a key pressed right after reaches the main window at once:
// Space hides the side panel. The link is not clicked here: it would start a web browser.
#include <gtest/gtest.h>

#include <QColor>
#include <string>
#include <thread>

#include "MenuDriver.h"

namespace e2e {
namespace {

// The client area, 515 x 265, centred over the 1920 x 1080 screen: (1920 - 515) / 2 = 702.5
// and (1080 - 265) / 2 = 407.5, rounded half to even.
const QRect AboutArea(702, 408, 515, 265);

bool Near(QColor c, QRgb expected, int levels) {
  return std::abs(c.red() - qRed(expected)) <= levels &&
         std::abs(c.green() - qGreen(expected)) <= levels &&
         std::abs(c.blue() - qBlue(expected)) <= levels;
}

// A pixel of the About window, at a point of its client area.
QColor AboutPixel(const QImage& screen, int x, int y) {
  return screen.pixelColor(AboutArea.left() + x, AboutArea.top() + y);
}

// The gradient down the window's left margin: the light blue at the top, the near black at the
// bottom (the gradient spans the client area exactly, as there is no frame).
bool ShowsTheGradient(const QImage& screen) {
  return Near(AboutPixel(screen, 8, 0), 0x244477, 3) &&
         Near(AboutPixel(screen, 8, 264), 0x14141E, 3) &&
         Near(AboutPixel(screen, 8, 132), 0x1C2C4A, 3);
}

// Pixels of `r` (client area of the About window) within `levels` of `colour`.
int CountNear(const QImage& screen, const QRect& r, QRgb colour, int levels) {
  int count = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (Near(AboutPixel(screen, x, y), colour, levels)) ++count;
  return count;
}

// Waits (twenty seconds at the most: a sanitized build is slow) until the window has the
// geometry.
::testing::AssertionResult HasGeometry(unsigned long window, const QRect& expected) {
  const TWindowGeometry want{expected.x(), expected.y(), expected.width(), expected.height()};
  TWindowGeometry g;
  for (int i = 0; i < 400; ++i) {
    g = WindowGeometry(window);
    if (Text(g) == Text(want)) return ::testing::AssertionSuccess();
    std::this_thread::sleep_for(50ms);
  }
  return ::testing::AssertionFailure()
         << "the window is at " << Text(g) << ", not at " << Text(want);
}

TEST(AboutWindow, ShowsCentredAboveTheFullScreenViewerAndOkGivesTheKeysBack) {
  TProcess program(ORVANE_BINARY);
  const auto main = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(main) << program.Output();
  const QImage settled = CaptureAfterTheGlide();
  ASSERT_TRUE(ShowsTheGlidedInPlanet(settled)) << SavePicture(settled, "about-start");
  ASSERT_TRUE(ShowsThePanel(settled));
  ASSERT_FALSE(ShowsTheGradient(settled));

  const QRect menu = OpenMenuAt({1500, 150});
  ASSERT_FALSE(menu.isEmpty()) << "no menu at the pointer";
  ChooseMenuRow(menu, About);
  const auto about = WaitForWindow("^About$", 20s);
  ASSERT_TRUE(about) << "no About window";
  EXPECT_TRUE(HasGeometry(*about, AboutArea));
  const QImage shown = CaptureWhen(ShowsTheGradient, 20s);
  SavePicture(shown, "about-shown");
  SavePicture(shown.copy(AboutArea), "about-window");
  ASSERT_TRUE(ShowsTheGradient(shown)) << "the window is not above the viewer";

  // The picture fills its box's width and leaves its top row (y 32) to the gradient: it is
  // 131 high in the 135-high box, one unit down.
  const QColor aboveThePicture = AboutPixel(shown, 130, 32);
  EXPECT_TRUE(Near(aboveThePicture.rgb(), AboutPixel(shown, 8, 32).rgb(), 2))
      << "gradient above the picture";
  int pictureDiffers = 0;
  for (int x = 32; x < 237; x += 4)
    if (!Near(AboutPixel(shown, x, 100).rgb(), AboutPixel(shown, 8, 100).rgb(), 12))
      ++pictureDiffers;
  EXPECT_GT(pictureDiffers, 25) << "no picture in its box";
  // The title in its light blue, with its aqua shadow below and right of the letters: bluish
  // green pixels brighter than the gradient, that the title's colour does not explain.
  const QRect title(264, 32, 249, 41);
  EXPECT_GT(CountNear(shown, title, 0xADC5E7, 12), 100) << "no title";
  int aqua = 0;
  for (int y = title.top(); y <= title.bottom() + 2; ++y)
    for (int x = title.left(); x <= title.right(); ++x) {
      const QColor c = AboutPixel(shown, x, y);
      if (c.green() > c.red() + 40 && c.blue() > c.red() + 40 && c.green() > 70) ++aqua;
    }
  EXPECT_GT(aqua, 50) << "no shadow under the title";
  // The maker and the link in their colours.
  EXPECT_GT(CountNear(shown, QRect(264, 80, 177, 25), 0xB8B7B7, 16), 40) << "no maker";
  EXPECT_GT(CountNear(shown, QRect(264, 142, 233, 25), 0x6D90D0, 16), 40) << "no link";

  // "OK" hides the window; the viewer shows where it was.
  Xdotool("mousemove " + std::to_string(AboutArea.left() + 257) + " " +
          std::to_string(AboutArea.top() + 210));
  std::this_thread::sleep_for(150ms);
  Xdotool("click 1");
  const QImage hidden = CaptureWhen([](const QImage& s) { return !ShowsTheGradient(s); }, 20s);
  SavePicture(hidden, "about-hidden");
  EXPECT_FALSE(ShowsTheGradient(hidden));
  for (int i = 0; i < 200 && WindowExists(*about); ++i)
    std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(WindowExists(*about)) << "still shown";
  ASSERT_TRUE(ShowsThePanel(hidden));

  // A key now, without a click first: the main window has it.
  Xdotool("key space");
  const QImage noPanel = CaptureWhen([](const QImage& s) { return !ShowsThePanel(s); }, 20s);
  SavePicture(noPanel, "about-then-space");
  EXPECT_FALSE(ShowsThePanel(noPanel)) << "the key did not reach the main window";

  RequestClose(*main);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
}

}  // namespace
}  // namespace e2e
