// The program on odd displays, each on an X server of the test's own: a tiny screen, an 8K
// one, and one wider than the graphics device's render targets (16384 pixels a side on Mesa's
// software rasterizer); and monitors added and removed while it runs. Each time the full-screen
// window covers its screen or monitor, the planet is drawn, and "Exit" ends the program with
// status 0.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>
#include <thread>

#include "E2eSupport.h"
#include "MenuDriver.h"

namespace e2e {
namespace {

struct TScreenSize {
  const char* Name;
  int Width, Height;
};
// How ctest lists a case.
void PrintTo(const TScreenSize& size, std::ostream* out) {
  *out << size.Width << " x " << size.Height;
}

// The side panel spans 40 to 185 pixels across at scale 1.
bool PanelCovers(int x) {
  return x >= 40 && x <= 185;
}

QImage CaptureTheGlidedInPlanet(QRect view) {
  return CaptureWhen([view](const QImage& s) { return ShowsTheGlidedInPlanetIn(s, view); }, 60s);
}

// A picture small enough to look at: a huge screen scaled down to 1920 pixels across; a
// strip far wider than high as its left end, middle and right end, 1920 columns each, one
// above the other at full size.
void SaveForAPerson(const QImage& screen, const std::string& name) {
  if (screen.width() <= 1920) {
    SavePicture(screen, name);
  } else if (screen.width() <= 4 * screen.height()) {
    SavePicture(screen.scaledToWidth(1920, Qt::SmoothTransformation), name);
  } else {
    QImage parts(1920, 3 * screen.height(), QImage::Format_RGB32);
    const int lefts[] = {0, (screen.width() - 1920) / 2, screen.width() - 1920};
    for (int i = 0; i < 3; ++i)
      for (int y = 0; y < screen.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(screen.constScanLine(y)) + lefts[i], 1920,
                    reinterpret_cast<QRgb*>(parts.scanLine(i * screen.height() + y)));
    SavePicture(parts, name);
  }
}

// The body's name stands in the top 40 rows, centred on the screen: its bright pixels within
// 150 columns either side of the middle lie about the middle. (Painted with a viewport the
// device had cut down, it stood hundreds of pixels to the left on a screen wider than 16384.)
bool ShowsTheNameCentred(const QImage& screen) {
  const int middle = screen.width() / 2;
  long sum = 0, count = 0;
  for (int y = 5; y < 40; ++y)
    for (int x = middle - 150; x < middle + 150; ++x)
      if (Brightness(screen, x, y) > 150) sum += x, ++count;
  return count >= 30 && std::abs(static_cast<double>(sum) / count - middle) < 15;
}

class ScreenSize : public ::testing::TestWithParam<TScreenSize> {};

TEST_P(ScreenSize, FullScreenShowsThePlanetAndExitEndsTheProgram) {
  const TScreenSize size = GetParam();
  TVirtualScreen screen(size.Width, size.Height);
  ASSERT_FALSE(screen.Name().empty()) << "Xvfb did not start";
  TProcess program(ORVANE_BINARY);
  const auto window = WaitForWindow("^Moons of Orvane$", 60s);
  ASSERT_TRUE(window) << program.Output();
  const TWindowGeometry whole{0, 0, size.Width, size.Height};
  EXPECT_EQ(Text(WaitForGeometry(*window, whole)), Text(whole));
  const QRect view(0, 0, size.Width, size.Height);
  // Where the panel hides the planet's centre (a narrow screen), a double-click on the sky in
  // the lower right corner hides the panel, as a person would.
  if (PanelCovers(size.Width / 2)) {
    // The panel drawn first: its blue at (50, 150), the lowest row of it the screen shows.
    CaptureWhen([](const QImage& s) { return ShowsThePanelAt(s, 0, -50); }, 60s);
    Xdotool("mousemove " + std::to_string(size.Width - 4) + " " + std::to_string(size.Height - 4) +
            " click --repeat 2 --delay 80 1");
  }
  const QImage shown = CaptureTheGlidedInPlanet(view);
  SaveForAPerson(shown, std::string("screen-") + size.Name);
  EXPECT_TRUE(ShowsTheGlidedInPlanetIn(shown, view)) << program.Output();
  EXPECT_TRUE(ShowsTheNameCentred(shown));
  ASSERT_TRUE(program.Running()) << program.Output();
  const QRect menu = OpenMenuNear({size.Width * 3 / 4, size.Height / 10});
  ASSERT_FALSE(menu.isEmpty());
  ChooseMenuRow(menu, Exit);
  EXPECT_EQ(program.Wait(60s), 0) << program.Output();
}

// 8K takes about 1.5 GB at its peak on the software rasterizer. 17000 x 300 is wider than
// the rasterizer's 16384: the view is drawn at 16384 x 289 and enlarged, of which the device
// shows the first 16384 columns (the planet lies in them).
INSTANTIATE_TEST_SUITE_P(Displays, ScreenSize,
                         ::testing::Values(TScreenSize{"Tiny320x200", 320, 200},
                                           TScreenSize{"Huge7680x4320", 7680, 4320},
                                           TScreenSize{"BeyondTheDevice17000x300", 17000, 300}),
                         [](const auto& info) { return std::string(info.param.Name); });

// RandR monitors on one wide X screen, set and deleted while the program runs: Qt reports them
// as screens added and removed. The window goes full screen on the monitor it is on, stays put
// when another monitor comes or goes, and covers a remaining one when its own is removed.
TEST(Displays, MonitorsComeAndGoWhileTheViewerRuns) {
  TVirtualScreen screen(3840, 1080);
  ASSERT_FALSE(screen.Name().empty()) << "Xvfb did not start";
  // The left half takes over the screen's own output; the right half has none.
  const std::string left = "--setmonitor Left 1920/508x1080/286+0+0 screen";
  const std::string right = "--setmonitor Right 1920/508x1080/286+1920+0 none";
  Xrandr(left);
  TProcess program(ORVANE_BINARY);
  const auto window = WaitForWindow("^Moons of Orvane$", 30s);
  ASSERT_TRUE(window) << program.Output();
  const TWindowGeometry onLeft{0, 0, 1920, 1080}, onRight{1920, 0, 1920, 1080};
  const QRect leftView(0, 0, 1920, 1080), rightView(1920, 0, 1920, 1080);
  EXPECT_EQ(Text(WaitForGeometry(*window, onLeft)), Text(onLeft));
  EXPECT_TRUE(ShowsTheGlidedInPlanetIn(CaptureTheGlidedInPlanet(leftView), leftView));

  const struct {
    const char* What;
    std::string Xrandr;
    TWindowGeometry Expected;
    QRect View;
  } changes[] = {
      {"another monitor added", right, onLeft, leftView},
      {"the other monitor removed", "--delmonitor Right", onLeft, leftView},
  };
  for (const auto& c : changes) {
    SCOPED_TRACE(c.What);
    Xrandr(c.Xrandr);
    std::this_thread::sleep_for(1500ms);
    ASSERT_TRUE(program.Running()) << program.Output();
    EXPECT_EQ(Text(WaitForGeometry(*window, c.Expected)), Text(c.Expected));
    EXPECT_TRUE(ShowsTheGlidedInPlanetIn(CaptureTheGlidedInPlanet(c.View), c.View));
  }

  // With two monitors: out of full screen, the window dragged onto the right one and full
  // screen again covers the right one.
  Xrandr(right);
  std::this_thread::sleep_for(1500ms);
  ChooseMenuRow(OpenMenuAt({1500, 150}), FullScreen);
  EXPECT_EQ(Text(WaitForGeometry(*window, NormalGeometry)), Text(NormalGeometry));
  const TWindowGeometry moved{NormalGeometry.X + 1920, NormalGeometry.Y, NormalGeometry.Width,
                              NormalGeometry.Height};
  Xdotool("windowmove " + std::to_string(*window) + " " + std::to_string(moved.X) + " " +
          std::to_string(moved.Y));
  EXPECT_EQ(Text(WaitForGeometry(*window, moved)), Text(moved));
  ChooseMenuRow(OpenMenuAt({3420, 300}), FullScreen);
  EXPECT_EQ(Text(WaitForGeometry(*window, onRight)), Text(onRight));
  const QImage both = CaptureTheGlidedInPlanet(rightView);
  SaveForAPerson(both, "monitors-full-screen-on-the-right");
  EXPECT_TRUE(ShowsTheGlidedInPlanetIn(both, rightView));

  // Its own monitor removed, the window covers the one left.
  Xrandr("--delmonitor Right");
  std::this_thread::sleep_for(1500ms);
  ASSERT_TRUE(program.Running()) << program.Output();
  EXPECT_EQ(Text(WaitForGeometry(*window, onLeft)), Text(onLeft));
  const QImage after = CaptureTheGlidedInPlanet(leftView);
  SaveForAPerson(after, "monitors-own-removed");
  EXPECT_TRUE(ShowsTheGlidedInPlanetIn(after, leftView));

  ChooseMenuRow(OpenMenuAt({1500, 150}), Exit);
  EXPECT_EQ(program.Wait(60s), 0) << program.Output();
}

// --screen opens the window on a monitor by its name or number, full screen there; an unknown
// one ends the program with status 2 and the list of the monitors there are.
TEST(Displays, TheScreenOptionOpensOnTheMonitorItNames) {
  TVirtualScreen screen(3840, 1080);
  ASSERT_FALSE(screen.Name().empty()) << "Xvfb did not start";
  Xrandr("--setmonitor Left 1920/508x1080/286+0+0 screen");
  Xrandr("--setmonitor Right 1920/508x1080/286+1920+0 none");
  const TWindowGeometry onRight{1920, 0, 1920, 1080};
  for (const char* name : {"Right", "1"}) {
    SCOPED_TRACE(name);
    TProcess program(ORVANE_BINARY, {"--screen", name});
    const auto window = WaitForWindow("^Moons of Orvane$", 30s);
    ASSERT_TRUE(window) << program.Output();
    EXPECT_EQ(Text(WaitForGeometry(*window, onRight)), Text(onRight));
    RequestClose(*window);
    EXPECT_EQ(program.Wait(30s), 0) << program.Output();
  }
  TProcess unknown(ORVANE_BINARY, {"--screen", "Nowhere"});
  EXPECT_EQ(unknown.Wait(30s), 2);
  const std::string said = unknown.Output();
  EXPECT_NE(said.find("no monitor 'Nowhere'"), std::string::npos) << said;
  EXPECT_NE(said.find("0: Left, 1920 x 1080 at 0, 0"), std::string::npos) << said;
  EXPECT_NE(said.find("1: Right, 1920 x 1080 at 1920, 0"), std::string::npos) << said;
}

}  // namespace
}  // namespace e2e
