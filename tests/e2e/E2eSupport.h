// Driving the real program as a person would: start it on the test's X display, find its
// windows, press keys, capture the screen and close windows the way a window manager does.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

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

struct TWindowGeometry {
  int X = 0, Y = 0, Width = 0, Height = 0;
};

// The first window whose name matches `name` (a regular expression), waiting up to `timeout`.
std::optional<unsigned long> WaitForWindow(const std::string& name,
                                           std::chrono::milliseconds timeout = 10s);
bool WindowExists(unsigned long window);
TWindowGeometry WindowGeometry(unsigned long window);
// Sends the window manager's close request (WM_DELETE_WINDOW), as the close button would.
void RequestClose(unsigned long window);
void PressKey(unsigned long window, const std::string& key);
// The whole screen of the test's display.
QImage CaptureScreen();
// Runs xdotool with the given arguments (pointer moves, presses, window commands) and waits
// for it to finish.
void Xdotool(const std::string& arguments);

// Brightness of a screen pixel, 0..255.
int Brightness(const QImage& image, int x, int y);
// How many pixels of `r` have `colour`, within `tolerance` levels in each channel.
int CountColour(const QImage& image, QRect r, QColor colour, int tolerance);
// True when a 1920 x 1080 screen shows the planet as the start-up glide leaves it: bright
// inside its rim above and below the centre, dark just beyond.
bool ShowsTheGlidedInPlanet(const QImage& screen);
// The screen once the start-up glide has ended (looked at again until the camera has settled,
// about 30 seconds at the most).
QImage CaptureAfterTheGlide();

// Saves `image` under the build's e2e-pictures folder for a person to look at.
std::string SavePicture(const QImage& image, const std::string& name);

}  // namespace e2e
