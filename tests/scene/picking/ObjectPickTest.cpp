// Which object of a subtree a pick ray finds: children before their parent, the nearest hit,
// only shapes in front of the eye, and only objects that take part.
#include <gtest/gtest.h>

#include <string>

#include "scene/objects/Camera.h"
#include "scene/objects/Disk.h"
#include "scene/objects/Dummy.h"
#include "scene/objects/Light.h"
#include "scene/objects/Sphere.h"
#include "scene/picking/ObjectPick.h"

namespace scene {
namespace {

template <class T>
T* Add(TSceneNode& parent, const char* name, TPoint3D position = {}, float scale = 1) {
  auto* o = new T;
  o->SetName(name);
  parent.AddChild(o);
  o->Position().SetPoint(position);
  o->Scale().SetPoint({scale, scale, scale});
  return o;
}

// A planet of radius 5 with a ring disk of radius 11 around it, two moons on the X axis and
// a dummy, a camera and a light that picking never takes.
struct Planet : ::testing::Test {
  TDummy root;
  TSphere* planet = Add<TSphere>(root, "planet", {}, 10);
  TDisk* rings = Add<TDisk>(*planet, "rings", {}, 2.2f);
  TSphere* nearMoon = Add<TSphere>(root, "near moon", {20, 0, 0}, 2);
  TSphere* farMoon = Add<TSphere>(root, "far moon", {30, 0, 0}, 2);
  Planet() {
    planet->SetWrapMode(TMeshWrapMode::Fit);
    rings->SetHeight(0.001f);
    for (TSphere* moon : {nearMoon, farMoon})
      moon->SetWrapMode(TMeshWrapMode::Fit);
    Add<TDummy>(root, "dummy", {0, 30, 0}, 5);
    Add<TCamera>(root, "camera", {0, 40, 0}, 5);
    Add<TLight>(root, "light", {0, 50, 0}, 5);
  }
  std::string Pick(TPickRay ray) {
    ray.Direction = Normalize(ray.Direction);
    TPick pick{ray};
    TControl3D* found = PickObject(root, pick);
    return found ? found->Name() : "none";
  }
};

TEST_F(Planet, FindsTheRightObject) {
  const struct {
    const char* name;
    TPickRay ray;
    const char* expected;
  } cases[] = {
      {"the planet from the side, under the ring plane", {{0, -2, -40}, {0, 0, 1}}, "planet"},
      {"the ring gap seen from above", {{7, 40, 0}, {0, -1, 0}}, "rings"},
      {"the planet seen from above: the ring plane behind it wins",
       {{0, 40, 0}, {0, -1, 0}},
       "rings"},
      {"past the rings", {{11.5f, 40, 0}, {0, -1, 0}}, "none"},
      {"empty space", {{0, 60, -40}, {0, 0, 1}}, "none"},
      {"from beyond the moons: the one nearer the eye", {{60, 0.5f, 0}, {-1, 0, 0}}, "far moon"},
      {"from between the moons towards the near one", {{25, 0.5f, 0}, {-1, 0, 0}}, "near moon"},
      {"a moon behind the eye is not hit", {{25, 0.5f, 0}, {1, 0, 0}}, "far moon"},
      {"the dummy, camera and light are never hit", {{0, 100, 0.2f}, {0, -1, 0}}, "rings"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Pick(c.ray), c.expected) << c.name;
}

TEST_F(Planet, EyeInsideABodySeesItsFarSide) {
  EXPECT_EQ(Pick({{20, 0.5f, 0}, {0, 0, 1}}), "near moon");
}

TEST_F(Planet, PassesOverWhatDoesNotTakePart) {
  const TPickRay atNearMoon{{25, 0.5f, 0}, {-1, 0, 0}};
  nearMoon->SetHitTest(false);
  EXPECT_EQ(Pick(atNearMoon), "planet") << "HitTest off";
  nearMoon->SetHitTest(true);
  nearMoon->SetVisible(false);
  EXPECT_EQ(Pick(atNearMoon), "planet") << "invisible";
  nearMoon->SetVisible(true);
  planet->SetVisible(false);
  EXPECT_EQ(Pick({{0, 40, 0}, {0, -1, 0}}), "none") << "an invisible parent hides its children";
  planet->SetVisible(true);
  TPick screenPass{{{0, 40, 0}, {0, -1, 0}}, TProjectionKind::Screen};
  EXPECT_EQ(PickObject(root, screenPass), nullptr) << "camera objects are not in the screen pass";
}

TEST_F(Planet, EqualDistancesKeepTheFirstTested) {
  // Two moons at the same place: the later child is asked first and keeps the hit.
  farMoon->Position().SetX(20);
  EXPECT_EQ(Pick({{60, 0.5f, 0}, {-1, 0, 0}}), "far moon");
}

TEST_F(Planet, ReportsTheNearestDistance) {
  TPick pick{{{60, 0, 0}, {-1, 0, 0}}};
  ASSERT_EQ(PickObject(root, pick), farMoon);
  EXPECT_FLOAT_EQ(pick.Nearest, 29);  // radius 1 about x = 30
}

}  // namespace
}  // namespace scene
