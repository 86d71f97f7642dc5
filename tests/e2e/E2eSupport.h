// Driving the real program as a person would: start it on the test's X display, find its
// windows, press keys, capture the screen and close windows the way a window manager does.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "VirtualScreen.h"

namespace e2e {

using namespace std::chrono_literals;

class TProcess {
 public:
  explicit TProcess(const std::string& path, const std::vector<std::string>& args = {});
  ~TProcess();  // kills the process if it still runs
  TProcess(const TProcess&) = delete;
  TProcess& operator=(const TProcess&) = delete;

  bool Running();
  // The exit code once the process has ended within `timeout`, else nothing.
  std::optional<int> Wait(std::chrono::milliseconds timeout);
  void Kill();
  std::string Output() const;  // what it wrote to stdout and stderr
  int Pid() const { return FPid; }

 private:
  int FPid = -1;
  std::optional<int> FExitCode;
  std::string FLogPath;
};

// Sets or removes an environment variable for as long as it lives, then puts it back.
class TEnvironmentChange {
 public:
  TEnvironmentChange(const char* name, const char* value) : FName(name) {
    if (const char* old = std::getenv(name)) FOld = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~TEnvironmentChange() { FOld ? setenv(FName, FOld->c_str(), 1) : unsetenv(FName); }

 private:
  const char* FName;
  std::optional<std::string> FOld;
};

// An X server of the test's own (a test of odd displays starts one beside the program's).
using testdisplay::TVirtualScreen;

struct TWindowGeometry {
  int X = 0, Y = 0, Width = 0, Height = 0;
};
// "X,Y WIDTHxHEIGHT"
std::string Text(const TWindowGeometry& g);
// The main window on the 1920 x 1080 screen: full screen, and in its normal state (client
// 1332 x 829, centred: (1920 - 1332) / 2 = 294, (1080 - 829) / 2 = 125.5 rounded half to
// even; there is no window manager, so no frame).
constexpr TWindowGeometry FullScreenGeometry{0, 0, 1920, 1080};
constexpr TWindowGeometry NormalGeometry{294, 126, 1332, 829};

// The first window whose name matches `name` (a regular expression), waiting up to `timeout`.
std::optional<unsigned long> WaitForWindow(const std::string& name,
                                           std::chrono::milliseconds timeout = 10s);
bool WindowExists(unsigned long window);
TWindowGeometry WindowGeometry(unsigned long window);
// Waits (twenty seconds at the most: a sanitized build is slow) until the window has the
// `expected` geometry; answers the geometry it had at the last look.
TWindowGeometry WaitForGeometry(unsigned long window, const TWindowGeometry& expected);
// Sends the window manager's close request (WM_DELETE_WINDOW), as the close button would.
void RequestClose(unsigned long window);
void PressKey(unsigned long window, const std::string& key);
// The size of the test's display.
QSize ScreenSize();
// The whole screen of the test's display, or a rectangle of it (none when the rectangle
// does not lie on the screen).
QImage CaptureScreen();
QImage CaptureArea(QRect area);
// Runs xrandr with the given arguments (monitors set and deleted) and waits for it.
void Xrandr(const std::string& arguments);
// Runs xdotool with the given arguments (pointer moves, presses, window commands) and waits
// for it to finish.
void Xdotool(const std::string& arguments);
// Presses a key (by xdotool's name for it) and waits while the next frames are drawn.
void TypeKey(const std::string& key);
// What a shell command prints on its standard output.
std::string RunCommand(const std::string& command);

// Brightness of a screen pixel, 0..255.
int Brightness(const QImage& image, int x, int y);
// How many pixels of `r` have `colour`, within `tolerance` levels in each channel.
int CountColour(const QImage& image, QRect r, QColor colour, int tolerance);
// True when a 1920 x 1080 screen shows the planet as the start-up glide leaves it: bright
// inside its rim above and below the centre, dark just beyond.
bool ShowsTheGlidedInPlanet(const QImage& screen);
// The same in a full-screen view of any size whose rectangle on the screen is `view`: the
// planet's radius is 255.5 / 1080 of the view's height about its centre.
bool ShowsTheGlidedInPlanetIn(const QImage& screen, QRect view);
// The planet where the glide leaves it, centred in the normal window: the window's 829 rows
// make its radius 829 / 1080 * 255.5 = 196 pixels about the window's centre (960, 540).
bool ShowsThePlanetInTheNormalWindow(const QImage& screen);
// The side panel's dark blue, between its buttons, at (50, 200) of a client area whose corner
// is at (x, y): the panel at 0.8 over the sky is bluish and not dark.
bool ShowsThePanelAt(const QImage& screen, int x, int y);
// The same for a window at the screen's top left (a full-screen one).
bool ShowsThePanel(const QImage& screen);
// The screen once the start-up glide has ended (looked at again until the camera has settled,
// about 30 seconds at the most).
QImage CaptureAfterTheGlide();
// How many pixels of the band across the top of the screen (80 rows) changed brightness by more
// than 24 between two captures. The band shows only the star field, which moves only when the
// view turns (the moons orbit near the ring plane, far below it).
int SkyChange(const QImage& before, const QImage& after);

// Saves `image` under the build's e2e-pictures folder for a person to look at.
std::string SavePicture(const QImage& image, const std::string& name);

}  // namespace e2e
