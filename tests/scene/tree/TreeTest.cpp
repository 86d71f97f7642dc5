// The object tree: ownership, order, free notification, loading and the drawing order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/objects/Control3D.h"
#include "support/FakeViewport.h"

namespace scene {
namespace {

struct Tracked : TSceneNode {
  std::vector<std::string>* log;
  explicit Tracked(std::vector<std::string>* l, std::string name) : log(l) { SetName(name); }
  ~Tracked() override { log->push_back("free " + Name()); }
  void LoadingFinished() override { log->push_back("loaded " + Name()); }
  void ObservedFreed(TSceneNode* dying) override {
    log->push_back(Name() + " saw " + dying->Name());
  }
};

TEST(ObjectTree, ParentFreesItsChildrenAndAChildLeavesItsParent) {
  std::vector<std::string> log;
  auto* root = new Tracked(&log, "root");
  auto* a = new Tracked(&log, "a");
  auto* b = new Tracked(&log, "b");
  root->AddChild(a);
  root->AddChild(b);
  a->AddChild(new Tracked(&log, "a1"));
  EXPECT_EQ(root->Children(), (std::vector<TSceneNode*>{a, b}));
  EXPECT_EQ(root->FindObject("A1")->Name(), "a1");

  delete b;
  EXPECT_EQ(root->Children(), (std::vector<TSceneNode*>{a}));
  delete root;
  // Each object's own destructor runs before it frees its children.
  EXPECT_EQ(log, (std::vector<std::string>{"free b", "free root", "free a", "free a1"}));
}

TEST(ObjectTree, LoadedRunsForChildrenBeforeTheirParent) {
  std::vector<std::string> log;
  Tracked root(&log, "root");
  auto* a = new Tracked(&log, "a");
  root.AddChild(a);
  a->AddChild(new Tracked(&log, "a1"));
  root.AddChild(new Tracked(&log, "b"));
  root.BeginLoading();
  EXPECT_TRUE(a->IsLoading());
  root.EndLoading();
  EXPECT_FALSE(a->IsLoading());
  EXPECT_EQ(log, (std::vector<std::string>{"loaded a1", "loaded a", "loaded b", "loaded root"}));
}

TEST(ObjectTree, FreeNotificationReachesObserversOnce) {
  std::vector<std::string> log;
  auto* camera = new Tracked(&log, "camera");
  {
    Tracked viewport(&log, "viewport");
    camera->AddFreeObserver(&viewport);
    delete camera;
  }
  EXPECT_EQ(log, (std::vector<std::string>{"free camera", "viewport saw camera", "free viewport"}));

  // An observer that goes first is unlinked.
  log.clear();
  auto* target = new Tracked(&log, "target");
  auto* observer = new Tracked(&log, "observer");
  target->AddFreeObserver(observer);
  delete observer;
  delete target;
  EXPECT_EQ(log, (std::vector<std::string>{"free observer", "free target"}));
}

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
