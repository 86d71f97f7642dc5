#include "scene/materials/MaterialSource.h"

#include <utility>

namespace scene {

TMaterialSource::TMaterialSource(std::unique_ptr<TMaterial> material)
    : FMaterial(std::move(material)) {}

void TMaterialSource::SetTexture(TTextureImage image) {
  FTexture.Assign(std::move(image));
  TextureChanged(FTexture.IsEmpty() ? nullptr : &FTexture);
}

void TMaterialSource::SetTexture(std::shared_ptr<const TTextureBands> bands,
                                 std::unique_ptr<TDeviceHandle> uploaded) {
  FTexture.AssignUploaded(std::move(uploaded), std::move(bands));
  TextureChanged(FTexture.IsEmpty() ? nullptr : &FTexture);
}

const TPropertyTable& TMaterialSource::ClassProperties() {
  static const TPropertyTable table(&TSceneNode::ClassProperties(), {OtherProperty("Texture")});
  return table;
}

}  // namespace scene
