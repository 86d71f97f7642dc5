// A hand-driven animation platform: time is set by hand, the clock's timer fires only when its
// owner says so, and queued tasks wait until the owner runs them. Pictures of the scene at a
// chosen moment are made on it without an event loop, and tests drive the clock with it.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "scene/animation/AnimationPlatform.h"

namespace scene {

class TManualAnimationPlatform : public IAnimationPlatform {
 public:
  struct Timer : IAnimationTimer {
    TManualAnimationPlatform* Owner;
    std::function<void()> OnTimer;
    int IntervalMs = 0;
    bool IsEnabled = false;
    Timer(TManualAnimationPlatform* owner, std::function<void()> onTimer)
        : Owner(owner), OnTimer(std::move(onTimer)) {}
    ~Timer() override {
      if (Owner->FTimer == this) Owner->FTimer = nullptr;
    }
    void SetInterval(int ms) override { IntervalMs = ms; }
    void SetEnabled(bool enabled) override { IsEnabled = enabled; }
    bool Enabled() const override { return IsEnabled; }
  };

  double Clock = 0;  // seconds
  std::vector<std::function<void()>> Tasks;

  double Now() override { return Clock; }
  std::unique_ptr<IAnimationTimer> CreateTimer(std::function<void()> onTimer) override {
    auto timer = std::make_unique<Timer>(this, std::move(onTimer));
    FTimer = timer.get();
    return timer;
  }
  void QueueTask(std::function<void()> task) override { Tasks.push_back(std::move(task)); }

  bool TimerEnabled() const { return FTimer && FTimer->IsEnabled; }
  int TimerInterval() const { return FTimer ? FTimer->IntervalMs : 0; }

  // Moves the time source to `at` and delivers a timer event if the timer is enabled.
  void TickAt(double at) {
    Clock = at;
    if (TimerEnabled()) FTimer->OnTimer();
  }
  void Tick(double elapsed) { TickAt(Clock + elapsed); }

  // Runs the tasks queued so far (and any they queue), as the event loop would.
  int RunQueuedTasks() {
    int ran = 0;
    while (!Tasks.empty()) {
      auto tasks = std::exchange(Tasks, {});
      for (auto& task : tasks) {
        task();
        ++ran;
      }
    }
    return ran;
  }

 private:
  Timer* FTimer = nullptr;
};

}  // namespace scene
