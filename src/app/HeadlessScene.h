// The main window made without a window or a display, for `--screenshot` and `--record`: hosted
// off-screen on a headless GL context, its clock run by hand, and its view drawn as the menu's
// "Screenshot" draws it.
//
// The clock ticks as the event loop's timer would, at every 1/60 s of the clock, and once more
// at the moment asked for when that is between two ticks. The animations add up their ticks,
// so the scene at a moment depends on the ticks that led there; the ticks lie where they do
// whatever moment is asked for, so running the clock on to a later moment gives the picture
// that running it there at once gives, for every moment on a tick (all frames of a recording
// whose moments are whole 60ths of a second).
#pragma once

#include <functional>
#include <string>

#include "scene/animation/ManualAnimationPlatform.h"
#include "ui/paint/Bitmap.h"

namespace app {

class THeadlessScene {
 public:
  explicit THeadlessScene(scene::TManualAnimationPlatform& clock) : FClock(clock) {}

  // Runs the clock on to `seconds` since the window was made (never back).
  void RunClockTo(double seconds);
  // The view now, opaque, as SaveScreenshot saves it.
  ui::TBitmap Picture();

 private:
  scene::TManualAnimationPlatform& FClock;
};

struct THeadlessRun {
  int Width = 0, Height = 0;  // the view's size in pixels
  std::string What;           // "the screenshot": how messages name what is made
  // The status for a size the device cannot draw, and what is printed after the reason.
  int RefusedSizeStatus = 1;
  std::string AfterRefusal;
};

// Makes the main window at the run's size and calls `work` with it, the clock at 0. Returns
// what `work` returns; 1 after printing the reason when the device or the window cannot be
// made or `work` raised, RefusedSizeStatus when the device cannot draw the size.
int RunHeadless(int argc, char** argv, const THeadlessRun& run,
                const std::function<int(THeadlessScene&)>& work);

}  // namespace app
