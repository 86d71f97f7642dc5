// Every key of the list F1 shows, as a person presses them on the full-screen viewer: F1 shows
// the list over the view and F1 hides it; an arrow turns the view and + zooms in; F11 leaves
// full screen for the centred 1332 x 829 window and enters it again; Ctrl+S opens the
// screenshot's save dialog; the About window closes with Escape.
#include <gtest/gtest.h>

#include <QColor>
#include <string>
#include <thread>

#include "MenuDriver.h"

namespace e2e {
namespace {

// Where the list of keys lies on the 1920 x 1080 screen: 480 x 340, centred.
const QRect KeyList(720, 370, 480, 340);

// Whether a window of that name is shown, waiting up to `wait` for it to be so.
bool Shown(const std::string& name, bool shown, std::chrono::milliseconds wait = 10s) {
  const auto end = std::chrono::steady_clock::now() + wait;
  do {
    const bool now =
        !RunCommand("xdotool search --onlyvisible --name '" + name + "' 2>/dev/null").empty();
    if (now == shown) return true;
    std::this_thread::sleep_for(100ms);
  } while (std::chrono::steady_clock::now() < end);
  return false;
}

TEST(Keys, F1ArrowsPlusF11CtrlSAndEscapeDoWhatTheListSays) {
  TProcess program(ORVANE_BINARY);
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window) << program.Output();
  Xdotool("mousemove 1500 150");
  const QImage settled = CaptureAfterTheGlide();
  ASSERT_TRUE(ShowsTheGlidedInPlanet(settled)) << SavePicture(settled, "keys-start");

  // F1: the list over the middle, light text on the panel's dark face; F1 again: gone.
  TypeKey("F1");
  const QImage list = CaptureScreen();
  SavePicture(list, "keys-list");
  EXPECT_GT(CountColour(list, KeyList, QColor(0xE8, 0xE8, 0xE8), 40), 1500)
      << "no text in the list";
  // The panel's translucent blue face near its lower left corner, over the planet's rings.
  const QColor face = list.pixelColor(KeyList.left() + 12, KeyList.bottom() - 12);
  EXPECT_GT(face.blue(), face.red() + 30) << "no panel face: " << face.name().toStdString();
  TypeKey("F1");
  EXPECT_TRUE(ShowsTheGlidedInPlanet(CaptureScreen()));

  // An arrow turns the view: the star field moves (two presses, 4 degrees: a few hundred of
  // its pixels, where nothing moves without them).
  const QImage before = CaptureScreen();
  TypeKey("Right");
  TypeKey("Right");
  EXPECT_GT(SkyChange(before, CaptureScreen()), 300);

  // + five times (the keypad's once): the camera from -26 to -20, the rim beyond 320 pixels.
  for (const char* plus : {"plus", "plus", "plus", "plus", "plus", "KP_Add"})
    Xdotool(std::string("key ") + plus);
  std::this_thread::sleep_for(800ms);
  const QImage zoomed = CaptureScreen();
  SavePicture(zoomed, "keys-zoomed");
  EXPECT_GT(Brightness(zoomed, 960, 540 - 320), 40);
  EXPECT_GT(Brightness(zoomed, 960, 540 + 320), 40);

  // F11: the centred window, then full screen again.
  TypeKey("F11");
  EXPECT_EQ(Text(WaitForGeometry(*window, NormalGeometry)), Text(NormalGeometry));
  TypeKey("F11");
  EXPECT_EQ(Text(WaitForGeometry(*window, FullScreenGeometry)), Text(FullScreenGeometry));

  // Ctrl+S: the screenshot's save dialog; Escape cancels it.
  Xdotool("key ctrl+s");
  const auto dialog = WaitForWindow("^Save", 20s);
  ASSERT_TRUE(dialog) << "no save dialog";
  std::this_thread::sleep_for(500ms);
  SavePicture(CaptureScreen(), "keys-save-dialog");
  Xdotool("key Escape");
  EXPECT_TRUE(Shown("^Save", false)) << "the dialog stays";

  // The About window from the menu; Escape closes it.
  const QRect menu = OpenMenuAt({1500, 150});
  ASSERT_FALSE(menu.isEmpty()) << "no menu at the pointer";
  ChooseMenuRow(menu, About);
  ASSERT_TRUE(WaitForWindow("^About$", 20s)) << "no About window";
  std::this_thread::sleep_for(500ms);
  Xdotool("key Escape");
  EXPECT_TRUE(Shown("^About$", false)) << "Escape leaves the About window open";

  RequestClose(*window);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
}

}  // namespace
}  // namespace e2e
