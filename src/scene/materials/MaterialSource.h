// A scene component that owns one material and the texture picture the material draws with.
//
// Shapes refer to a source through their MaterialSource property (several may share one) and
// are told when it is freed. When the texture is given a picture that is not empty, the
// material draws with it; an empty picture leaves the material untextured. Setting the
// texture notifies nobody: a viewport that already shows the material is asked to render
// again by whoever set it.
#pragma once

#include <memory>

#include "scene/render/Material.h"
#include "scene/render/Texture.h"
#include "scene/tree/SceneNode.h"

namespace scene {

class TMaterialSource : public TSceneNode {
 public:
  TMaterial* Material() const { return FMaterial.get(); }

  const TTexture& Texture() const { return FTexture; }
  TTexture& Texture() { return FTexture; }
  void SetTexture(TTextureImage image);
  // A picture given in bands; `uploaded` is the texture a device already made from it (null:
  // the device fills it at its first draw).
  void SetTexture(std::shared_ptr<const TTextureBands> bands,
                  std::unique_ptr<TDeviceHandle> uploaded = nullptr);

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  explicit TMaterialSource(std::unique_ptr<TMaterial> material);
  // The texture's picture changed; `texture` is null when it is now empty.
  virtual void TextureChanged(TTexture* /*texture*/) {}

 private:
  std::unique_ptr<TMaterial> FMaterial;
  TTexture FTexture;
};

}  // namespace scene
