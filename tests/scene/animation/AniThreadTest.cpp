// The shared clock: its timer runs exactly while something is registered, it re-bases after
// an empty spell, every animation advances by the same measured time, and the back-to-front
// walk survives animations leaving it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "scene/animation/AniThread.h"
#include "scene/animation/FloatAnimation.h"
#include "support/AnimationProbe.h"
#include "support/ManualAnimationPlatform.h"

namespace scene {
namespace {

using testing::TManualAnimationScope;
using testing::TProbe;
using testing::TTestForm;
using Values = std::vector<float>;

struct Clock : ::testing::Test {
  TManualAnimationScope clock;
  TTestForm form;

  testing::TManualAnimationPlatform& Platform() { return clock.Platform; }

  // A probe in the window with an animation of its Value from 0 to `stop`.
  TFloatAnimation* Animate(float stop, float duration, TProbe** probeOut = nullptr) {
    auto* probe = new TProbe;
    form.AddChild(probe);
    auto* a = new TFloatAnimation;
    a->SetParent(probe);
    a->SetPropertyName("Value");
    a->SetStopValue(stop);
    a->SetDuration(duration);
    if (probeOut) *probeOut = probe;
    return a;
  }
};

TEST(ClockInterval, DerivesFromTheFrameRateClampedTo5To100) {
  const struct {
    int rate, interval;
  } cases[] = {{60, 10}, {100, 10}, {250, 10}, {30, 30}, {45, 20}, {5, 200}, {1, 200}};
  for (const auto& c : cases)
    EXPECT_EQ(TAniThread::IntervalForFrameRate(c.rate), c.interval) << c.rate;
}

TEST_F(Clock, TimerRunsAtTenMillisecondsExactlyWhileSomethingIsRegistered) {
  TFloatAnimation* a = Animate(10, 10);
  TFloatAnimation* b = Animate(10, 10);
  EXPECT_EQ(TAniThread::Current(), nullptr);  // made by the first timed start
  a->Start();
  ASSERT_NE(TAniThread::Current(), nullptr);
  EXPECT_TRUE(Platform().TimerEnabled());
  EXPECT_EQ(Platform().TimerInterval(), 10);
  b->Start();
  a->StopAtCurrent();
  EXPECT_TRUE(Platform().TimerEnabled());
  b->Stop();
  EXPECT_FALSE(Platform().TimerEnabled());
}

TEST_F(Clock, RegistrationAfterAnEmptySpellRebasesTheClock) {
  TProbe* probe;
  TFloatAnimation* a = Animate(10, 10, &probe);
  Platform().Clock = 100;
  a->SetStartFromCurrent(true);
  a->Start();
  EXPECT_EQ(TAniThread::Current()->Time(), 100);
  Platform().TickAt(101);
  a->StopAtCurrent();
  EXPECT_EQ(probe->Value, 1);

  Platform().TickAt(500);  // nothing registered: no timer event
  a->Start();              // the 399 s without animations are not counted
  EXPECT_EQ(TAniThread::Current()->Time(), 500);
  Platform().TickAt(502.5);
  EXPECT_EQ(probe->Writes, (Values{0, 1, 1, 3.25f}));
  EXPECT_EQ(TAniThread::Current()->DeltaTime(), 2.5);
}

TEST_F(Clock, AnimationJoiningARunningClockAdvancesByTheWholeTimeSinceThePreviousTick) {
  TProbe *pa, *pb;
  TFloatAnimation* a = Animate(10, 10, &pa);
  TFloatAnimation* b = Animate(10, 10, &pb);
  a->Start();
  Platform().TickAt(1);
  Platform().Clock = 1.5;
  b->Start();  // the timer is running: no re-basing
  Platform().TickAt(2);
  EXPECT_EQ(pa->Value, 2);
  EXPECT_EQ(pb->Value, 1);
}

TEST_F(Clock, TickWithoutElapsedTimeDoesNothing) {
  TProbe* probe;
  TFloatAnimation* a = Animate(10, 10, &probe);
  a->Start();
  Platform().TickAt(0);
  EXPECT_EQ(probe->Writes, Values{0});
}

TEST_F(Clock, LongStallAdvancesEverythingByTheWholeStall) {
  TProbe *looping, *glide;
  TFloatAnimation* a = Animate(10, 1, &looping);
  a->SetLoop(true);
  TFloatAnimation* b = Animate(30, 3, &glide);
  a->Start();
  b->Start();
  Platform().Tick(0.25);
  Platform().Tick(10);
  // The glide completes at its first tick after the stall; the loop restarts at 0 without
  // carrying the 9.25 s excess into the next pass.
  EXPECT_EQ(glide->Writes, (Values{0, 2.5f, 30}));
  EXPECT_FALSE(b->Running());
  EXPECT_EQ(looping->Writes, (Values{0, 2.5f, 0}));
  Platform().Tick(0.25);
  EXPECT_EQ(looping->Value, 2.5f);
}

TEST_F(Clock, WalkSurvivesAnimationsLeavingItDuringATick) {
  // Three runs that all end in the same tick, the last of which (visited first) also stops
  // the first and frees the second from its handler.
  TProbe *p1, *p2, *p3;
  TFloatAnimation* a1 = Animate(10, 1, &p1);
  TFloatAnimation* a2 = Animate(20, 1, &p2);
  TFloatAnimation* a3 = Animate(30, 1, &p3);
  TFloatAnimation* a4 = Animate(40, 2);
  a3->OnFinish = [&](TSceneNode&) {
    a1->Stop();
    delete a2;
  };
  for (TFloatAnimation* a : {a1, a2, a3, a4})
    a->Start();
  Platform().Tick(1);
  EXPECT_EQ(p1->Value, 10);
  EXPECT_EQ(p2->Value, 0);
  EXPECT_EQ(p3->Value, 30);
  EXPECT_EQ(TAniThread::Current()->AniList(), (std::vector<TAnimation*>{a4}));
}

TEST_F(Clock, EntryMovedDownByAnEarlierOneLeavingAdvancesOncePerTick) {
  TProbe *p1, *p2;
  TFloatAnimation* a1 = Animate(10, 10, &p1);
  TFloatAnimation* a2 = Animate(10, 10, &p2);
  a1->Start();
  a2->Start();
  a2->OnProcess = [&](TSceneNode&) { a1->StopAtCurrent(); };
  Platform().Tick(1);
  EXPECT_EQ(p2->Writes, (Values{0, 1}));
  EXPECT_EQ(p1->Writes, Values{0});
}

TEST_F(Clock, EntryRestartedWhileListedBeforeItsTurnStillAdvancesInThatTick) {
  // a2 is visited first and restarts a1, which stays listed and has not had its turn yet.
  TProbe *p1, *p2;
  TFloatAnimation* a1 = Animate(10, 10, &p1);
  TFloatAnimation* a2 = Animate(10, 10, &p2);
  a1->Start();
  a2->Start();
  bool restarted = false;
  a2->OnProcess = [&](TSceneNode&) {
    if (!std::exchange(restarted, true)) a1->Start();
  };
  Platform().Tick(1);
  EXPECT_EQ(p1->Writes, (Values{0, 0, 1}));
  EXPECT_EQ(TAniThread::Current()->AniList(), (std::vector<TAnimation*>{a1, a2}));
}

TEST_F(Clock, EntryAppendedDuringATickWaitsForTheNextEvenWhenTheWalkReachesIt) {
  // a3 is visited first; its handler stops a1 and a2 and starts b, which is appended at the
  // index the walk visits next.
  TFloatAnimation* a1 = Animate(10, 10);
  TFloatAnimation* a2 = Animate(10, 10);
  TFloatAnimation* a3 = Animate(10, 10);
  TProbe* pb;
  TFloatAnimation* b = Animate(10, 10, &pb);
  for (TFloatAnimation* a : {a1, a2, a3})
    a->Start();
  a3->OnProcess = [&](TSceneNode&) {
    if (b->Running()) return;
    a1->StopAtCurrent();
    a2->StopAtCurrent();
    b->Start();
  };
  Platform().Tick(1);
  EXPECT_EQ(TAniThread::Current()->AniList(), (std::vector<TAnimation*>{a3, b}));
  EXPECT_EQ(pb->Writes, Values{0});
  Platform().Tick(1);
  EXPECT_EQ(pb->Writes, (Values{0, 1}));
}

TEST_F(Clock, ErrorInATickReachesTheCallerAndTheClockGoesOn) {
  TProbe* probe;
  TFloatAnimation* a = Animate(10, 10, &probe);
  bool fail = true;
  a->OnProcess = [&](TSceneNode&) {
    if (fail && probe->Value > 0) throw std::runtime_error("setter failed");
  };
  a->Start();
  EXPECT_THROW(Platform().Tick(1), std::runtime_error);
  EXPECT_TRUE(Platform().TimerEnabled());
  fail = false;
  Platform().Tick(1);
  EXPECT_EQ(probe->Writes, (Values{0, 1, 2}));
}

}  // namespace
}  // namespace scene
