// An X server of the tests' own: each test process that needs a display starts one, so that
// tests run side by side without sharing a screen and never show on the developer's desktop.
#pragma once

#include <optional>
#include <string>

namespace testdisplay {

// A virtual screen of width x height pixels (24-bit colour) on a free display number
// (Xvfb picks it itself, so servers started at once never collide), which the programs the
// test starts, its captures and its xdotool and xrandr commands use (DISPLAY) while it lives.
// It never resets, so no connection needs to be held open for it.
class TVirtualScreen {
 public:
  TVirtualScreen(int width, int height);
  ~TVirtualScreen();  // ends the server and puts DISPLAY back
  TVirtualScreen(const TVirtualScreen&) = delete;
  TVirtualScreen& operator=(const TVirtualScreen&) = delete;
  // ":N" once the server answers, else empty (it could not be started).
  const std::string& Name() const { return FName; }

 private:
  int FPid = -1;
  std::string FName;
  std::optional<std::string> FOldDisplay;
};

// The screen a whole test program runs on: 1920 x 1080, as the tests' pictures expect. Sets
// DISPLAY and clears WAYLAND_DISPLAY (a developer's Wayland session must not take the
// windows). Prints why and answers false when Xvfb could not be started.
bool StartTheTestScreen(std::optional<TVirtualScreen>& screen);

}  // namespace testdisplay
