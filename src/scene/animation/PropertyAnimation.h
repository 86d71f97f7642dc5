// An animation of one published property, named by a dotted path relative to its parent.
//
// Start resolves the path through the property tables (names compared ignoring ASCII case):
// each segment but the last descends into an object-valued property, or else into a child of
// the parent with that name; the last segment names the property to animate on the object
// reached. A path that does not resolve makes Start do nothing. The object reached stays
// resolved between ticks (only the final property is looked up on each tick) until Stop,
// a change of PropertyName to another name, a change of parent, or the freeing of the object
// it lives on.
#pragma once

#include <string>
#include <string_view>

#include "scene/animation/Animation.h"

namespace scene {

class TCustomPropertyAnimation : public TAnimation {
 public:
  const std::string& PropertyName() const { return FPropertyName; }
  void SetPropertyName(std::string value);

  void Start() override;
  void Stop() override;

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  // Resolves the path unless a target is already resolved; false when it does not resolve.
  bool ResolvePropertyPath();
  void ForgetTarget();

  // The object holding the final property (null while unresolved), and that property's name.
  TPropertyHolder* FInstance = nullptr;
  std::string FPath;
  const TPropertyInfo* FRttiProperty = nullptr;

  // The final property as it is found on FInstance now; null when there is none.
  const TPropertyInfo* CurrentProperty() const;
  // The final property when it holds a float; null otherwise.
  const TPropertyInfo* FloatTarget() const;

  void ParentChanged() override;
  void ObservedFreed(TSceneNode* dying) override;

 private:
  std::string FPropertyName;
  // The tree object that FInstance belongs to when it is not the parent (a named child, or an
  // object reached through an object property): watched so that its freeing unresolves.
  TSceneNode* FWatched = nullptr;
};

}  // namespace scene
