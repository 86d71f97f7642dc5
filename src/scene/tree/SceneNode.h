// Node of the object tree shared by 3D objects, 2D controls, menu items and animations.
//
// A parent owns its children and frees them when it is freed; freeing a child removes it
// from its parent. Children keep their order. Objects are created with `new` and handed to
// a parent with AddChild (or passed a parent at creation); they are neither copied nor moved.
#pragma once

#include <string>
#include <vector>

#include "scene/math/Interpolation.h"
#include "scene/tree/PropertyTable.h"

namespace scene {

class IPointerTarget;
class TSceneNode;

// Hears when the objects it watches are freed (a viewport forgetting its camera, the pointer
// routing forgetting the object under the pointer): TSceneNode::AddFreeObserver links the two,
// and the link is undone when either side goes first.
class TFreeObserver {
 public:
  TFreeObserver() = default;
  TFreeObserver(const TFreeObserver&) = delete;
  TFreeObserver& operator=(const TFreeObserver&) = delete;

 protected:
  virtual ~TFreeObserver();
  // `dying` is being freed; the link is already undone.
  virtual void ObservedFreed(TSceneNode* dying) = 0;
  // Stops watching every object.
  void StopWatching();

 private:
  friend class TSceneNode;
  std::vector<TSceneNode*> FObserved;  // the objects this one watches
};

class TSceneNode : public TPropertyHolder, public TFreeObserver {
 public:
  TSceneNode() = default;
  TSceneNode(const TSceneNode&) = delete;
  TSceneNode& operator=(const TSceneNode&) = delete;
  ~TSceneNode() override;

  const std::string& Name() const { return FName; }
  void SetName(std::string name) { FName = std::move(name); }

  TSceneNode* Parent() const { return FParent; }
  const std::vector<TSceneNode*>& Children() const { return FChildren; }
  int ChildCount() const { return static_cast<int>(FChildren.size()); }

  // Appends `child` (taking ownership), first removing it from any previous parent.
  void AddChild(TSceneNode* child);
  // The same, placing `child` at `index` among the children (clamped to the list).
  void InsertChild(int index, TSceneNode* child);
  // Detaches `child` without freeing it; the caller owns it afterwards.
  void RemoveChild(TSceneNode* child);
  // Moves this object under `parent` (null detaches it; the caller then owns it).
  void SetParent(TSceneNode* parent);

  // First object named `name` (ASCII case ignored) in this subtree, depth first; null if none.
  TSceneNode* FindObject(std::string_view name);
  TSceneNode* Root();

  // Loading: while the stored tree is being built, setters that would react (start an
  // animation, rebuild a list) only record their values.
  bool IsLoading() const { return FLoading; }
  void BeginLoading();  // marks the whole subtree, and objects added to it later, as loading
  // Tells every object of the subtree that loading is complete, each after its own children.
  void EndLoading();

  bool IsDestroying() const { return FDestroying; }

  // Update blocks suspend render-list rebuilds and repaints of this object.
  void BeginUpdate() { ++FUpdating; }
  void EndUpdate();
  bool IsUpdating() const { return FUpdating > 0; }

  // Kinds that other parts of the runtime ask about without knowing the concrete classes.
  virtual bool IsVisualObject() const { return false; }  // a 2D control or a 3D object
  virtual bool Is3DObject() const { return false; }
  virtual bool IsVisibleObject() const { return true; }
  virtual bool IsForm() const { return false; }
  // True when the root of this object's tree is a window.
  bool IsInWindow();

  // Free notification: `observer` is told through ObservedFreed when this object is freed
  // (a viewport forgetting its camera, a camera forgetting its target). Both directions are
  // unlinked when either side goes first.
  void AddFreeObserver(TFreeObserver* observer);
  void RemoveFreeObserver(TFreeObserver* observer);

  // The object as the pointer routing sees it: 2D controls and 3D objects take the pointer;
  // null for everything else.
  virtual IPointerTarget* PointerTarget() { return nullptr; }

  // Animates the float property at `propertyName` (a dotted path such as "Position.Z") of this
  // object from its current value to `newValue` over `duration` seconds with a temporary
  // animation that frees itself after it ends (see TAnimator::AnimateFloat in Animator.h).
  void AnimateFloat(std::string_view propertyName, float newValue, float duration = 0.2f,
                    TAnimationType type = TAnimationType::In,
                    TInterpolationType interpolation = TInterpolationType::Linear);

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  void ObservedFreed(TSceneNode* /*dying*/) override {}

  // Runs when loading of the whole tree is complete (children have already been told).
  virtual void LoadingFinished() {}
  // Reactions to tree changes; `child` is already in (or already out of) the list.
  virtual void ChildAdded(TSceneNode* /*child*/) {}
  virtual void ChildRemoved(TSceneNode* /*child*/) {}
  virtual void ParentChanged() {}
  virtual void UpdateEnded() {}
  // Called first thing in the destructor chain by owners that need to know (see ~TSceneNode).
  void SetDestroying() { FDestroying = true; }

 private:
  friend class TFreeObserver;
  void DetachFromParent();

  std::string FName;
  TSceneNode* FParent = nullptr;
  std::vector<TSceneNode*> FChildren;
  std::vector<TFreeObserver*> FFreeObservers;  // observers of this object
  int FUpdating = 0;
  bool FLoading = false;
  bool FDestroying = false;
};

}  // namespace scene
