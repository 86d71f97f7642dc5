// Base of the materials a shape is drawn with.
//
// Materials have a fixed, arbitrary order for the whole run (their creation order); the
// render-list comparer uses it to group objects by material.
#pragma once

#include <cstdint>

namespace scene {

class TMaterial {
 public:
  TMaterial();
  virtual ~TMaterial() = default;
  TMaterial(const TMaterial&) = delete;
  TMaterial& operator=(const TMaterial&) = delete;

  std::uint64_t Order() const { return FOrder; }

 private:
  std::uint64_t FOrder;
};

}  // namespace scene
