#include "scene/tree/SceneNode.h"

#include <algorithm>
#include <utility>

namespace scene {

TFreeObserver::~TFreeObserver() {
  StopWatching();
}

void TFreeObserver::StopWatching() {
  for (TSceneNode* observed : std::exchange(FObserved, {}))
    std::erase(observed->FFreeObservers, this);
}

TSceneNode::~TSceneNode() {
  FDestroying = true;
  const std::vector<TFreeObserver*> observers = std::exchange(FFreeObservers, {});
  for (TFreeObserver* observer : observers) {
    std::erase(observer->FObserved, this);
    observer->ObservedFreed(this);
  }
  // Before the children go: none of them may tell this half-freed object anything.
  StopWatching();
  // Free the children last to first; each removes itself from FChildren as it goes.
  while (!FChildren.empty()) {
    TSceneNode* child = FChildren.back();
    child->FDestroying = true;
    delete child;
  }
  if (FParent) {
    TSceneNode* parent = FParent;
    auto& siblings = parent->FChildren;
    siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    FParent = nullptr;
    if (!parent->FDestroying) parent->ChildRemoved(this);
  }
}

void TSceneNode::AddFreeObserver(TFreeObserver* observer) {
  if (!observer || observer == this) return;
  if (std::find(FFreeObservers.begin(), FFreeObservers.end(), observer) != FFreeObservers.end())
    return;
  FFreeObservers.push_back(observer);
  observer->FObserved.push_back(this);
}

void TSceneNode::RemoveFreeObserver(TFreeObserver* observer) {
  if (!observer) return;
  std::erase(FFreeObservers, observer);
  std::erase(observer->FObserved, this);
}

void TSceneNode::DetachFromParent() {
  if (!FParent) return;
  TSceneNode* parent = FParent;
  auto& siblings = parent->FChildren;
  siblings.erase(std::find(siblings.begin(), siblings.end(), this));
  FParent = nullptr;
  parent->ChildRemoved(this);
}

void TSceneNode::AddChild(TSceneNode* child) {
  InsertChild(ChildCount(), child);
}

void TSceneNode::InsertChild(int index, TSceneNode* child) {
  if (!child || child->FParent == this || child == this) return;
  child->DetachFromParent();
  index = std::clamp(index, 0, ChildCount());
  FChildren.insert(FChildren.begin() + index, child);
  child->FParent = this;
  // Objects added while a stored tree is being built are part of that loading.
  if (FLoading && !child->FLoading) child->BeginLoading();
  child->ParentChanged();
  ChildAdded(child);
}

void TSceneNode::RemoveChild(TSceneNode* child) {
  if (!child || child->FParent != this) return;
  child->DetachFromParent();
  child->ParentChanged();
}

void TSceneNode::SetParent(TSceneNode* parent) {
  if (parent == FParent) return;
  if (parent)
    parent->AddChild(this);
  else
    FParent->RemoveChild(this);
}

TSceneNode* TSceneNode::FindObject(std::string_view name) {
  if (SameTextAscii(FName, name)) return this;
  for (TSceneNode* c : FChildren)
    if (TSceneNode* found = c->FindObject(name)) return found;
  return nullptr;
}

TSceneNode* TSceneNode::Root() {
  TSceneNode* o = this;
  while (o->FParent)
    o = o->FParent;
  return o;
}

bool TSceneNode::IsInWindow() {
  return Root()->IsForm();
}

void TSceneNode::BeginLoading() {
  FLoading = true;
  for (TSceneNode* c : FChildren)
    c->BeginLoading();
}

void TSceneNode::EndLoading() {
  // Copy: a LoadingFinished handler may add objects (an animation's start, a viewport's default
  // camera).
  const std::vector<TSceneNode*> children = FChildren;
  for (TSceneNode* c : children)
    c->EndLoading();
  FLoading = false;
  LoadingFinished();
}

void TSceneNode::EndUpdate() {
  if (FUpdating > 0 && --FUpdating == 0) UpdateEnded();
}

const TPropertyTable& TSceneNode::ClassProperties() {
  static const TPropertyTable table(&TPropertyHolder::ClassProperties(), {OtherProperty("Name")});
  return table;
}

}  // namespace scene
