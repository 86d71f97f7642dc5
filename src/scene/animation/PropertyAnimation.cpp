#include "scene/animation/PropertyAnimation.h"

namespace scene {

void TCustomPropertyAnimation::SetPropertyName(std::string value) {
  if (!SameTextAscii(value, FPropertyName)) ForgetTarget();
  FPropertyName = std::move(value);
}

void TCustomPropertyAnimation::ForgetTarget() {
  if (FWatched) FWatched->RemoveFreeObserver(this);
  FWatched = nullptr;
  FInstance = nullptr;
  FPath.clear();
  FRttiProperty = nullptr;
}

bool TCustomPropertyAnimation::ResolvePropertyPath() {
  if (!Parent() || FPropertyName.empty()) return false;
  if (FInstance) return true;

  TPropertyHolder* instance = Parent();
  TSceneNode* owner = Parent();  // the tree object `instance` lives on
  std::string_view rest = FPropertyName;
  for (size_t dot = rest.find('.'); dot != std::string_view::npos; dot = rest.find('.')) {
    const std::string_view head = rest.substr(0, dot);
    rest.remove_prefix(dot + 1);
    const TPropertyInfo* info = instance->Properties().Find(head);
    TPropertyHolder* next = info && info->Kind == TPropertyKind::Object && info->GetObject
                                ? info->GetObject(*instance)
                                : nullptr;
    if (next) {
      instance = next;
      if (auto* object = dynamic_cast<TSceneNode*>(next)) owner = object;
      continue;
    }
    for (TSceneNode* child : Parent()->Children())
      if (SameTextAscii(child->Name(), head) && child->Properties().Find(rest)) {
        instance = child;
        owner = child;
        break;
      }
  }
  const TPropertyInfo* property = instance->Properties().Find(rest);
  if (!property) return false;
  FInstance = instance;
  FPath = std::string(rest);
  FRttiProperty = property;
  if (owner != Parent()) {
    FWatched = owner;
    owner->AddFreeObserver(this);
  }
  return true;
}

const TPropertyInfo* TCustomPropertyAnimation::CurrentProperty() const {
  return FInstance ? FInstance->Properties().Find(FPath) : nullptr;
}

const TPropertyInfo* TCustomPropertyAnimation::FloatTarget() const {
  const TPropertyInfo* property = CurrentProperty();
  return property && property->Kind == TPropertyKind::Float && property->GetFloat &&
                 property->SetFloat
             ? property
             : nullptr;
}

void TCustomPropertyAnimation::Start() {
  if (!ResolvePropertyPath()) return;
  TAnimation::Start();
}

void TCustomPropertyAnimation::Stop() {
  TAnimation::Stop();
  ForgetTarget();
}

void TCustomPropertyAnimation::ParentChanged() {
  // The path is relative to the parent.
  ForgetTarget();
  TAnimation::ParentChanged();
}

void TCustomPropertyAnimation::ObservedFreed(TSceneNode* dying) {
  if (dying == FWatched) {
    FWatched = nullptr;
    ForgetTarget();
  }
  TAnimation::ObservedFreed(dying);
}

const TPropertyTable& TCustomPropertyAnimation::ClassProperties() {
  static const TPropertyTable table(&TAnimation::ClassProperties(),
                                    {OtherProperty("PropertyName")});
  return table;
}

}  // namespace scene
