// The saved orientation's text reader fed any bytes: it never fails, takes only what it can
// read, and whatever it takes leaves the object's matrix finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "scene/objects/Control3D.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  scene::TControl3D object;
  object.RotationAngle().SetY(30);  // a turned object, so that the matrix uses the quaternion
  object.ReadQuanternion(std::string_view(reinterpret_cast<const char*>(data), size));
  const scene::TQuaternion3D q = object.Quaternion();
  for (float v : {q.ImagPart.X, q.ImagPart.Y, q.ImagPart.Z, q.RealPart})
    if (!std::isfinite(v)) std::abort();
  object.RebuildLocalMatrix();
  const scene::TMatrix3D& m = object.LocalMatrix();
  for (int i = 0; i < 16; ++i)
    if (!std::isfinite(m.At(i / 4, i % 4))) std::abort();
  return 0;
}
