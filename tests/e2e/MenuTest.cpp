// The context menu as a person uses it: a right click on empty space opens it with its
// top-left corner at the pointer, Shift+F10 at the centre of the screen; the scene goes on
// moving while it is open; its items show the information, hide the name, stop and resume
// the bodies' motion and end the program. The screen is 1920 x 1080; the side panel covers
// (40, 40) to (185, 393).
#include <gtest/gtest.h>

#include <QColor>
#include <thread>

#include "MenuDriver.h"

namespace e2e {
namespace {

// How many pixels of `r` differ by more than `levels` in brightness between two captures.
int Changed(const QImage& a, const QImage& b, QRect r, int levels) {
  int changed = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (std::abs(Brightness(a, x, y) - Brightness(b, x, y)) > levels) ++changed;
  return changed;
}

// Pixels of `colour` (within 4 levels per channel) in `r`.
int InkIn(const QImage& image, QRect r, QColor colour) {
  return CountColour(image, r, colour, 4);
}

// The planet's disc (radius 255 about the centre), clear of the menu and the panel.
const QRect PlanetArea(760, 400, 400, 280);
// Everything below the panel.
const QRect BelowThePanel(0, 400, 1920, 680);
// The name at the top centre, light grey; the information texts either side of x = 960.
const QRect LabelArea(760, 0, 400, 40);
const QRect CaptionsArea(700, 40, 260, 300), ValuesArea(960, 40, 260, 300);
const QColor LabelGrey(0xBA, 0xBA, 0xBA);

struct Menu : ::testing::Test {
  TProcess Program{ORVANE_BINARY};
  QImage Settled;

  void SetUp() override {
    ASSERT_TRUE(WaitForWindow("^Moons of Orvane$")) << Program.Output();
    Settled = CaptureAfterTheGlide();
    ASSERT_TRUE(ShowsTheGlidedInPlanet(Settled)) << SavePicture(Settled, "menu-start");
  }
};

TEST_F(Menu, OpensAtThePointerWhileTheSceneMovesOnAndShowsInfoAndHidesTheName) {
  QImage open;
  const QRect box = OpenMenuAt({1500, 150}, &open);
  SavePicture(open, "menu-open");
  ASSERT_FALSE(box.isEmpty()) << "no menu at the pointer";
  EXPECT_EQ(box.topLeft(), QPoint(1500, 150));
  EXPECT_GT(box.width(), 100);
  EXPECT_GT(box.height(), 7 * 16);
  std::this_thread::sleep_for(1s);
  const QImage stillOpen = CaptureScreen();
  EXPECT_EQ(MenuBoxAt(stillOpen, {1500, 150}), box);
  EXPECT_GT(Changed(open, stillOpen, PlanetArea, 8), 1000) << "the planet turns meanwhile";

  EXPECT_EQ(InkIn(Settled, CaptionsArea, Qt::white) + InkIn(Settled, ValuesArea, Qt::white), 0);
  ChooseMenuRow(box, ShowInfo);
  const QImage info =
      CaptureWhen([](const QImage& s) { return InkIn(s, ValuesArea, Qt::white) > 300; });
  SavePicture(info, "menu-show-info");
  EXPECT_TRUE(MenuBoxAt(info, {1500, 150}).isEmpty()) << "the menu has closed";
  EXPECT_GT(InkIn(info, CaptionsArea, Qt::white), 300);
  EXPECT_GT(InkIn(info, ValuesArea, Qt::white), 300);

  ASSERT_GT(InkIn(info, LabelArea, LabelGrey), 50);
  ChooseMenuRow(OpenMenuAt({1500, 150}), ShowNames);
  const QImage nameless =
      CaptureWhen([](const QImage& s) { return InkIn(s, LabelArea, LabelGrey) == 0; });
  SavePicture(nameless, "menu-names-hidden");
  EXPECT_EQ(InkIn(nameless, LabelArea, LabelGrey), 0);
  EXPECT_GT(InkIn(nameless, ValuesArea, Qt::white), 300) << "the information stays";
}

TEST_F(Menu, AutoRotateOffFreezesTheBodiesAndOnResumesThemWithoutAJump) {
  ChooseMenuRow(OpenMenuAt({1500, 150}), AutoRotate);
  // Two captures a second apart show the same; a slow build may still show a frame drawn
  // before the stop in the first, so the pair is taken again a few times.
  QImage frozen = CaptureScreen(), later;
  for (int i = 0; i < 3; ++i) {
    std::this_thread::sleep_for(1s);
    later = CaptureScreen();
    if (Changed(frozen, later, BelowThePanel, 8) == 0) break;
    frozen = later;
  }
  SavePicture(later, "menu-frozen");
  EXPECT_EQ(Changed(frozen, later, BelowThePanel, 8), 0);

  // The first capture after resuming is taken at once; it differs from the frozen picture much
  // less than the picture changes over the second that follows: the bodies go on from where
  // they stood.
  ClickMenuRow(OpenMenuAt({1500, 150}), AutoRotate);
  std::this_thread::sleep_for(300ms);
  const QImage resumed = CaptureScreen();
  SavePicture(resumed, "menu-resumed");
  std::this_thread::sleep_for(1s);
  const QImage moving = CaptureScreen();
  const int resuming = Changed(frozen, resumed, BelowThePanel, 24);
  const int aSecondOn = Changed(resumed, moving, BelowThePanel, 24);
  EXPECT_GT(aSecondOn, 2000) << "moving again";
  EXPECT_LT(resuming, aSecondOn / 2);
}

TEST_F(Menu, ShiftF10OpensItAtTheCentreAndExitEndsTheProgram) {
  Xdotool("mousemove 1500 150");
  Xdotool("key shift+F10");
  const QImage open = CaptureWhen([](const QImage& s) {
    return !MenuBoxAt(s, {960, 540}).isEmpty();
  });
  SavePicture(open, "menu-from-the-keyboard");
  const QRect box = MenuBoxAt(open, {960, 540});
  ASSERT_FALSE(box.isEmpty()) << "no menu at the centre";
  EXPECT_EQ(box.topLeft(), QPoint(960, 540));
  ChooseMenuRow(box, Exit);
  EXPECT_EQ(Program.Wait(10s), 0) << Program.Output();
}

TEST_F(Menu, ClosingTheWindowWhileTheMenuIsOpenEndsTheProgramCleanly) {
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window);
  ASSERT_FALSE(OpenMenuAt({1500, 150}).isEmpty());
  RequestClose(*window);
  EXPECT_EQ(Program.Wait(10s), 0) << Program.Output();
}

}  // namespace
}  // namespace e2e
