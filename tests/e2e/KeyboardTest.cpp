// The viewer from the keyboard alone: Tab moves a visible focus ring through the side panel's
// buttons in their tab order and Enter flies to the focused button's body; Escape leaves full
// screen for the centred window (and does nothing more there); the menu key opens the context
// menu, whose "Full screen" then enters full screen again (its mark followed Escape). The
// screen is 1920 x 1080; the panel's buttons are 80 x 26 at x = 72, the first at y = 64, one
// every 40 units, "Orvane" first, "Enceladus" third (the second in tab order).
#include <gtest/gtest.h>

#include <QColor>
#include <string>
#include <thread>

#include "MenuDriver.h"

namespace e2e {
namespace {

// Waits (twenty seconds at the most: a sanitized build is slow) until the window has the
// geometry.
::testing::AssertionResult HasGeometry(unsigned long window, const TWindowGeometry& expected) {
  const TWindowGeometry g = WaitForGeometry(window, expected);
  if (Text(g) == Text(expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "the window is at " << Text(g) << ", not at " << Text(expected);
}

// The rectangle of the panel's button `row` (0 = "Orvane", 2 = "Enceladus") on the screen of
// the full-screen window.
QRect ButtonRect(int row) {
  return {72, 64 + 40 * row, 80, 26};
}

// The pixels of the focus ring's blue (0078D7, drawn at the panel's 0.8 over the button's
// face) in `r` grown by a pixel: strongly blue, unlike the grey faces, the light blue of a
// hovered face and the dark panel.
int RingPixels(const QImage& screen, QRect r) {
  int count = 0;
  r.adjust(-1, -1, 1, 1);
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor c = screen.pixelColor(x, y);
      if (c.blue() >= 150 && c.blue() - c.red() >= 100 && c.green() >= 80) ++count;
    }
  return count;
}

// The width of the label's light grey text across the top: from its leftmost to its
// rightmost column holding at least two pixels of its colour (lone stars hold fewer).
int LabelWidth(const QImage& screen) {
  int left = -1, right = -1;
  for (int x = 0; x < screen.width(); ++x) {
    int ink = 0;
    for (int y = 0; y < 40; ++y) {
      const QColor c = screen.pixelColor(x, y);
      if (std::abs(c.red() - 0xBA) <= 4 && std::abs(c.green() - 0xBA) <= 4 &&
          std::abs(c.blue() - 0xBA) <= 4)
        ++ink;
    }
    if (ink < 2) continue;
    if (left < 0) left = x;
    right = x;
  }
  return left < 0 ? 0 : right - left;
}

TEST(Keyboard, TabEnterEscapeAndTheMenuKeyDriveTheViewer) {
  constexpr TWindowGeometry Screen = FullScreenGeometry;
  constexpr TWindowGeometry Normal = NormalGeometry;
  TProcess program(ORVANE_BINARY);
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window) << program.Output();
  Xdotool("mousemove 1500 150");  // off the panel: no button is hovered
  const QImage settled = CaptureAfterTheGlide();
  ASSERT_TRUE(ShowsTheGlidedInPlanet(settled)) << SavePicture(settled, "keyboard-start");
  const int orvane = LabelWidth(settled);
  ASSERT_GT(orvane, 40);
  for (int row = 0; row < 8; ++row)
    EXPECT_EQ(RingPixels(settled, ButtonRect(row)), 0) << row;

  // Tab, Tab: the ring on "Enceladus", none on "Orvane" where the first Tab put it.
  TypeKey("Tab");
  TypeKey("Tab");
  const QImage tabbed = CaptureScreen();
  SavePicture(tabbed, "keyboard-focus-ring");
  // The ring's 2-pixel band around the 80 x 26 button, less its rounded corners.
  EXPECT_GT(RingPixels(tabbed, ButtonRect(2)), 300);
  for (int row : {0, 1, 3, 7})
    EXPECT_EQ(RingPixels(tabbed, ButtonRect(row)), 0) << row;

  // Enter flies there: the label names the longer "Enceladus"; the ring stays.
  TypeKey("Return");
  const QImage flown = CaptureScreen();
  SavePicture(flown, "keyboard-enter-enceladus");
  EXPECT_GT(LabelWidth(flown), orvane + 20);
  EXPECT_GT(RingPixels(flown, ButtonRect(2)), 300);

  // Escape: the centred, framed window; again: nothing changes.
  Xdotool("key Escape");
  EXPECT_TRUE(HasGeometry(*window, Normal));
  TypeKey("Escape");
  EXPECT_TRUE(HasGeometry(*window, Normal));
  SavePicture(CaptureScreen(), "keyboard-escaped");

  // The menu key: the menu at the view's centre; its "Full screen" enters full screen again.
  Xdotool("key Menu");
  const QImage open = CaptureWhen([](const QImage& s) {
    return !MenuBoxAt(s, {960, 540}).isEmpty();
  });
  SavePicture(open, "keyboard-menu-key");
  const QRect box = MenuBoxAt(open, {960, 540});
  ASSERT_FALSE(box.isEmpty()) << "no menu at the centre";
  ChooseMenuRow(box, FullScreen);
  EXPECT_TRUE(HasGeometry(*window, Screen));

  RequestClose(*window);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
}

}  // namespace
}  // namespace e2e
