// The clock all animations share: one per program, created when first needed (FreeClock drops
// it when the platform changes). The name notwithstanding, it runs no thread: a periodic timer
// of the user-interface thread calls AdvanceAll, so ticks never overlap handlers.
//
// Each tick reads the platform's monotonic time (seconds) and advances every running animation
// by the time since the previous tick: speed does not depend on how regularly ticks come, a
// late tick only makes a bigger step. The timer runs only while something is registered, so a
// still scene costs nothing; the first registration after an empty spell sets the clock's time
// to now, so the idle spell is not counted.
//
// Handlers may start, stop or free animations during a tick. An animation appended during a
// tick waits for the next one; one restarted while listed is advanced in that tick unless the
// walk has already passed it (see AdvanceAll).
#pragma once

#include <memory>
#include <vector>

#include "scene/animation/AnimationPlatform.h"

namespace scene {

class TAnimation;

class TAniThread {
 public:
  // Frames per second the timer aims at; the interval is derived from it.
  static constexpr int DefaultFrameRate = 60;

  // The clock, created on first use from the installed platform.
  static TAniThread& Instance();
  // The clock if it exists, else null.
  static TAniThread* Current();
  // Frees the clock (used when the platform changes).
  static void FreeClock();

  // Timer interval for a frame rate: clamped to 5..100, trunc(1000 / rate / 10) * 10 ms,
  // at least 1 ms. 60 gives 10 ms.
  static int IntervalForFrameRate(int rate);

  explicit TAniThread(IAnimationPlatform& platform);
  ~TAniThread();
  TAniThread(const TAniThread&) = delete;
  TAniThread& operator=(const TAniThread&) = delete;

  // Appends `animation` unless listed; re-bases the clock when the timer was stopped; the
  // timer then runs exactly when the list is not empty.
  void AddAnimation(TAnimation* animation);
  void RemoveAnimation(TAnimation* animation);

  // One timer event. Errors thrown by an animation propagate to the caller (the platform's
  // timer dispatch reports them); the clock stays consistent and the timer keeps running.
  void AdvanceAll();

  const std::vector<TAnimation*>& AniList() const { return FAniList; }
  double Time() const { return FTime; }            // seconds, the previous tick
  double DeltaTime() const { return FDeltaTime; }  // seconds between the last two ticks
  bool TimerEnabled() const { return FTimer->Enabled(); }

 private:
  void UpdateTimer();

  IAnimationPlatform& FPlatform;
  std::unique_ptr<IAnimationTimer> FTimer;
  std::vector<TAnimation*> FAniList;
  double FTime = 0;
  double FDeltaTime = 0;
  unsigned long long FTickNumber = 0;
  int FFrameRate = DefaultFrameRate;
};

}  // namespace scene
