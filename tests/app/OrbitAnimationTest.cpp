// The scene's eight body animations over many simulated minutes: with TOrbitAnimation every
// body turns 360 degrees per Duration without a jump, at pass ends and across an off/on of
// auto-rotation; the stock setup, kept for comparison, jumps.
//
// The orientation is measured from the matrices (a moon's centre about the planet, the
// planet's own X axis), not read from the animated property.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "Angles.h"
#include "app/OrbitAnimation.h"
#include "scene/animation/AniThread.h"
#include "scene/objects/Control3D.h"
#include "support/ManualAnimationPlatform.h"

namespace app {
namespace {

using testing::Wrap;

using scene::TControl3D;
using scene::TFloatAnimation;

struct TBodyOrbit {
  const char* name;
  float duration;  // seconds per turn
  float radius;    // orbit radius; 0 for the planet
  float phase;     // stored RotationAngle.Y
};

constexpr TBodyOrbit BodyOrbits[] = {{"Orvane", 30, 0, 0},      {"Mimas", 64, 12, 0},
                                     {"Enceladus", 94, 14, 45}, {"Tethys", 128, 16, 90},
                                     {"Dione", 188, 18, 135},   {"Rhea", 308, 20, 180},
                                     {"Titan", 1152, 22, 225},  {"Iapetus", 5680, 24, 270}};
constexpr int kBodyCount = 8;

// Rounding of the runtime's single-precision angles, which the mend neither causes nor cures.
// A written angle is a single (steps of 3e-5 degrees near 360), so a step may differ from its
// exact share by a few of those. A step turns by ReduceAngle(new - previous) = 360 - s degrees,
// the same turn as -s, whose radians are rounded to a single near 2 pi (good to 1.4e-5
// degrees); the orientation sums these roundings until all angles pass near 0, where the
// runtime resets it to the identity and the sum snaps back.
constexpr double kStepTolerance = 1e-4;  // degrees beyond one tick's share
constexpr double kDriftPerTick = 2e-5;   // degrees the orientation may gain or lose per tick

// The scene's bodies under a window, built and loaded as the main window's stored tree is:
// properties applied during loading, the animations started when loading completes, the
// rotation centres set afterwards by the creation handler.
class OrbitScene {
 public:
  explicit OrbitScene(bool mended) {
    form.BeginLoading();
    for (int i = 0; i < kBodyCount; ++i) {
      const TBodyOrbit& entry = BodyOrbits[i];
      auto* body = new TControl3D;
      body->SetName(entry.name);
      form.AddChild(body);
      body->BeginLoading();
      body->Position().SetX(entry.radius);
      body->RotationAngle().SetY(entry.phase);
      bodies.push_back(body);
      animations.push_back(mended ? AddBodyAnimation(*body, i + 1, entry.duration)
                                  : AddStockAnimation(*body, entry.duration));
    }
    form.EndLoading();
    for (int i = 0; i < kBodyCount; ++i)
      bodies[i]->RotationCenter().SetX(-BodyOrbits[i].radius);
  }

  // The body animation as stored, without the mend.
  static TFloatAnimation* AddStockAnimation(TControl3D& body, float duration) {
    auto* a = new TFloatAnimation;
    body.AddChild(a);
    a->SetDuration(duration);
    a->SetLoop(true);
    a->SetPropertyName("RotationAngle.Y");
    a->SetStartValue(0);
    a->SetStartFromCurrent(true);
    a->SetStopValue(-360);
    a->SetEnabled(true);
    return a;
  }

  // Degrees about the Y axis of the planet's centre, measured from the body's matrix.
  double Angle(int i) const {
    const TControl3D& body = *bodies[i];
    const scene::TVector3D v =
        BodyOrbits[i].radius > 0 ? body.AbsolutePosition() : body.AbsoluteLeft();
    return std::atan2(-static_cast<double>(v.Z), static_cast<double>(v.X)) * 180 / std::numbers::pi;
  }

  void AutoRotate(bool on) {
    for (TFloatAnimation* a : animations)
      on ? a->Start() : a->StopAtCurrent();
  }

