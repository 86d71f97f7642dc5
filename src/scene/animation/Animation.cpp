#include "scene/animation/Animation.h"

#include <cmath>

#include "scene/animation/AniThread.h"

namespace scene {

TAnimation::~TAnimation() {
  SetDestroying();
  RemoveFromClock();
}

void TAnimation::RemoveFromClock() {
  if (TAniThread* clock = TAniThread::Current()) clock->RemoveAnimation(this);
}

bool TAnimation::ParentIsHidden() const {
  return Parent() && Parent()->IsVisualObject() && !Parent()->IsVisibleObject();
}

bool TAnimation::TreeIsLoading() const {
  // Objects added to a tree after its loading began are not marked themselves.
  for (const TSceneNode* o = this; o; o = o->Parent())
    if (o->IsLoading()) return true;
  return false;
}

void TAnimation::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  if (TreeIsLoading()) return;
  if (value)
    Start();
  else
    Stop();
}

void TAnimation::LoadingFinished() {
  TSceneNode::LoadingFinished();
  if (FEnabled) Start();
}

void TAnimation::NotifyProcess() {
  if (OnProcess) OnProcess(*this);
}

void TAnimation::NotifyFinish() {
  if (OnFinish) OnFinish(*this);
}

float TAnimation::NormalizedTime() const {
  if (FDuration <= 0 || FDelayTime > 0) return 0;
  return Interpolate(FTime / FDuration, FInterpolation, FAnimationType);
}

void TAnimation::Start() {
  if (!FLoop) FTickCount = 0;
  if (ParentIsHidden()) return;
  if (FAutoReverse) {
    if (FRunning)
      FInverse = FSavedInverse;
    else
      FSavedInverse = FInverse;
  }
  if (std::fabs(FDuration) < 0.001f || !Parent() || !Parent()->IsInWindow()) {
    StartImmediately();
    return;
  }
  TAniThread::Instance();  // fails (no platform installed) before anything has changed
  FDelayTime = FDelay;
  FRunning = true;
  FTime = FInverse ? FDuration : 0;
  if (FDelay == 0) {
    CaptureStartValue();
    ApplyCurrentValue();
    NotifyProcess();
  }
  TAniThread& clock = TAniThread::Instance();
  clock.AddAnimation(this);
  if (clock.TimerEnabled())
    FEnabled = true;
  else
    Stop();
}

void TAnimation::StartImmediately() {
  // A run that was going on the clock ends here; leaving it listed while not running would
  // keep the timer going for nothing.
  RemoveFromClock();
  struct RestoreDuration {
    TAnimation& self;
    float saved;
    ~RestoreDuration() { self.FDuration = saved; }
  } restore{*this, FDuration};
  FDelayTime = 0;
  FDuration = 1;
  FTime = FInverse ? 0 : 1;
  FRunning = true;
  ApplyCurrentValue();
  NotifyProcess();
  FRunning = false;
  FTime = 0;
  NotifyFinish();
}

void TAnimation::ProcessTick(double /*time*/, double deltaTime) {
  if (IsDestroying()) return;
  if (ParentIsHidden()) Stop();
  if (!FRunning || FPause) return;

  if (FDelay > 0 && FDelayTime != 0) {
    if (FDelayTime > 0) {
      FDelayTime = static_cast<float>(FDelayTime - deltaTime);
      if (FDelayTime > 0) return;
      FDelayTime = 0;
      FTime = FInverse ? FDuration : 0;
      CaptureStartValue();
      ApplyCurrentValue();
      NotifyProcess();
    }
    return;
  }

  FTime = static_cast<float>(FInverse ? FTime - deltaTime : FTime + deltaTime);
  if (FTime >= FDuration) {
    // The excess of this tick is dropped: a pass never lasts less than Duration.
    FTime = FDuration;
    if (FLoop) {
      if (FAutoReverse) {
        FInverse = true;
        FTime = FDuration;
      } else {
        FTime = 0;
      }
    } else if (FAutoReverse && FTickCount == 0) {
      FTickCount = 1;
      FInverse = true;
      FTime = FDuration;
    } else {
      FRunning = false;
    }
  } else if (FTime <= 0) {
    FTime = 0;
    if (!FLoop) {
      if (FAutoReverse && FTickCount == 0) {
        FTickCount = 1;
        FInverse = false;
      } else {
        FRunning = false;
      }
    } else if (FAutoReverse) {
      FInverse = false;
    } else {
      FTime = FDuration;
    }
  }

  ApplyCurrentValue();
  NotifyProcess();

  if (!FRunning) {
    if (FAutoReverse) FInverse = FSavedInverse;
    RemoveFromClock();
    NotifyFinish();
  }
}

void TAnimation::Stop() {
  if (!FRunning) return;
  RemoveFromClock();
  if (FAutoReverse) FInverse = FSavedInverse;
  FTime = FInverse ? 0 : FDuration;
  ApplyCurrentValue();
  NotifyProcess();
  FRunning = false;
  NotifyFinish();
}

void TAnimation::StopAtCurrent() {
  if (!FRunning) return;
  RemoveFromClock();
  if (FAutoReverse) FInverse = FSavedInverse;
  FTime = FInverse ? 0 : FDuration;
  FRunning = false;
  FEnabled = false;
  NotifyFinish();
}

const TPropertyTable& TAnimation::ClassProperties() {
  using T = TAnimation;
  static const TPropertyTable table(
      &TSceneNode::ClassProperties(),
      {OtherProperty("Enabled"),
       FloatProperty<T>(
           "Duration", [](T& a) { return a.Duration(); }, [](T& a, float v) { a.SetDuration(v); }),
       FloatProperty<T>(
           "Delay", [](T& a) { return a.Delay(); }, [](T& a, float v) { a.SetDelay(v); }),
       OtherProperty("Loop"), OtherProperty("AutoReverse"), OtherProperty("Inverse"),
       OtherProperty("AnimationType"), OtherProperty("Interpolation"), OtherProperty("Trigger"),
       OtherProperty("TriggerInverse"), OtherProperty("OnProcess"), OtherProperty("OnFinish")});
  return table;
}

}  // namespace scene
