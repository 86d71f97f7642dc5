// The unlit material: the texture alone times the opacity ("texture.fvs", "texture.fps").
// TTextureMaterialSource is the scene component that owns one.
#pragma once

#include "scene/materials/MaterialSource.h"
#include "scene/render/Material.h"

namespace scene {

class TTextureMaterial : public TMaterial {
 public:
  TTexture* Texture() const { return FTexture; }
  void SetTexture(TTexture* texture) { FTexture = texture; }

  // Without a texture the device samples a transparent texel, so the surface shows nothing
  // (it still writes depth).
  void Apply(TContext3D& context, float opacity, TShaderInputs& inputs) const override;

 private:
  TTexture* FTexture = nullptr;
};

class TTextureMaterialSource : public TMaterialSource {
 public:
  TTextureMaterialSource();
  TTextureMaterial& TextureMaterial() const { return static_cast<TTextureMaterial&>(*Material()); }

 protected:
  void TextureChanged(TTexture* texture) override { TextureMaterial().SetTexture(texture); }
};

}  // namespace scene
