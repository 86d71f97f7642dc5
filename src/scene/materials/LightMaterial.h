// The lit material: per-vertex ambient, diffuse, specular and emissive lighting from the
// frame's lights (see Lighting.h), multiplied by the texture when there is one.
//
// Programs: "nolight.fvs", "gouraud2.fvs", "gouraud4.fvs" or "gouraud8.fvs" by the number of
// enabled lights, with "gouraud.fps". TLightMaterialSource is the scene component that owns
// one; writing its properties stores them in the material at once.
#pragma once

#include "scene/materials/MaterialSource.h"
#include "scene/render/Lighting.h"
#include "scene/render/Material.h"

namespace scene {

class TLightMaterial : public TMaterial {
 public:
  const TLightingMaterial& Lighting() const { return FLighting; }
  TLightingMaterial& Lighting() { return FLighting; }
  // The texture to modulate with, or null.
  TTexture* Texture() const { return FTexture; }
  void SetTexture(TTexture* texture) { FTexture = texture; }

  void Apply(TContext3D& context, float opacity, TShaderInputs& inputs) const override;

 private:
  TLightingMaterial FLighting;
  TTexture* FTexture = nullptr;
};

class TLightMaterialSource : public TMaterialSource {
 public:
  TLightMaterialSource();

  TLightMaterial& LightMaterial() const { return static_cast<TLightMaterial&>(*Material()); }

  void SetDiffuse(TAlphaColor c) { LightMaterial().Lighting().Diffuse = c; }
  void SetAmbient(TAlphaColor c) { LightMaterial().Lighting().Ambient = c; }
  void SetSpecular(TAlphaColor c) { LightMaterial().Lighting().Specular = c; }

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  void TextureChanged(TTexture* texture) override { LightMaterial().SetTexture(texture); }
};

}  // namespace scene
