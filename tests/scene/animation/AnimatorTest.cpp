// AnimateFloat and the temporary animations it makes: the camera glide, writes made during
// it, replacing an animation of the same property, paths that do not resolve, and disposal by
// a queued task after the tick that ended the run.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/animation/AniThread.h"
#include "scene/animation/Animator.h"
#include "scene/animation/FloatAnimation.h"
#include "scene/objects/Control3D.h"
#include "support/ManualAnimationPlatform.h"

namespace scene {
namespace {

using testing::TManualAnimationScope;
using testing::TTestForm;

struct Animator : ::testing::Test {
  TManualAnimationScope clock;
  TTestForm form;
  TControl3D* camera = new TControl3D;

  Animator() { form.AddChild(camera); }
  testing::TManualAnimationPlatform& Platform() { return clock.Platform; }
  float Z() const { return camera->Position().Z(); }
};

TEST_F(Animator, GlideRunsLinearlyEndsAtExactlyItsValueAndIsFreedAfterItsTick) {
  camera->Position().SetZ(-60);
  camera->AnimateFloat("position.z", -26, 3, TAnimationType::In, TInterpolationType::Linear);
  ASSERT_EQ(camera->ChildCount(), 1);
  EXPECT_EQ(Z(), -60);
  double t = 0;
  for (double dt : {0.01, 0.013, 0.5, 0.02, 1.2, 0.9}) {
    Platform().Tick(dt);
    t += dt;
    EXPECT_NEAR(Z(), -60 + 34 * t / 3, 1e-4) << t;
  }
  Platform().Tick(0.5);  // 3.143 s: past the end
  EXPECT_EQ(Z(), -26);
  EXPECT_TRUE(TAniThread::Current()->AniList().empty());
  EXPECT_FALSE(Platform().TimerEnabled());
  // Not freed inside its own tick: the queued task does that.
  EXPECT_EQ(camera->ChildCount(), 1);
  EXPECT_EQ(Platform().RunQueuedTasks(), 1);
  EXPECT_EQ(camera->ChildCount(), 0);
}

TEST_F(Animator, WriteDuringTheGlideLastsOnlyUntilTheNextTick) {
  camera->Position().SetZ(-60);
  camera->AnimateFloat("position.z", -26, 3);
  Platform().Tick(1.5);
  camera->Position().SetZ(-40);  // a zoom step
  EXPECT_EQ(Z(), -40);
  Platform().Tick(0.75);
  EXPECT_NEAR(Z(), -60 + 34 * 2.25 / 3, 1e-4);
  Platform().Tick(1);
  EXPECT_EQ(Z(), -26);
  Platform().RunQueuedTasks();
  camera->Position().SetZ(-30);  // after the glide, writes persist
  Platform().Tick(1);
  EXPECT_EQ(Z(), -30);
}

TEST_F(Animator, SecondAnimationOfAPropertyStopsTheFirstAtItsEndValue) {
  camera->AnimateFloat("Position.X", 10, 1);
  Platform().Tick(0.5);
  EXPECT_EQ(camera->Position().X(), 5);
  camera->AnimateFloat("POSITION.X", 20, 1);
  // The first jumped to 10 and the second starts from there.
  EXPECT_EQ(camera->Position().X(), 10);
  Platform().Tick(0.5);
  EXPECT_EQ(camera->Position().X(), 15);
  EXPECT_EQ(TAniThread::Current()->AniList().size(), 1u);
  EXPECT_EQ(Platform().RunQueuedTasks(), 1);
  EXPECT_EQ(camera->ChildCount(), 1);
}

TEST_F(Animator, PathThatDoesNotResolveOrAHiddenTargetDoesNothing) {
  for (const char* path : {"position.w", "", "Nope", "Nope.Z", "Position."}) {
    camera->AnimateFloat(path, 10, 1);
    EXPECT_EQ(camera->ChildCount(), 0) << path;
  }
  camera->SetVisible(false);
  camera->AnimateFloat("Position.X", 10, 1);
  EXPECT_EQ(camera->ChildCount(), 0);
  EXPECT_EQ(camera->Position().Point(), (TPoint3D{0, 0, 0}));
  EXPECT_EQ(TAniThread::Current(), nullptr);
  EXPECT_TRUE(Platform().Tasks.empty());
}

TEST_F(Animator, ImmediateRunOutsideAWindowIsDisposedOfToo) {
  TSceneNode detached;
  auto* loose = new TControl3D;
  detached.AddChild(loose);
  loose->AnimateFloat("Position.Y", 7, 3);
  EXPECT_EQ(loose->Position().Y(), 7);
  EXPECT_EQ(loose->ChildCount(), 1);
  EXPECT_EQ(Platform().RunQueuedTasks(), 1);
  EXPECT_EQ(loose->ChildCount(), 0);
}

TEST_F(Animator, TargetFreedBeforeTheQueuedDisposalTakesTheAnimationWithIt) {
  camera->AnimateFloat("Position.X", 10, 1);
  Platform().Tick(2);
  delete camera;
  EXPECT_EQ(Platform().RunQueuedTasks(), 1);  // finds nothing left to free
}

TEST_F(Animator, StopPropertyAnimationStopsEveryMatchingChildOnly) {
  auto make = [&](const char* path) {
    auto* a = new TFloatAnimation;
    a->SetParent(camera);
    a->SetPropertyName(path);
    a->SetStopValue(5);
    a->SetDuration(10);
    a->Start();
    return a;
  };
  TFloatAnimation* x1 = make("Position.X");
  TFloatAnimation* y = make("Position.Y");
  TFloatAnimation* x2 = make("position.x");
  TAnimator::StopPropertyAnimation(camera, "POSITION.X");
  EXPECT_FALSE(x1->Running());
  EXPECT_FALSE(x2->Running());
  EXPECT_TRUE(y->Running());
  EXPECT_EQ(camera->Position().X(), 5);
  EXPECT_EQ(camera->Position().Y(), 0);
}

}  // namespace
}  // namespace scene
