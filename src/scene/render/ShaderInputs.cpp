#include "scene/render/ShaderInputs.h"

#include <cstring>

namespace scene {

void TShaderInputs::Clear() {
  VertexProgram = {};
  PixelProgram = {};
  Texture0 = nullptr;
  OpaqueOutput = false;
  FInputs.clear();
}

TShaderInput& TShaderInputs::Slot(std::string_view name) {
  for (TShaderInput& input : FInputs)
    if (input.Name == name) return input;
  return FInputs.emplace_back(TShaderInput{name});
}

void TShaderInputs::SetVector(std::string_view name, const TVector3D& v) {
  TShaderInput& s = Slot(name);
  s.IsMatrix = false;
  s.Values = {v.X, v.Y, v.Z, v.W};
}

void TShaderInputs::SetMatrix(std::string_view name, const TMatrix3D& m) {
  TShaderInput& s = Slot(name);
  s.IsMatrix = true;
  std::memcpy(s.Values.data(), &m.m11, sizeof(float) * 16);
}

const TShaderInput* TShaderInputs::Find(std::string_view name) const {
  for (const TShaderInput& input : FInputs)
    if (input.Name == name) return &input;
  return nullptr;
}

TVector3D TShaderInputs::Vector(std::string_view name) const {
  const TShaderInput* s = Find(name);
  return s ? TVector3D{s->Values[0], s->Values[1], s->Values[2], s->Values[3]}
           : TVector3D{0, 0, 0, 0};
}

TMatrix3D TShaderInputs::Matrix(std::string_view name) const {
  TMatrix3D m;
  if (const TShaderInput* s = Find(name)) std::memcpy(&m.m11, s->Values.data(), sizeof(float) * 16);
  return m;
}

}  // namespace scene
