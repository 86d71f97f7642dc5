// 3D objects in a viewport: the order their parent draws them in, and the viewport they reach
// and ask to repaint.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/objects/Control3D.h"
#include "support/FakeViewport.h"

namespace scene {
namespace {

TEST(DrawingOrder, EqualObjectsComeOutInTheQuicksortOrder) {
  // The stored scene's top level: planet, pivot, sky and seven moons, none with a material yet.
  testing::TFakeViewport viewport;
  const char* names[] = {"Sphere1", "Dummy1",  "Sphere2", "Sphere3", "Sphere4",
                         "Sphere5", "Sphere6", "Sphere7", "Sphere8", "Sphere9"};
  for (const char* name : names) {
    auto* o = new TControl3D;
    o->SetName(name);
    viewport.AddChild(o);
  }
  std::vector<std::string> order;
  for (TControl3D* o : viewport.RenderingList)
    order.push_back(o->Name());
  EXPECT_EQ(order,
            (std::vector<std::string>{"Sphere5", "Sphere6", "Sphere7", "Sphere8", "Sphere9",
                                      "Sphere1", "Dummy1", "Sphere2", "Sphere3", "Sphere4"}));
}

TEST(DrawingOrder, FadedObjectsComeAfterOpaqueOnes) {
  TControl3D parent;
  auto* faded = new TControl3D;
  faded->SetOpacity(0.5f);
  parent.AddChild(faded);
  auto* solid = new TControl3D;
  parent.AddChild(solid);
  EXPECT_EQ(parent.RenderList(), (std::vector<TControl3D*>{solid, faded}));
}

TEST(Viewport, ChildrenGetTheViewportAndRepaintRequests) {
  testing::TFakeViewport viewport;
  auto* pivot = new TControl3D;
  auto* camera = new TControl3D;
  pivot->AddChild(camera);
  EXPECT_EQ(camera->Viewport(), nullptr);
  viewport.AddChild(pivot);
  EXPECT_EQ(camera->Viewport(), &viewport);

  const int before = viewport.RenderRequests;
  camera->Position().SetZ(-30);
  EXPECT_EQ(viewport.RenderRequests, before + 1);
  camera->BeginUpdate();
  camera->Position().SetZ(-40);
  EXPECT_EQ(viewport.RenderRequests, before + 1);
  camera->EndUpdate();
  camera->SetVisible(false);
  EXPECT_EQ(viewport.RenderRequests, before + 2);
  camera->Position().SetZ(-50);  // invisible objects ask for nothing
  EXPECT_EQ(viewport.RenderRequests, before + 2);
}

}  // namespace
}  // namespace scene
