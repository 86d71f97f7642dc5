// Stand-ins for the touch recognizer's surroundings: one-shot timers fired by hand and a window
// whose objects are found by rectangles.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "ui/basics/GestureEvent.h"
#include "ui/gestures/TouchWindow.h"
#include "ui/services/OneShotTimer.h"
#include "ui/window/Form.h"

namespace ui::testing {

// Timers that run until the test fires them.
class TManualTimers : public IOneShotTimerSource {
 public:
  std::vector<int> Started;  // the interval of every timer started, in order

  std::unique_ptr<IOneShotTimer> StartOneShot(int milliseconds,
                                              std::function<void()> onElapsed) override {
    Started.push_back(milliseconds);
    auto timer = std::make_unique<TTimer>(*this, std::move(onElapsed));
    FRunning.push_back(timer.get());
    return timer;
  }

  int Running() const { return static_cast<int>(FRunning.size()); }

  // The time of every running timer has come: each calls back once.
  void FireAll() {
    while (!FRunning.empty()) {
      TTimer* timer = FRunning.front();
      FRunning.erase(FRunning.begin());
      // The callback may destroy the handle, and the function with it.
      const std::function<void()> onElapsed = timer->OnElapsed;
      onElapsed();
    }
  }

 private:
  struct TTimer : IOneShotTimer {
    TManualTimers& Owner;
    std::function<void()> OnElapsed;
    TTimer(TManualTimers& owner, std::function<void()> onElapsed)
        : Owner(owner), OnElapsed(std::move(onElapsed)) {}
    ~TTimer() override { std::erase(Owner.FRunning, this); }
  };

  std::vector<TTimer*> FRunning;
};

// A window whose objects are found by rectangles, the first that holds the point.
class TFakeTouchWindow : public ITouchWindow {
 public:
  struct TRegion {
    TWindowRect Rect;
    scene::TSceneNode* Object;
  };

  TFormBase Form;
  std::vector<TRegion> Regions;
  std::vector<TPointF> Asked;  // every point asked about
  float Scale = 1;

  scene::TSceneNode* ObjectUnderTouch(TPointF point) override {
    Asked.push_back(point);
    for (const TRegion& r : Regions)
      if (point.X >= r.Rect.Left && point.X < r.Rect.Right && point.Y >= r.Rect.Top &&
          point.Y < r.Rect.Bottom)
        return r.Object;
    return nullptr;
  }
  scene::TSceneNode& WindowObject() override { return Form; }
  float ScreenScale() const override { return Scale; }

  void Forget(const scene::TSceneNode* object) {
    std::erase_if(Regions, [object](const TRegion& r) { return r.Object == object; });
  }
};

}  // namespace ui::testing
