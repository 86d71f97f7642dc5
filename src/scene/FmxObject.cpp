#include "scene/FmxObject.h"

#include <algorithm>
#include <utility>

namespace scene {

TFmxObject::~TFmxObject() {
  FDestroying = true;
  const std::vector<TFmxObject*> observers = std::exchange(FFreeNotifies, {});
  for (TFmxObject* observer : observers) {
    std::erase(observer->FObserved, this);
    observer->FreeNotification(this);
  }
  for (TFmxObject* observed : std::exchange(FObserved, {}))
    std::erase(observed->FFreeNotifies, this);
  // Free the children last to first; each removes itself from FChildren as it goes.
  while (!FChildren.empty()) {
    TFmxObject* child = FChildren.back();
    child->FDestroying = true;
    delete child;
  }
  if (FParent) {
    TFmxObject* parent = FParent;
    auto& siblings = parent->FChildren;
    siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    FParent = nullptr;
    if (!parent->FDestroying) parent->ChildRemoved(this);
  }
}

void TFmxObject::AddFreeNotify(TFmxObject* observer) {
  if (!observer || observer == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), observer) != FFreeNotifies.end())
    return;
  FFreeNotifies.push_back(observer);
  observer->FObserved.push_back(this);
}

void TFmxObject::RemoveFreeNotify(TFmxObject* observer) {
  if (!observer) return;
  std::erase(FFreeNotifies, observer);
  std::erase(observer->FObserved, this);
}

void TFmxObject::DetachFromParent() {
  if (!FParent) return;
  TFmxObject* parent = FParent;
  auto& siblings = parent->FChildren;
  siblings.erase(std::find(siblings.begin(), siblings.end(), this));
  FParent = nullptr;
  parent->ChildRemoved(this);
}

void TFmxObject::AddObject(TFmxObject* child) {
  if (!child || child->FParent == this || child == this) return;
  child->DetachFromParent();
  FChildren.push_back(child);
  child->FParent = this;
  // Objects added while a stored tree is being built are part of that loading.
  if (FLoading && !child->FLoading) child->BeginLoading();
  child->ParentChanged();
  ChildAdded(child);
}

void TFmxObject::RemoveObject(TFmxObject* child) {
  if (!child || child->FParent != this) return;
  child->DetachFromParent();
  child->ParentChanged();
}

void TFmxObject::SetParent(TFmxObject* parent) {
  if (parent == FParent) return;
  if (parent)
    parent->AddObject(this);
  else
    FParent->RemoveObject(this);
}

TFmxObject* TFmxObject::FindObject(std::string_view name) {
  if (SameTextAscii(FName, name)) return this;
  for (TFmxObject* c : FChildren)
    if (TFmxObject* found = c->FindObject(name)) return found;
  return nullptr;
}

TFmxObject* TFmxObject::Root() {
  TFmxObject* o = this;
  while (o->FParent)
    o = o->FParent;
  return o;
}

bool TFmxObject::IsInWindow() {
  return Root()->IsForm();
}

void TFmxObject::BeginLoading() {
  FLoading = true;
  for (TFmxObject* c : FChildren)
    c->BeginLoading();
}

void TFmxObject::EndLoading() {
  // Copy: a Loaded handler may add objects (an animation's start, a viewport's default camera).
  const std::vector<TFmxObject*> children = FChildren;
  for (TFmxObject* c : children)
    c->EndLoading();
  FLoading = false;
  Loaded();
}

void TFmxObject::EndUpdate() {
  if (FUpdating > 0 && --FUpdating == 0) UpdateEnded();
}

const TPropertyTable& TFmxObject::ClassProperties() {
  static const TPropertyTable table(&TPersistent::ClassProperties(), {OtherProperty("Name")});
  return table;
}

}  // namespace scene
