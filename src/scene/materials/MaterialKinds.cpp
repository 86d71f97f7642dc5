#include "scene/materials/LightMaterial.h"

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <string_view>

#include "scene/materials/TextureMaterial.h"
#include "scene/render/Context3D.h"

namespace scene {

namespace {

// Input names of the light slots: "Lights[i].Opts", ".Pos", ".Dir" and ".Color".
struct TLightSlotNames {
  std::string_view Opts, Pos, Dir, Color;
};
constexpr std::array<TLightSlotNames, MaxLights> LightSlotNames{{
    {"Lights[0].Opts", "Lights[0].Pos", "Lights[0].Dir", "Lights[0].Color"},
    {"Lights[1].Opts", "Lights[1].Pos", "Lights[1].Dir", "Lights[1].Color"},
    {"Lights[2].Opts", "Lights[2].Pos", "Lights[2].Dir", "Lights[2].Color"},
    {"Lights[3].Opts", "Lights[3].Pos", "Lights[3].Dir", "Lights[3].Color"},
    {"Lights[4].Opts", "Lights[4].Pos", "Lights[4].Dir", "Lights[4].Color"},
    {"Lights[5].Opts", "Lights[5].Pos", "Lights[5].Dir", "Lights[5].Color"},
    {"Lights[6].Opts", "Lights[6].Pos", "Lights[6].Dir", "Lights[6].Color"},
    {"Lights[7].Opts", "Lights[7].Pos", "Lights[7].Dir", "Lights[7].Color"},
}};

TVector3D Point(const TPoint3D& p, float w) {
  return {p.X, p.Y, p.Z, w};
}

}  // namespace

void TLightMaterial::Apply(TContext3D& context, float opacity, TShaderInputs& inputs) const {
  const std::vector<const TLightDescription*> slots = EnabledLightSlots(context.Lights());
  const int enabled = static_cast<int>(slots.size());
  inputs.VertexProgram = LightVertexProgram(enabled);
  inputs.PixelProgram = "gouraud.fps";
  inputs.SetMatrix("ModelViewIT", context.CurrentMatrix().Inverse().Transposed());
  inputs.SetVector("MaterialDiffuse", ColorToVector(FLighting.Diffuse));
  inputs.SetVector("MaterialAmbient", ColorToVector(FLighting.Ambient));
  inputs.SetVector("MaterialEmission", ColorToVector(FLighting.Emissive));
  inputs.SetVector("MaterialSpecular", ColorToVector(FLighting.Specular));
  inputs.SetVector("MaterialOpts", static_cast<float>(FLighting.Shininess), 0, 0, 0);
  inputs.SetVector("EyePos", Point(context.EyePosition(), 1));
  for (int i = 0; i < LightSlotCount(enabled); ++i) {
    const TLightSlotNames& names = LightSlotNames[static_cast<size_t>(i)];
    if (i < enabled) {
      const TLightDescription& l = *slots[static_cast<size_t>(i)];
      const float cutoff = std::cos(l.SpotCutOff * (std::numbers::pi_v<float> / 180.0f));
      inputs.SetVector(names.Opts, LightTypeCode(l.LightType), cutoff, l.SpotExponent, 0);
      inputs.SetVector(names.Pos, Point(l.Position, 1));
      inputs.SetVector(names.Dir, Point(l.Direction, 0));
      inputs.SetVector(names.Color, ColorToVector(l.Color));
    } else {
      inputs.SetVector(names.Opts, 0, 0, 0, 0);
      inputs.SetVector(names.Pos, 0, 0, 0, 0);
      inputs.SetVector(names.Dir, 0, 0, 0, 0);
      inputs.SetVector(names.Color, 0, 0, 0, 0);
    }
  }
  inputs.SetVector("Opacity", opacity, 0, 0, 0);
  inputs.Texture0 = FTexture ? context.PrepareTexture(*FTexture) : nullptr;
  inputs.SetVector("Modulation", inputs.Texture0 ? 2.0f : 0.0f, 0, 0, 0);
  // The lit colour's alpha is 1; an opaque texture keeps it so.
  inputs.OpaqueOutput = opacity >= 1 && (!inputs.Texture0 || FTexture->IsOpaque());
}

void TTextureMaterial::Apply(TContext3D& context, float opacity, TShaderInputs& inputs) const {
  inputs.VertexProgram = "texture.fvs";
  inputs.PixelProgram = "texture.fps";
  inputs.SetVector("Opacity", opacity, 0, 0, 0);
  inputs.Texture0 = FTexture ? context.PrepareTexture(*FTexture) : nullptr;
  inputs.OpaqueOutput = opacity >= 1 && inputs.Texture0 && FTexture->IsOpaque();
}

TLightMaterialSource::TLightMaterialSource()
    : TMaterialSource(std::make_unique<TLightMaterial>()) {}

const TPropertyTable& TLightMaterialSource::ClassProperties() {
  static const TPropertyTable table(
      &TMaterialSource::ClassProperties(),
      {OtherProperty("Diffuse"), OtherProperty("Ambient"), OtherProperty("Emissive"),
       OtherProperty("Specular"), OtherProperty("Shininess")});
  return table;
}

TTextureMaterialSource::TTextureMaterialSource()
    : TMaterialSource(std::make_unique<TTextureMaterial>()) {}

}  // namespace scene
