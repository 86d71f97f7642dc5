#include "scene/render/Lighting.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace scene {

std::vector<const TLightDescription*> EnabledLightSlots(std::span<const TLightDescription> lights) {
  std::vector<const TLightDescription*> slots;
  for (const TLightDescription& l : lights) {
    if (!l.Enabled) continue;
    if (static_cast<int>(slots.size()) == MaxLights) break;
    slots.push_back(&l);
  }
  return slots;
}

int LightSlotCount(int enabled) {
  return enabled <= 0 ? 0 : enabled <= 2 ? 2 : enabled <= 4 ? 4 : 8;
}

std::string_view LightVertexProgram(int enabled) {
  switch (LightSlotCount(enabled)) {
    case 0:
      return "nolight.fvs";
    case 2:
      return "gouraud2.fvs";
    case 4:
      return "gouraud4.fvs";
    default:
      return "gouraud8.fvs";
  }
}

float LightTypeCode(TLightKind type) {
  switch (type) {
    case TLightKind::Directional:
      return 1;
    case TLightKind::Point:
      return 2;
    case TLightKind::Spot:
      return 3;
  }
  return 0;
}

TVector3D LitVertexColor(const TPoint3D& position, const TPoint3D& normal, const TMatrix3D& model,
                         const TLightingMaterial& material,
                         std::span<const TLightDescription> lights, const TPoint3D& eye) {
  const TPoint3D p = TransformPoint(position, model);
  const TMatrix3D it = model.Inverse().Transposed();
  const TPoint3D n = Normalize(Transform({normal.X, normal.Y, normal.Z, 0}, it).ToPoint());
  const TPoint3D e = Normalize(p - eye);
  const auto shininess = static_cast<float>(material.Shininess);

  TPoint3D d{0, 0, 0};
  float s = 0;
  for (const TLightDescription* light : EnabledLightSlots(lights)) {
    // The direction in which the light travels to this vertex.
    TPoint3D dir = light->Direction;
    float spot = 1;
    if (light->LightType != TLightKind::Directional) {
      dir = Normalize(p - light->Position);
      if (light->LightType == TLightKind::Spot) {
        const float c = Dot(dir, Normalize(light->Direction));
        const float cutoff = std::cos(light->SpotCutOff * (std::numbers::pi_v<float> / 180.0f));
        spot = c < cutoff ? 0.0f : std::pow(std::max(c, 0.0f), light->SpotExponent);
      }
    }
    const float k = std::max(0.0f, -Dot(n, dir)) * spot;
    const TColorFloats l = ColorToFloats(light->Color);
    d = d + TPoint3D{l.R, l.G, l.B} * k;
    if (k > 0) {
      const TPoint3D h = Normalize(dir + e);
      const float base = std::max(0.0f, -Dot(n, h));
      s += base > 0 ? std::pow(base, shininess) : 0.0f;
    }
  }
  const TColorFloats em = ColorToFloats(material.Emissive), am = ColorToFloats(material.Ambient),
                     di = ColorToFloats(material.Diffuse), sp = ColorToFloats(material.Specular);
  auto channel = [&](float e0, float a0, float d0, float dl, float s0) {
    return std::clamp(e0 + a0 + dl * d0 + s * s0, 0.0f, 1.0f);
  };
  return {channel(em.R, am.R, di.R, d.X, sp.R), channel(em.G, am.G, di.G, d.Y, sp.G),
          channel(em.B, am.B, di.B, d.Z, sp.B), 1};
}

}  // namespace scene
