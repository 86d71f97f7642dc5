// One-shot timers of the user-interface thread, for logic that waits a short while for
// something to happen (the touch recognizer's double-tap window).
//
// The program uses the Qt source (ui/qt/QtOneShotTimer.h); tests use a source whose timers
// they fire by hand.
#pragma once

#include <functional>
#include <memory>

#include "scene/service/Service.h"

namespace ui {

// A running one-shot timer. Destroying the handle cancels it; the handle may be destroyed
// from inside its own callback.
class IOneShotTimer {
 public:
  virtual ~IOneShotTimer() = default;
};

class IOneShotTimerSource {
 public:
  virtual ~IOneShotTimerSource() = default;
  // Starts a timer that calls `onElapsed` once, from the event loop, after about
  // `milliseconds` (never from inside this call), unless its handle is destroyed first.
  virtual std::unique_ptr<IOneShotTimer> StartOneShot(int milliseconds,
                                                      std::function<void()> onElapsed) = 0;
};

}  // namespace ui