  scene::testing::TManualAnimationScope clock;
  scene::testing::TTestForm form;
  std::vector<TControl3D*> bodies;
  std::vector<TFloatAnimation*> animations;
};

// Drives the clock with 10 ms ticks, a few milliseconds of jitter and some long stalls, and
// checks every body's motion at every tick.
struct Motion {
  double elapsed = 0;
  double advance[kBodyCount] = {};    // degrees turned, in the direction of motion
  double shortTime[kBodyCount] = {};  // seconds of the ticks that turned less than their share
  int shortSteps[kBodyCount] = {};
  int ticks = 0;                             // since the scene was built
  double largestExcess[kBodyCount] = {};     // degrees beyond a tick's share
  double largestBackwards[kBodyCount] = {};  // degrees turned against the motion
};

Motion Drive(OrbitScene& scene, double seconds, std::uint32_t seed, int ticksBefore = 0) {
  Motion m;
  m.ticks = ticksBefore;
  double before[kBodyCount];
  for (int i = 0; i < kBodyCount; ++i)
    before[i] = scene.Angle(i);
  std::uint32_t state = seed;
  int tick = 0;
  while (m.elapsed < seconds) {
    state = state * 1664525u + 1013904223u;
    double dt = 0.010 + ((state >> 8) % 9001) / 1e6 - 0.003;     // 7 to 16 ms
    if (++tick % 7919 == 0) dt = 0.5 + (tick / 7919 % 5) * 1.9;  // a stall of 0.5 to 8.1 s
    scene.clock.Platform.Tick(dt);
    m.elapsed += dt;
    ++m.ticks;
    for (int i = 0; i < kBodyCount; ++i) {
      const double angle = scene.Angle(i);
      const double step = -Wrap(angle - before[i]);
      before[i] = angle;
      const double share = 360 * dt / BodyOrbits[i].duration;
      m.advance[i] += step;
      m.largestExcess[i] = std::max(m.largestExcess[i], step - share);
      m.largestBackwards[i] = std::max(m.largestBackwards[i], -step);
      if (step < share - kStepTolerance) {
        ++m.shortSteps[i];
        m.shortTime[i] += dt;
      }
    }
  }
  return m;
}

// Every step at most one tick's share and never backwards; every step a full share except at
// most one per pass (the tick that completes it drops its excess, as every looping animation
// does); so each body turns 360 degrees per Duration.
void ExpectSteadyTurning(const Motion& m) {
  for (int i = 0; i < kBodyCount; ++i) {
    const TBodyOrbit& b = BodyOrbits[i];
    EXPECT_LE(m.largestExcess[i], kStepTolerance) << b.name;
    const double drift = kDriftPerTick * m.ticks;
    EXPECT_LE(m.largestBackwards[i], drift) << b.name;
    const int passes = static_cast<int>(m.elapsed / b.duration) + 1;
    EXPECT_LE(m.shortSteps[i], passes) << b.name;
    const double full = 360 * m.elapsed / b.duration;
    const double dropped = 360 * m.shortTime[i] / b.duration;
    EXPECT_LE(m.advance[i], full + drift) << b.name;
    EXPECT_GE(m.advance[i], full - dropped - drift) << b.name;
  }
}

TEST(OrbitAnimation, EveryBodyTurns360DegreesPerDurationWithoutJumpsAcrossOffAndOn) {
  OrbitScene scene(true);
  for (int i = 0; i < kBodyCount; ++i) {
    // Started when loading completed, from the stored phase.
    EXPECT_TRUE(scene.animations[i]->Running()) << BodyOrbits[i].name;
    EXPECT_EQ(scene.animations[i]->StartValue(), BodyOrbits[i].phase) << BodyOrbits[i].name;
    EXPECT_EQ(scene.animations[i]->StopValue(), BodyOrbits[i].phase - 360) << BodyOrbits[i].name;
    EXPECT_NEAR(Wrap(scene.Angle(i) - BodyOrbits[i].phase), 0, 1e-4) << BodyOrbits[i].name;
  }

  const Motion first = Drive(scene, 8 * 60, 1);
  ExpectSteadyTurning(first);

  double stopped[kBodyCount];
  scene.AutoRotate(false);
  for (int i = 0; i < kBodyCount; ++i)
    stopped[i] = scene.Angle(i);
  EXPECT_FALSE(scene.clock.Platform.TimerEnabled());
  scene.clock.Platform.Tick(300);  // five minutes off: no timer event
  scene.AutoRotate(true);
  for (int i = 0; i < kBodyCount; ++i)
    EXPECT_NEAR(Wrap(scene.Angle(i) - stopped[i]), 0, 1e-4) << BodyOrbits[i].name;

  ExpectSteadyTurning(Drive(scene, 8 * 60, 2, first.ticks));
}

TEST(OrbitAnimation, StockSetupJumpsBackByThePhaseAndSpeedsUpAfterOffAndOn) {
  OrbitScene scene(false);
  auto& platform = scene.clock.Platform;
  const int planet = 0, enceladus = 2;
  // Enceladus sweeps 405 degrees in 94 s and then jumps back by 45.
  double before = scene.Angle(enceladus), largestBackwards = 0;
  for (int t = 0; t < 9500; ++t) {
    platform.Tick(0.01);
    const double step = -Wrap(scene.Angle(enceladus) - before);
    before = scene.Angle(enceladus);
    largestBackwards = std::max(largestBackwards, -step);
  }
  EXPECT_NEAR(largestBackwards, 45, 0.1);

  // Off 95 s in, with the planet at 300 degrees (written -60), then on: 660 degrees per 30 s.
  scene.AutoRotate(false);
  EXPECT_NEAR(scene.bodies[planet]->RotationAngle().Y(), 300, 0.1);
  scene.AutoRotate(true);
  before = scene.Angle(planet);
  platform.Tick(1);
  EXPECT_NEAR(-Wrap(scene.Angle(planet) - before), 22, 0.01);
}

TEST(OrbitAnimation, MendedAnimationResumesAtTwelveDegreesPerSecond) {
  OrbitScene scene(true);
  auto& platform = scene.clock.Platform;
  for (int t = 0; t < 10000; ++t)  // 100 s: past three pass ends
    platform.Tick(0.01);
  scene.AutoRotate(false);
  scene.AutoRotate(true);
  auto* planet = scene.animations[0];
  EXPECT_EQ(planet->StopValue(), planet->StartValue() - 360);
  const double before = scene.Angle(0);
  platform.Tick(1);
  EXPECT_NEAR(-Wrap(scene.Angle(0) - before), 12, 0.001);
}

}  // namespace
}  // namespace app
