// What the animation clock needs from the platform: a monotonic time source, one periodic
// timer of the user-interface thread, and a queue of tasks for that thread.
//
// The program installs one platform at start-up (scene::TService<IAnimationPlatform>), before
// any animation starts (the Qt one in ui/qt); tests install a hand-driven one and fire the
// timer and run the queued tasks themselves. The runtime does not own the platform. Installing
// another platform, or none, frees the clock (its timer belongs to the old platform); animations
// that were registered with it stay marked running but receive no ticks until they are started
// again.
#pragma once

#include <functional>
#include <memory>

#include "scene/service/Service.h"

namespace scene {

// A periodic timer of the user-interface thread. It starts disabled; while enabled it calls
// the callback it was created with about every Interval milliseconds, from the event loop
// (never from inside SetEnabled). An error thrown by the callback leaves the timer running.
class IAnimationTimer {
 public:
  virtual ~IAnimationTimer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

class IAnimationPlatform {
 public:
  virtual ~IAnimationPlatform() = default;
  // Monotonic time in seconds; only differences matter.
  virtual double Now() = 0;
  virtual std::unique_ptr<IAnimationTimer> CreateTimer(std::function<void()> onTimer) = 0;
  // Runs `task` on the user-interface thread after the event being handled now has been
  // handled, never from inside this call.
  virtual void QueueTask(std::function<void()> task) = 0;
};

// The clock's timer was made by the old platform and must not outlive it.
template <>
struct TServiceChange<IAnimationPlatform> {
  static void Before(IAnimationPlatform* old, IAnimationPlatform* next);
};

// The installed platform; throws std::logic_error when none is installed.
IAnimationPlatform& AnimationPlatform();
inline bool HasAnimationPlatform() {
  return TService<IAnimationPlatform>::Get() != nullptr;
}

}  // namespace scene
