// Per-vertex (Gouraud) lighting of the light material: which lights fill which slots and the
// colour a vertex gets. The vertex programs "gouraud2/4/8.fvs" compute the same; this is the
// reference the tests check them against.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "scene/math/AlphaColor.h"
#include "scene/math/Matrix3D.h"
#include "scene/render/LightDescription.h"

namespace scene {

constexpr int MaxLights = 8;

// The enabled lights in list order, at most eight.
std::vector<const TLightDescription*> EnabledLightSlots(std::span<const TLightDescription> lights);
// Slots of the vertex program for `enabled` lights: 0, 2, 4 or 8.
int LightSlotCount(int enabled);
// "nolight.fvs", "gouraud2.fvs", "gouraud4.fvs" or "gouraud8.fvs".
std::string_view LightVertexProgram(int enabled);
// 1 directional, 2 point, 3 spot (0 marks an empty slot).
float LightTypeCode(TLightKind type);

struct TLightingMaterial {
  TAlphaColor Diffuse = claWhite;
  TAlphaColor Ambient = 0xFF202020;
  TAlphaColor Emissive = claNull;
  TAlphaColor Specular = 0xFF606060;
  int Shininess = 30;
};

// The lit colour (r, g, b, 1), each channel clamped to 0..1, of a vertex at `position` with
// `normal` (mesh coordinates) drawn with model matrix `model`, lit by the enabled `lights`
// (at most eight take part) and seen from `eye` (scene coordinates).
TVector3D LitVertexColor(const TPoint3D& position, const TPoint3D& normal, const TMatrix3D& model,
                         const TLightingMaterial& material,
                         std::span<const TLightDescription> lights, const TPoint3D& eye);

}  // namespace scene
