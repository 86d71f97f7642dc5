// Leaving and entering full screen in the real program: the main window starts borderless over
// the 1920 x 1080 screen, leaves to its normal placement (client 1332 x 829, centred in the
// screen: there is no window manager, so no frame) with the planet centred in it, and covers
// the screen again when it enters; toggled twice in a row it ends where it began.
#include <gtest/gtest.h>

#include <QColor>
#include <functional>
#include <string>
#include <thread>

#include "E2eSupport.h"

namespace e2e {
namespace {

std::string Text(const TWindowGeometry& g) {
  return std::to_string(g.X) + "," + std::to_string(g.Y) + " " + std::to_string(g.Width) + "x" +
         std::to_string(g.Height);
}

// Waits (ten seconds at the most) until the window has the geometry.
::testing::AssertionResult HasGeometry(unsigned long window, const TWindowGeometry& expected) {
  TWindowGeometry g;
  for (int i = 0; i < 200; ++i) {
    g = WindowGeometry(window);
    if (Text(g) == Text(expected)) return ::testing::AssertionSuccess();
    std::this_thread::sleep_for(50ms);
  }
  return ::testing::AssertionFailure()
         << "the window is at " << Text(g) << ", not at " << Text(expected);
}

// Waits (ten seconds at the most) until the program has printed `count` toggles.
bool Toggled(TProcess& program, int count) {
  for (int i = 0; i < 200; ++i) {
    const std::string out = program.Output();
    int found = 0;
    for (size_t at = out.find("fullscreen="); at != std::string::npos;
         at = out.find("fullscreen=", at + 1))
      ++found;
    if (found >= count) return true;
    std::this_thread::sleep_for(50ms);
  }
  return false;
}

// The screen once it shows what `shows` looks for (looked at again for about 10 seconds).
QImage CaptureShowing(const std::function<bool(const QImage&)>& shows) {
  QImage screen = CaptureScreen();
  for (int i = 0; i < 20 && !shows(screen); ++i) {
    std::this_thread::sleep_for(500ms);
    screen = CaptureScreen();
  }
  return screen;
}

// The planet where the glide leaves it, centred in the normal window: the window's 829 rows
// make its radius 829 / 1080 * 255.5 = 196 pixels about the window's centre (960, 540).
bool ShowsThePlanetInTheNormalWindow(const QImage& screen) {
  const int cx = 960, cy = 540;
  for (int d : {0, -170, 170})
    if (Brightness(screen, cx, cy + d) <= 40) return false;
  for (int d : {-225, 225})
    if (Brightness(screen, cx, cy + d) >= 40) return false;
  return true;
}

// The side panel's dark blue, between its buttons, at (50, 200) of the window's client area.
bool ShowsThePanelAt(const QImage& screen, int x, int y) {
  const QColor c = screen.pixelColor(x + 50, y + 200);
  return c.blue() > 70 && c.blue() > c.red() + 20;
}

TEST(MainWindowFullScreen, LeavesToTheCentredWindowAndCoversTheScreenAgain) {
  constexpr TWindowGeometry Screen{0, 0, 1920, 1080};
  // (1920 - 1332) / 2 = 294; (1080 - 829) / 2 = 125.5, rounded half to even.
  constexpr TWindowGeometry Normal{294, 126, 1332, 829};
  TProcess program(ORVANE_FULL_SCREEN_VIEWER);
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window) << program.Output();
  ASSERT_TRUE(HasGeometry(*window, Screen));

  Xdotool("key f");
  ASSERT_TRUE(Toggled(program, 1)) << program.Output();
  EXPECT_TRUE(HasGeometry(*window, Normal));
  const QImage normal = CaptureShowing(ShowsThePlanetInTheNormalWindow);
  SavePicture(normal, "full-screen-left");
  EXPECT_TRUE(ShowsThePlanetInTheNormalWindow(normal));
  // The client area starts at the window's corner: the panel moved with it.
  EXPECT_TRUE(ShowsThePanelAt(normal, 294, 126));
  EXPECT_FALSE(ShowsThePanelAt(normal, 0, 0));

  Xdotool("key f");
  ASSERT_TRUE(Toggled(program, 2)) << program.Output();
  EXPECT_TRUE(HasGeometry(*window, Screen));
  const QImage entered = CaptureShowing(ShowsTheGlidedInPlanet);
  SavePicture(entered, "full-screen-entered-again");
  EXPECT_TRUE(ShowsTheGlidedInPlanet(entered));
  EXPECT_TRUE(ShowsThePanelAt(entered, 0, 0));

  // Out and in again without waiting in between.
  Xdotool("key --delay 0 f f");
  ASSERT_TRUE(Toggled(program, 4)) << program.Output();
  EXPECT_TRUE(HasGeometry(*window, Screen));
  EXPECT_TRUE(ShowsTheGlidedInPlanet(CaptureShowing(ShowsTheGlidedInPlanet)));

  RequestClose(*window);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
}

}  // namespace
}  // namespace e2e
