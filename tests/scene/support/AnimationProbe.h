// A tree object with one animatable float, "Value", that records every write made through
// its setter (equal values included), and a non-float property, "Caption".
#pragma once

#include <vector>

#include "scene/tree/SceneNode.h"

namespace scene::testing {

class TProbe : public TSceneNode {
 public:
  float Value = 0;
  std::vector<float> Writes;

  void SetValue(float v) {
    Value = v;
    Writes.push_back(v);
  }

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties() {
    static const TPropertyTable table(
        &TSceneNode::ClassProperties(),
        {FloatProperty<TProbe>(
             "Value", [](TProbe& p) { return p.Value; }, [](TProbe& p, float v) { p.SetValue(v); }),
         OtherProperty("Caption")});
    return table;
  }
};

}  // namespace scene::testing
