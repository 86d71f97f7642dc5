// The base of all animations: a pass of Duration seconds driven by the shared clock.
//
// An animation is an object of the scene tree whose parent is the object it animates; it is
// never drawn. Start begins a run (restarting a running one); the clock then advances it by
// measured elapsed time (ProcessTick) until the run ends, it is stopped, or, with Loop, for
// ever. A start whose |Duration| is below 0.001 s, or whose parent is outside a window's tree,
// completes at once inside Start: one value at the end of the run is applied and the clock is
// not involved. Times are seconds, kept in single precision as the values are.
//
// Enabled while a tree is loading only records the value; when loading completes (LoadingFinished)
// an enabled animation starts. Afterwards setting it True starts and False stops the animation.
//
// Subclasses say what a value is: CaptureStartValue and ApplyCurrentValue do nothing here.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "scene/animation/Interpolation.h"
#include "scene/tree/SceneNode.h"

namespace scene {

class TAniThread;
class TAnimationDestroyer;
class TAnimator;

class TAnimation : public TSceneNode {
 public:
  using TAnimationEvent = std::function<void(TSceneNode& sender)>;

  TAnimation() = default;
  ~TAnimation() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  float Duration() const { return FDuration; }
  void SetDuration(float value) { FDuration = value; }
  float Delay() const { return FDelay; }
  void SetDelay(float value) { FDelay = value; }
  bool Loop() const { return FLoop; }
  void SetLoop(bool value) { FLoop = value; }
  bool AutoReverse() const { return FAutoReverse; }
  void SetAutoReverse(bool value) { FAutoReverse = value; }
  bool Inverse() const { return FInverse; }
  void SetInverse(bool value) { FInverse = value; }
  TAnimationType AnimationType() const { return FAnimationType; }
  void SetAnimationType(TAnimationType value) { FAnimationType = value; }
  TInterpolationType Interpolation() const { return FInterpolation; }
  void SetInterpolation(TInterpolationType value) { FInterpolation = value; }
  // Conditions for automatic starts; kept, not evaluated.
  const std::string& Trigger() const { return FTrigger; }
  void SetTrigger(std::string value) { FTrigger = std::move(value); }
  const std::string& TriggerInverse() const { return FTriggerInverse; }
  void SetTriggerInverse(std::string value) { FTriggerInverse = std::move(value); }

  // Raised after every applied value, and when a run ends (also by Stop and StopAtCurrent).
  TAnimationEvent OnProcess, OnFinish;

  bool Running() const { return FRunning; }
  // A paused running animation ignores ticks.
  bool Pause() const { return FPause; }
  void SetPause(bool value) { FPause = value; }

  // Where the current pass stands, 0..1 through the time curve (Back and Elastic overshoot);
  // 0 while a delay is pending or when Duration is not positive. Linear is exactly
  // time / Duration in single precision.
  float NormalizedTime() const;

  // Advances a running animation by `deltaTime` seconds; `time` (the clock's) is not used.
  void ProcessTick(double time, double deltaTime);

  // In slot order.
  virtual void CaptureStartValue() {}
  virtual void ApplyCurrentValue() {}
  virtual void NotifyProcess();
  virtual void NotifyFinish();
  virtual void Start();
  // Ends a running run at once and applies the end value.
  virtual void Stop();
  // Ends a running run at once and leaves the value as the last tick left it.
  virtual void StopAtCurrent();

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  void LoadingFinished() override;

 private:
  friend class TAniThread;
  friend class TAnimationDestroyer;
  friend class TAnimator;

  bool ParentIsHidden() const;
  bool TreeIsLoading() const;
  void RemoveFromClock();
  void StartImmediately();

  bool FEnabled = false;
  float FDuration = 0.2f;
  float FDelay = 0;
  bool FLoop = false;
  bool FAutoReverse = false;
  bool FInverse = false;
  TAnimationType FAnimationType = TAnimationType::In;
  TInterpolationType FInterpolation = TInterpolationType::Linear;
  std::string FTrigger, FTriggerInverse;
  bool FPause = false;

  float FTime = 0;       // seconds into the current pass, 0..Duration
  float FDelayTime = 0;  // seconds of delay left
  bool FRunning = false;
  int FTickCount = 0;  // auto-reverse: the forward half has been run
  bool FSavedInverse = false;
  unsigned long long FTickStamp = 0;  // the clock's tick that last visited this animation

  // Disposal of temporary animations: queued once, and skipped when the animation has been
  // freed some other way before the task runs.
  bool FDisposalQueued = false;
  std::shared_ptr<char> FLifeToken = std::make_shared<char>();
};

}  // namespace scene
