// Leaving and entering full screen through the context menu's "Full screen": the main window
// starts borderless over the 1920 x 1080 screen, leaves to its normal placement (client
// 1332 x 829, centred in the screen: there is no window manager, so no frame) with the planet
// centred in it, and covers the screen again when it enters; chosen twice in quick succession
// it ends where it began.
#include <gtest/gtest.h>

#include <QColor>
#include <string>
#include <thread>

#include "MenuDriver.h"

namespace e2e {
namespace {

std::string Text(const TWindowGeometry& g) {
  return std::to_string(g.X) + "," + std::to_string(g.Y) + " " + std::to_string(g.Width) + "x" +
         std::to_string(g.Height);
}

// Waits (twenty seconds at the most: a sanitized build is slow) until the window has the
// geometry.
::testing::AssertionResult HasGeometry(unsigned long window, const TWindowGeometry& expected) {
  TWindowGeometry g;
  for (int i = 0; i < 400; ++i) {
    g = WindowGeometry(window);
    if (Text(g) == Text(expected)) return ::testing::AssertionSuccess();
    std::this_thread::sleep_for(50ms);
  }
  return ::testing::AssertionFailure()
         << "the window is at " << Text(g) << ", not at " << Text(expected);
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
  // Empty space both in the full-screen and in the normal window.
  const QPoint emptySpace(1500, 150);
  TProcess program(ORVANE_BINARY);
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window) << program.Output();
  ASSERT_TRUE(HasGeometry(*window, Screen));
  ASSERT_TRUE(ShowsTheGlidedInPlanet(CaptureAfterTheGlide()));

  QRect menu = OpenMenuAt(emptySpace);
  ASSERT_FALSE(menu.isEmpty()) << "no menu at the pointer";
  ChooseMenuRow(menu, FullScreen);
  EXPECT_TRUE(HasGeometry(*window, Normal));
  const QImage normal = CaptureWhen(ShowsThePlanetInTheNormalWindow);
  SavePicture(normal, "full-screen-left");
  EXPECT_TRUE(ShowsThePlanetInTheNormalWindow(normal));
  // The client area starts at the window's corner: the panel moved with it.
  EXPECT_TRUE(ShowsThePanelAt(normal, 294, 126));
  EXPECT_FALSE(ShowsThePanelAt(normal, 0, 0));

  menu = OpenMenuAt(emptySpace);
  ASSERT_FALSE(menu.isEmpty()) << "no menu in the normal window";
  ChooseMenuRow(menu, FullScreen);
  EXPECT_TRUE(HasGeometry(*window, Screen));
  const QImage entered = CaptureWhen(ShowsTheGlidedInPlanet);
  SavePicture(entered, "full-screen-entered-again");
  EXPECT_TRUE(ShowsTheGlidedInPlanet(entered));
  EXPECT_TRUE(ShowsThePanelAt(entered, 0, 0));

  // Out and in again without waiting in between: the second choice comes as soon as the menu
  // shows again, whatever the window's state by then.
  ClickMenuRow(OpenMenuAt(emptySpace), FullScreen);
  menu = OpenMenuAt(emptySpace);
  ASSERT_FALSE(menu.isEmpty()) << "no menu after the first quick choice";
  ChooseMenuRow(menu, FullScreen);
  EXPECT_TRUE(HasGeometry(*window, Screen));
  EXPECT_TRUE(ShowsTheGlidedInPlanet(CaptureWhen(ShowsTheGlidedInPlanet)));

  RequestClose(*window);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
}

}  // namespace
}  // namespace e2e
