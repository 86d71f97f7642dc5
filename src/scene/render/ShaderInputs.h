// What one draw hands to the device: the names of its vertex and pixel programs, their inputs
// by name (four-float vectors and 4 x 4 matrices) and the texture bound to "texture0".
//
// Matrices are stored as the scene runtime keeps them, row by row for row vectors (p * M); a
// device converts them for its shading language. Names point to static strings.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "scene/math/Matrix3D.h"
#include "scene/math/Point3D.h"

namespace scene {

class TDeviceHandle;

struct TShaderInput {
  std::string_view Name;
  bool IsMatrix = false;
  std::array<float, 16> Values{};  // a vector uses the first four
};

class TShaderInputs {
 public:
  std::string_view VertexProgram;
  std::string_view PixelProgram;
  // The uploaded texture for "texture0", or null.
  TDeviceHandle* Texture0 = nullptr;
  // Every pixel this draw outputs has alpha 1, so premultiplied blending would give the source
  // unchanged: a device may skip the blend (same pixels, less memory traffic).
  bool OpaqueOutput = false;

  // Empties the inputs, keeping the storage (one object serves every draw of a frame).
  void Clear();
  void SetVector(std::string_view name, const TVector3D& v);
  void SetVector(std::string_view name, float x, float y, float z, float w) {
    SetVector(name, TVector3D{x, y, z, w});
  }
  void SetMatrix(std::string_view name, const TMatrix3D& m);

  const std::vector<TShaderInput>& Inputs() const { return FInputs; }
  // The input named `name`, or null.
  const TShaderInput* Find(std::string_view name) const;
  TVector3D Vector(std::string_view name) const;
  TMatrix3D Matrix(std::string_view name) const;

 private:
  TShaderInput& Slot(std::string_view name);
  std::vector<TShaderInput> FInputs;
};

}  // namespace scene
