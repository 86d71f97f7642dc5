// Leaving and entering full screen through the context menu's "Full screen": the main window
// starts borderless over the 1920 x 1080 screen, leaves to its normal placement (client
// 1332 x 829, centred in the screen: there is no window manager, so no frame) with the planet
// centred in it, and covers the screen again when it enters; chosen twice in quick succession
// it ends where it began.
#include <gtest/gtest.h>

#include "MenuDriver.h"

namespace e2e {
namespace {

TEST(MainWindowFullScreen, LeavesToTheCentredWindowAndCoversTheScreenAgain) {
  // Empty space both in the full-screen and in the normal window.
  const QPoint emptySpace(1500, 150);
  TProcess program(ORVANE_BINARY);
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window) << program.Output();
  ASSERT_EQ(Text(WaitForGeometry(*window, FullScreenGeometry)), Text(FullScreenGeometry));
  ASSERT_TRUE(ShowsTheGlidedInPlanet(CaptureAfterTheGlide()));

  QRect menu = OpenMenuAt(emptySpace);
  ASSERT_FALSE(menu.isEmpty()) << "no menu at the pointer";
  ChooseMenuRow(menu, FullScreen);
  EXPECT_EQ(Text(WaitForGeometry(*window, NormalGeometry)), Text(NormalGeometry));
  const QImage normal = CaptureWhen(ShowsThePlanetInTheNormalWindow);
  SavePicture(normal, "full-screen-left");
  EXPECT_TRUE(ShowsThePlanetInTheNormalWindow(normal));
  // The client area starts at the window's corner: the panel moved with it.
  EXPECT_TRUE(ShowsThePanelAt(normal, 294, 126));
  EXPECT_FALSE(ShowsThePanelAt(normal, 0, 0));

  menu = OpenMenuAt(emptySpace);
  ASSERT_FALSE(menu.isEmpty()) << "no menu in the normal window";
  ChooseMenuRow(menu, FullScreen);
  EXPECT_EQ(Text(WaitForGeometry(*window, FullScreenGeometry)), Text(FullScreenGeometry));
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
  EXPECT_EQ(Text(WaitForGeometry(*window, FullScreenGeometry)), Text(FullScreenGeometry));
  EXPECT_TRUE(ShowsTheGlidedInPlanet(CaptureWhen(ShowsTheGlidedInPlanet)));

  RequestClose(*window);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
}

}  // namespace
}  // namespace e2e
