// Resolving an animation's dotted property path through the property tables.
#include <gtest/gtest.h>

#include <string>

#include "scene/animation/FloatAnimation.h"
#include "scene/objects/Control3D.h"
#include "support/ManualAnimationPlatform.h"

namespace scene {
namespace {

using testing::TManualAnimationScope;
using testing::TTestForm;

struct PropertyPath : ::testing::Test {
  TManualAnimationScope clock;
  TTestForm form;
  TControl3D* body = new TControl3D;
  TControl3D* ring = new TControl3D;
  TFloatAnimation* animation = new TFloatAnimation;

  PropertyPath() {
    form.AddChild(body);
    ring->SetName("Ring");
    body->AddChild(ring);
    animation->SetParent(body);
    animation->SetStopValue(8);
    animation->SetDuration(1);
  }
  testing::TManualAnimationPlatform& Platform() { return clock.Platform; }
};

TEST_F(PropertyPath, PathsResolveIgnoringCaseThroughObjectsAndNamedChildren) {
  const struct {
    const char* path;
    float (*read)(PropertyPath&);
  } cases[] = {
      {"position.z", [](PropertyPath& f) { return f.body->Position().Z(); }},
      {"RotationCenter.X", [](PropertyPath& f) { return f.body->RotationCenter().X(); }},
      {"WIDTH", [](PropertyPath& f) { return f.body->Width(); }},
      {"ring.Depth", [](PropertyPath& f) { return f.ring->Depth(); }},
  };
  for (const auto& c : cases) {
    animation->SetPropertyName(c.path);
    animation->Start();
    ASSERT_TRUE(animation->Running()) << c.path;
    Platform().Tick(0.5);
    EXPECT_EQ(c.read(*this), 4) << c.path;
    animation->Stop();
    EXPECT_EQ(c.read(*this), 8) << c.path;
  }
}

TEST_F(PropertyPath, PathThatDoesNotResolveMakesStartDoNothing) {
  for (const char* path : {"", "Nope", "Position.W", "Nope.X", "Ring.Nope", "Position."}) {
    int finished = 0;
    animation->OnFinish = [&](TSceneNode&) { ++finished; };
    animation->SetPropertyName(path);
    animation->Start();
    EXPECT_FALSE(animation->Running()) << path;
    EXPECT_EQ(finished, 0) << path;
  }
  auto* orphan = new TFloatAnimation;  // no parent
  orphan->SetPropertyName("Position.X");
  orphan->Start();
  EXPECT_FALSE(orphan->Running());
  delete orphan;
  EXPECT_EQ(body->Position().Point(), (TPoint3D{0, 0, 0}));
}

TEST_F(PropertyPath, RenamingToAnotherPropertyForgetsTheTargetButACaseChangeDoesNot) {
  animation->SetPropertyName("Position.X");
  animation->Start();
  animation->SetPropertyName("position.X");
  Platform().Tick(0.25);
  EXPECT_EQ(body->Position().X(), 2);
  animation->SetPropertyName("Position.Y");
  Platform().Tick(0.25);  // unresolved: nothing written
  EXPECT_EQ(body->Position().X(), 2);
  EXPECT_EQ(body->Position().Y(), 0);
  animation->Start();  // resolves the new path
  Platform().Tick(0.25);
  EXPECT_EQ(body->Position().Y(), 2);
}

TEST_F(PropertyPath, FreeingTheNamedChildUnresolvesTheTarget) {
  animation->SetPropertyName("Ring.Width");
  animation->Start();
  Platform().Tick(0.25);
  delete ring;
  Platform().Tick(0.25);  // must not touch the freed child
  EXPECT_TRUE(animation->Running());
  EXPECT_EQ(body->Width(), 1);
}

TEST_F(PropertyPath, AnimationsPublishTheirFloatSettings) {
  const TPropertyInfo* stop = animation->Properties().Find("stopvalue");
  ASSERT_NE(stop, nullptr);
  EXPECT_EQ(stop->Kind, TPropertyKind::Float);
  stop->SetFloat(*animation, 3);
  EXPECT_EQ(animation->StopValue(), 3);
  for (const char* name : {"Duration", "Delay", "StartValue"})
    EXPECT_EQ(animation->Properties().Find(name)->Kind, TPropertyKind::Float) << name;
  for (const char* name : {"Enabled", "Loop", "PropertyName", "StartFromCurrent", "Interpolation"})
    EXPECT_EQ(animation->Properties().Find(name)->Kind, TPropertyKind::Other) << name;
}

}  // namespace
}  // namespace scene
