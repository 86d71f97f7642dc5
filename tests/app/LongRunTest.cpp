// Two simulated days of the main window with the clock driven by hand: the planet and the
// moons still turn at their rates, nothing accumulates (animations, objects, heap), and every
// body's orientation is still a rotation: a unit quaternion, an orthonormal matrix.
#include <gtest/gtest.h>
#include <malloc.h>

#include <array>
#include <cmath>
#include <numbers>

#include "Angles.h"
#include "MainWindowFixture.h"
#include "scene/animation/AniThread.h"

namespace app {
namespace {

using testing::Wrap;

using LongRun = testing::TMainWindowFixture;

int CountNodes(const scene::TSceneNode& node) {
  int count = 1;
  for (const scene::TSceneNode* child : node.Children())
    count += CountNodes(*child);
  return count;
}

// How far the body's local matrix is from a rotation: the largest distance of its axes
// (divided by the body's scale) from an orthonormal set.
double MatrixError(const scene::TControl3D& body) {
  const scene::TMatrix3D& m = body.LocalMatrix();
  const float scale[3] = {body.Scale().X(), body.Scale().Y(), body.Scale().Z()};
  double error = 0;
  for (int a = 0; a < 3; ++a)
    for (int b = 0; b < 3; ++b) {
      double dot = 0;
      for (int k = 0; k < 3; ++k)
        dot += static_cast<double>(m.At(a, k)) / scale[a] * m.At(b, k) / scale[b];
      error = std::max(error, std::abs(dot - (a == b ? 1.0 : 0.0)));
    }
  return error;
}

// How far the stored quaternion's length is from 1. It is kept as the turns multiply it, never
// normalised (the matrix is made from a normalised copy), so single-precision rounding lets it
// wander slowly.
double LengthError(const scene::TControl3D& body) {
  const scene::TQuaternion3D& q = body.Quaternion();
  return std::abs(std::sqrt(q.ImagPart.X * q.ImagPart.X + q.ImagPart.Y * q.ImagPart.Y +
                            q.ImagPart.Z * q.ImagPart.Z + q.RealPart * q.RealPart) -
                  1);
}

TEST_F(LongRun, TwoDaysOfTurningKeepTheRatesAndGrowNothing) {
  constexpr double Hours = 48, Tick = 0.25;  // seconds per tick: a slow machine's frames
  const std::array<scene::TControl3D*, 8> bodies = {form->Sphere1, form->Sphere3, form->Sphere4,
                                                    form->Sphere5, form->Sphere6, form->Sphere7,
                                                    form->Sphere8, form->Sphere9};
  constexpr std::array<double, 8> Durations = {30, 64, 94, 128, 188, 308, 1152, 5680};

  // Past the glide, so that only the bodies move.
  Clock.Platform.TickAt(10);
  Clock.Platform.RunQueuedTasks();
  const std::size_t animations = scene::TAniThread::Instance().AniList().size();
  const int nodes = CountNodes(*form);
  const std::size_t heap = mallinfo2().uordblks;

  std::array<double, 8> previous{}, turned{};
  for (std::size_t i = 0; i < bodies.size(); ++i)
    previous[i] = bodies[i]->RotationAngle().Y();
  double worstMatrix = 0, worstLength = 0;
  const long ticks = static_cast<long>(Hours * 3600 / Tick);
  for (long t = 0; t < ticks; ++t) {
    Clock.Platform.Tick(Tick);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
      const double angle = bodies[i]->RotationAngle().Y();
      turned[i] -= Wrap(angle - previous[i]);  // the bodies turn towards smaller angles
      previous[i] = angle;
    }
    if (t % 997 == 0)
      for (const scene::TControl3D* body : bodies) {
        worstMatrix = std::max(worstMatrix, MatrixError(*body));
        worstLength = std::max(worstLength, LengthError(*body));
      }
  }
  Clock.Platform.RunQueuedTasks();

  for (std::size_t i = 0; i < bodies.size(); ++i) {
    SCOPED_TRACE(bodies[i]->Name());
    // Each pass may end up to one tick early, as any looping animation's does.
    const double full = 360 * Hours * 3600 / Durations[i];
    const double passes = std::ceil(Hours * 3600 / Durations[i]);
    EXPECT_LE(turned[i], full + 1e-3 * passes);
    EXPECT_GE(turned[i], full - passes * 360 * Tick / Durations[i] - 1e-3 * passes);
  }
  EXPECT_LT(worstMatrix, 1e-5);
  // Measured: 1.4e-4 after two days for Iapetus, growing by about 2e-6 an hour.
  EXPECT_LT(worstLength, 1e-3);
  EXPECT_EQ(scene::TAniThread::Instance().AniList().size(), animations);
  EXPECT_EQ(CountNodes(*form), nodes);
  // Allocations come and go with the ticks; none stays.
  EXPECT_LT(static_cast<double>(mallinfo2().uordblks), static_cast<double>(heap) + 64 * 1024);
}

}  // namespace
}  // namespace app
