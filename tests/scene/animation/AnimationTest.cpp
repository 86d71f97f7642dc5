// The run of one float animation on a hand-driven clock: passes, loops, delay, reversal,
// stopping, pausing, the immediate path, Enabled and loading, hidden parents.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "scene/animation/AniThread.h"
#include "scene/animation/FloatAnimation.h"
#include "scene/objects/Control3D.h"
#include "support/AnimationProbe.h"
#include "support/ManualAnimationPlatform.h"

namespace scene {
namespace {

using testing::TManualAnimationScope;
using testing::TProbe;
using testing::TTestForm;
using Values = std::vector<float>;

struct AnimationRun : ::testing::Test {
  TManualAnimationScope clock;  // declared first: outlives the tree
  TTestForm form;
  TProbe* probe = new TProbe;
  int finished = 0;

  AnimationRun() { form.AddChild(probe); }

  testing::TManualAnimationPlatform& Platform() { return clock.Platform; }

  TFloatAnimation* Animate(float start, float stop, float duration, TSceneNode* parent = nullptr) {
    auto* a = new TFloatAnimation;
    a->SetParent(parent ? parent : probe);
    a->SetPropertyName("Value");
    a->SetStartValue(start);
    a->SetStopValue(stop);
    a->SetDuration(duration);
    a->OnFinish = [this](TSceneNode&) { ++finished; };
    return a;
  }
};

TEST_F(AnimationRun, ForwardRunWritesAlongThePassAndEndsAtExactlyTheStopValue) {
  TFloatAnimation* a = Animate(2, 12, 1);
  a->Start();
  for (double dt : {0.25, 0.25, 0.75})
    Platform().Tick(dt);
  EXPECT_EQ(probe->Writes, (Values{2, 4.5f, 7, 12}));
  EXPECT_FALSE(a->Running());
  EXPECT_EQ(finished, 1);
  EXPECT_TRUE(TAniThread::Current()->AniList().empty());
  EXPECT_FALSE(Platform().TimerEnabled());
}

TEST_F(AnimationRun, LoopRestartsAtExactlyZeroWritingTheStartValueAndNeverTheStopValue) {
  TFloatAnimation* a = Animate(2, 12, 1);
  a->SetLoop(true);
  a->Start();
  for (double dt : {0.25, 0.25, 0.25, 0.5})
    Platform().Tick(dt);
  // The completing tick (1.25 s into the pass) writes the start value; its excess is dropped.
  EXPECT_EQ(a->NormalizedTime(), 0);
  Platform().Tick(0.25);
  EXPECT_EQ(probe->Writes, (Values{2, 4.5f, 7, 9.5f, 2, 4.5f}));
  EXPECT_TRUE(a->Running());
  EXPECT_EQ(finished, 0);
}

TEST_F(AnimationRun, DelayWaitsThenCapturesAndStartsWithoutCarryingTheExcess) {
  TFloatAnimation* a = Animate(0, 13, 1);
  a->SetDelay(0.5f);
  a->SetStartFromCurrent(true);
  probe->Value = 3;
  a->Start();
  Platform().Tick(0.3);
  EXPECT_TRUE(probe->Writes.empty());
  EXPECT_EQ(a->NormalizedTime(), 0);
  probe->Value = 5;  // the value when the delay runs out is the one captured
  Platform().Tick(0.3);
  Platform().Tick(0.5);
  EXPECT_EQ(probe->Writes, (Values{5, 9}));
  EXPECT_EQ(a->StartValue(), 5);
}

TEST_F(AnimationRun, AutoReverseRunsForwardThenBackAndRestoresInverse) {
  TFloatAnimation* a = Animate(0, 10, 1);
  a->SetAutoReverse(true);
  a->Start();
  for (double dt : {0.5, 0.75, 0.5, 0.75})
    Platform().Tick(dt);
  EXPECT_EQ(probe->Writes, (Values{0, 5, 10, 5, 0}));
  EXPECT_FALSE(a->Running());
  EXPECT_FALSE(a->Inverse());
  EXPECT_EQ(finished, 1);
}

TEST_F(AnimationRun, InverseRunsFromTheStopValueToTheStartValue) {
  TFloatAnimation* a = Animate(0, 10, 1);
  a->SetInverse(true);
  a->Start();
  Platform().Tick(0.25);
  Platform().Tick(1);
  EXPECT_EQ(probe->Writes, (Values{10, 7.5f, 0}));
  EXPECT_FALSE(a->Running());
}

TEST_F(AnimationRun, PausedAnimationIgnoresTicks) {
  TFloatAnimation* a = Animate(0, 10, 1);
  a->Start();
  a->SetPause(true);
  Platform().Tick(0.5);
  a->SetPause(false);
  Platform().Tick(0.25);
  EXPECT_EQ(probe->Writes, (Values{0, 2.5f}));
}

TEST_F(AnimationRun, StopAppliesTheEndValueOfTheDirection) {
  for (bool inverse : {false, true}) {
    probe->Writes.clear();
    finished = 0;
    TFloatAnimation* a = Animate(0, 10, 1);
    a->SetInverse(inverse);
    a->Start();
    Platform().Tick(0.5);
    a->Stop();
    EXPECT_EQ(probe->Writes.back(), inverse ? 0 : 10) << inverse;
    EXPECT_FALSE(a->Running());
    EXPECT_EQ(finished, 1);
    a->Stop();  // not running: nothing
    EXPECT_EQ(finished, 1);
    delete a;
  }
  EXPECT_FALSE(Platform().TimerEnabled());
}

TEST_F(AnimationRun, StopAtCurrentLeavesTheValueAndStartResumesWithoutAJump) {
  TFloatAnimation* a = Animate(0, 10, 1);
  a->SetStartFromCurrent(true);
  a->Start();
  Platform().Tick(0.5);
  a->StopAtCurrent();
  EXPECT_EQ(probe->Writes, (Values{0, 5}));
  EXPECT_FALSE(a->Running());
  EXPECT_FALSE(a->Enabled());
  EXPECT_EQ(finished, 1);
  a->StopAtCurrent();  // not running: nothing
  EXPECT_EQ(finished, 1);

  a->Start();
  Platform().Tick(0.5);
  // The new pass starts from the value where it stopped: 5 -> 10 over a second.
  EXPECT_EQ(probe->Writes, (Values{0, 5, 5, 7.5f}));
  EXPECT_EQ(a->StartValue(), 5);
}

TEST_F(AnimationRun, StartOnARunningAnimationRecapturesAndRestartsTheOnePass) {
  TFloatAnimation* a = Animate(0, 10, 1);
  a->SetStartFromCurrent(true);
  a->Start();
  Platform().Tick(0.5);
  a->Start();
  EXPECT_EQ(a->NormalizedTime(), 0);
  EXPECT_EQ(TAniThread::Current()->AniList().size(), 1u);
  Platform().Tick(0.5);
  EXPECT_EQ(probe->Writes, (Values{0, 5, 5, 7.5f}));
}

TEST_F(AnimationRun, ImmediatePathAppliesTheEndValueOnceWithoutTheClock) {
  // A very short run, or a parent outside any window, completes inside Start.
  TSceneNode detached;
  auto* outside = new TProbe;
  detached.AddChild(outside);
  const struct {
    float duration;
    bool inWindow, inverse;
    float written;
  } cases[] = {{0.0005f, true, false, 10},
               {-0.0005f, true, false, 10},
               {3, false, false, 10},
               {0.0005f, true, true, 0}};
  for (const auto& c : cases) {
    TProbe* target = c.inWindow ? probe : outside;
    target->Writes.clear();
    target->Value = 7;
    finished = 0;
    TFloatAnimation* a = Animate(0, 10, c.duration, target);
    a->SetStartFromCurrent(true);
    a->SetInverse(c.inverse);
    a->Start();
    EXPECT_EQ(target->Writes, Values{c.written}) << c.duration;
    EXPECT_EQ(a->StartValue(), 0);  // nothing captured on this path
    EXPECT_EQ(a->Duration(), c.duration);
    EXPECT_FALSE(a->Running());
    EXPECT_EQ(finished, 1);
    delete a;
  }
  EXPECT_EQ(TAniThread::Current(), nullptr);
}

TEST_F(AnimationRun, ImmediateRestartOfARunningAnimationTakesItOffTheClock) {
  TFloatAnimation* a = Animate(0, 10, 1);
  a->Start();
  a->SetDuration(0);
  a->Start();
  EXPECT_EQ(probe->Writes, (Values{0, 10}));
  EXPECT_TRUE(TAniThread::Current()->AniList().empty());
  EXPECT_FALSE(Platform().TimerEnabled());
}

TEST(AnimationWithoutPlatform, TimedStartFailsLoudlyAndChangesNothing) {
  TTestForm form;
  auto* probe = new TProbe;
  form.AddChild(probe);
  auto* a = new TFloatAnimation;
  a->SetParent(probe);
  a->SetPropertyName("Value");
  a->SetStopValue(10);
  EXPECT_THROW(a->Start(), std::logic_error);
  EXPECT_FALSE(a->Running());
  EXPECT_TRUE(probe->Writes.empty());
}

TEST_F(AnimationRun, EnabledDuringLoadingOnlyRecordsAndLoadingCompletionStarts) {
  form.BeginLoading();
  TFloatAnimation* a = Animate(0, 10, 1);  // added after loading began
  a->SetEnabled(true);
  EXPECT_FALSE(a->Running());
  EXPECT_TRUE(probe->Writes.empty());
  form.EndLoading();
  EXPECT_TRUE(a->Running());
  EXPECT_EQ(probe->Writes, Values{0});
  EXPECT_TRUE(Platform().TimerEnabled());

  // After loading, False stops with the end value and True starts again.
  a->SetEnabled(false);
  EXPECT_EQ(probe->Writes, (Values{0, 10}));
  a->SetEnabled(true);
  EXPECT_TRUE(a->Running());
  EXPECT_EQ(probe->Writes, (Values{0, 10, 0}));
}

TEST_F(AnimationRun, HiddenParentPreventsTheStartAndStopsARunningAnimation) {
  auto* body = new TControl3D;
  form.AddChild(body);
  TFloatAnimation* a = Animate(0, 10, 1, body);
  a->SetPropertyName("Position.X");
  body->SetVisible(false);
  a->Start();
  EXPECT_FALSE(a->Running());
  EXPECT_EQ(body->Position().X(), 0);

  body->SetVisible(true);
  a->Start();
  Platform().Tick(0.25);
  EXPECT_EQ(body->Position().X(), 2.5f);
  body->SetVisible(false);
  Platform().Tick(0.25);
  EXPECT_EQ(body->Position().X(), 10);
  EXPECT_FALSE(a->Running());
  EXPECT_FALSE(Platform().TimerEnabled());
}

TEST_F(AnimationRun, NonFloatPropertyRunsItsTimeWithoutWriting) {
  TFloatAnimation* a = Animate(0, 10, 1);
  a->SetPropertyName("Caption");
  a->Start();
  EXPECT_TRUE(a->Running());
  Platform().Tick(1.5);
  EXPECT_FALSE(a->Running());
  EXPECT_EQ(finished, 1);
  EXPECT_TRUE(probe->Writes.empty());
}

TEST_F(AnimationRun, FreeingARunningAnimationTakesItOffTheClock) {
  TFloatAnimation* a = Animate(0, 10, 1);
  a->Start();
  delete a;
  EXPECT_TRUE(TAniThread::Current()->AniList().empty());
  EXPECT_FALSE(Platform().TimerEnabled());
}

}  // namespace
}  // namespace scene
