// Base of the materials a shape is drawn with.
//
// A material chooses its vertex and pixel programs and fills their inputs for one draw
// (Apply); the context has already set "MVPMatrix" and "ModelView". Materials have a fixed,
// arbitrary order for the whole run (their creation order); the render-list comparer uses it
// to group objects by material.
#pragma once

#include <cstdint>

namespace scene {

class TContext3D;
class TShaderInputs;

class TMaterial {
 public:
  TMaterial();
  virtual ~TMaterial() = default;
  TMaterial(const TMaterial&) = delete;
  TMaterial& operator=(const TMaterial&) = delete;

  std::uint64_t Order() const { return FOrder; }

  // Fills `inputs` for drawing with this material at `opacity` (the object's absolute one).
  virtual void Apply(TContext3D& context, float opacity, TShaderInputs& inputs) const = 0;

 private:
  std::uint64_t FOrder;
};

}  // namespace scene
