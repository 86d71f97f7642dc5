#include "scene/animation/AniThread.h"

#include <algorithm>
#include <cmath>

#include "scene/animation/Animation.h"

namespace scene {

namespace {
std::unique_ptr<TAniThread> GClock;
}  // namespace

TAniThread& TAniThread::Instance() {
  if (!GClock) GClock = std::make_unique<TAniThread>(AnimationPlatform());
  return *GClock;
}

TAniThread* TAniThread::Current() {
  return GClock.get();
}

void TAniThread::FreeClock() {
  GClock.reset();
}

int TAniThread::IntervalForFrameRate(int rate) {
  rate = std::clamp(rate, 5, 100);
  const int interval = static_cast<int>(std::trunc(1000.0 / rate / 10)) * 10;
  return interval > 0 ? interval : 1;
}

TAniThread::TAniThread(IAnimationPlatform& platform)
    : FPlatform(platform), FTimer(platform.CreateTimer([this] { AdvanceAll(); })) {
  FTimer->SetInterval(IntervalForFrameRate(FFrameRate));
  FTimer->SetEnabled(false);
}

TAniThread::~TAniThread() = default;

void TAniThread::UpdateTimer() {
  FTimer->SetEnabled(!FAniList.empty());
}

void TAniThread::AddAnimation(TAnimation* animation) {
  if (std::find(FAniList.begin(), FAniList.end(), animation) == FAniList.end()) {
    FAniList.push_back(animation);
    // One appended during a tick waits for the next tick, even if the walk reaches it
    // because others left. One already listed (a restart) keeps its stamp, so the walk still
    // advances it in this tick unless it already has.
    animation->FTickStamp = FTickNumber;
  }
  if (!FTimer->Enabled() && !FAniList.empty()) FTime = FPlatform.Now();
  UpdateTimer();
}

void TAniThread::RemoveAnimation(TAnimation* animation) {
  const auto it = std::find(FAniList.begin(), FAniList.end(), animation);
  if (it != FAniList.end()) FAniList.erase(it);
  UpdateTimer();
}

void TAniThread::AdvanceAll() {
  // The interval follows the frame-rate setting at every tick.
  FTimer->SetInterval(IntervalForFrameRate(FFrameRate));
  const double now = FPlatform.Now();
  FDeltaTime = now - FTime;
  FTime = now;
  if (FDeltaTime <= 0) return;
  // Back to front. An animation that ends removes itself during the walk, and a handler may
  // stop or free others, so the list can shrink under the cursor: an index past its end
  // restarts at the new last entry. Entries only move towards the front when others leave, so
  // every one not yet visited still lies at or below the cursor. The stamp keeps an entry that
  // moved down from being advanced twice in one tick, and one appended during the tick (see
  // AddAnimation) from being advanced in it at all.
  const double time = FTime, delta = FDeltaTime;
  const unsigned long long tick = ++FTickNumber;
  for (ptrdiff_t i = static_cast<ptrdiff_t>(FAniList.size()) - 1; i >= 0;) {
    TAnimation* animation = FAniList[static_cast<size_t>(i)];
    if (animation->FTickStamp != tick) {
      animation->FTickStamp = tick;
      if (animation->Running()) animation->ProcessTick(time, delta);
    }
    --i;
    const auto last = static_cast<ptrdiff_t>(FAniList.size()) - 1;
    if (i > last) i = last;
  }
}

}  // namespace scene
