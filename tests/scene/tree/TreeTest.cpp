// The object tree: ownership, order, free notification and loading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/tree/SceneNode.h"

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

}  // namespace
}  // namespace scene
