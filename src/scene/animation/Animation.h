// The base of the scene's animations: a child object that changes a value of its parent over
// time, advanced by the shared clock (TAniThread).
//
// Like any node, an animation is owned by its parent, which is also what it animates; it draws
// nothing. Times (Duration, Delay) are seconds, held as floats like the values they produce.
// What the value is belongs to the subclasses: CaptureStartValue and ApplyCurrentValue do
// nothing here.
//
// Start begins a run, or begins it again when one is going: the first value is applied at once
// unless there is a Delay, and the clock then advances the run by measured elapsed time
// (ProcessTick) until it ends, is stopped, or, with Loop, for ever. A |Duration| under 0.001 s,
// or a parent outside any window's tree, skips the clock: the value at the end of the run is
// applied once and the run finishes inside Start. A hidden parent makes Start do nothing and
// stops a running animation at its next tick.
//
// Enabled only takes note while the tree is loading, so that a stored scene starts its
// animations once it is whole (LoadingFinished); afterwards True starts and False stops.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "scene/math/Interpolation.h"
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
