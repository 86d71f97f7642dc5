// The program's shell as a user meets it: the main window opens full screen on black, an
// error in a timer tick shows a message box without ending the program, and closing the main
// window ends the process with exit code 0.
#include <gtest/gtest.h>

#include <QColor>
#include <fstream>
#include <regex>
#include <string>

#include "E2eSupport.h"

namespace e2e {
namespace {

TEST(Shell, OpensFullScreenAndClosesWithExitCodeZero) {
  TProcess program(ORVANE_BINARY);
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window) << program.Output();
  std::this_thread::sleep_for(1s);
  const QImage screen = CaptureScreen();
  SavePicture(screen, "shell-start");
  const TWindowGeometry g = WindowGeometry(*window);
  EXPECT_EQ(g.X, 0);
  EXPECT_EQ(g.Y, 0);
  EXPECT_EQ(g.Width, screen.width());
  EXPECT_EQ(g.Height, screen.height());
  // The About window is created but not shown.
  EXPECT_FALSE(WaitForWindow("^About$", 200ms));

  RequestClose(*window);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
}

// Docks and task switchers match the window to its launcher by its class, and show the icon
// the window carries: the class is the installed desktop entry's StartupWMClass.
TEST(Shell, TheWindowCarriesTheProgramsIconAndTheDesktopEntrysClass) {
  TProcess program(ORVANE_BINARY);
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window) << program.Output();
  std::ifstream entry(ORVANE_DESKTOP_ENTRY);
  std::string line, startupClass;
  while (std::getline(entry, line))
    if (line.rfind("StartupWMClass=", 0) == 0) startupClass = line.substr(15);
  ASSERT_FALSE(startupClass.empty()) << "the desktop entry names no StartupWMClass";
  const std::string id = std::to_string(*window);
  // WM_CLASS(STRING) = "instance", "class"
  const std::string wmClass = RunCommand("xprop -id " + id + " WM_CLASS");
  EXPECT_NE(wmClass.find(", \"" + startupClass + "\""), std::string::npos) << wmClass;
  // _NET_WM_ICON(CARDINAL) = Icon (16 x 16): ..., one entry a size.
  const std::string icon =
      RunCommand("xprop -id " + id + " _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)'");
  for (const char* size : {"16 x 16", "32 x 32", "48 x 48", "128 x 128"})
    EXPECT_NE(icon.find(size), std::string::npos) << size << " in: " << icon;
}

TEST(Shell, ErrorInATimerTickShowsABoxAndTheLoopGoesOn) {
  TProcess probe(ORVANE_ERROR_PROBE);
  const auto window = WaitForWindow("^Probe window$");
  ASSERT_TRUE(window) << probe.Output();
  const auto box = WaitForWindow("^Error probe$");
  ASSERT_TRUE(box) << probe.Output();
  SavePicture(CaptureScreen(), "error-box");
  std::this_thread::sleep_for(300ms);
  EXPECT_TRUE(probe.Running());

  PressKey(*box, "Return");  // the box's one button
  for (int i = 0; i < 50 && WindowExists(*box); ++i)
    std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(WindowExists(*box));
  std::this_thread::sleep_for(300ms);
  EXPECT_TRUE(probe.Running());

  RequestClose(*window);
  ASSERT_EQ(probe.Wait(10s), 0) << probe.Output();
  std::smatch m;
  const std::string out = probe.Output();
  ASSERT_TRUE(std::regex_search(out, m, std::regex("ticks=(\\d+)"))) << out;
  EXPECT_GT(std::stoi(m[1]), 20);  // the timer kept running during and after the box
}

// A driver that offers OpenGL 3.0 only (Mesa told so): the program says what it lacks in a
// box and ends with a failure instead of showing a black screen.
TEST(Shell, WithoutOpenGl33ABoxSaysSoAndTheProgramFails) {
  setenv("MESA_GL_VERSION_OVERRIDE", "3.0", 1);
  TProcess program(ORVANE_BINARY);
  unsetenv("MESA_GL_VERSION_OVERRIDE");
  const auto box = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(box) << program.Output();
  std::this_thread::sleep_for(500ms);
  const QImage screen = CaptureScreen();
  SavePicture(screen, "no-opengl-3.3");
  // A light box in the middle of an otherwise black screen.
  EXPECT_GT(Brightness(screen, screen.width() / 2, screen.height() / 2), 150);
  EXPECT_LT(Brightness(screen, 20, 20), 30);
  PressKey(*box, "Return");
  EXPECT_EQ(program.Wait(10s), 1) << program.Output();
}

TEST(Shell, StartSceneAfterTheGlide) {
  TProcess program(ORVANE_BINARY);
  ASSERT_TRUE(WaitForWindow("^Moons of Orvane$")) << program.Output();
  const QImage screen = CaptureAfterTheGlide();
  SavePicture(screen, "start-scene");
  ASSERT_EQ(screen.size(), QSize(1920, 1080));
  EXPECT_TRUE(ShowsTheGlidedInPlanet(screen));
  // The sky covers the screen to its corners: no pixel is left white or grey.
  EXPECT_LT(Brightness(screen, 5, 5), 80);
  EXPECT_LT(Brightness(screen, 1914, 1074), 80);
  EXPECT_TRUE(program.Running());
}

}  // namespace
}  // namespace e2e
