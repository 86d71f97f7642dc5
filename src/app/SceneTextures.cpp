#include "app/SceneTextures.h"

#include <algorithm>
#include <chrono>

#include "assets/EmbeddedAssets.h"

namespace app {

TSceneTextures::TSceneTextures(TPngDecoder decoder) {
  // The sky is by far the largest picture: start it first so it does not finish last.
  constexpr std::array order = {
      TSceneTexture::Sky,       TSceneTexture::Rings,  TSceneTexture::Planet, TSceneTexture::Mimas,
      TSceneTexture::Enceladus, TSceneTexture::Tethys, TSceneTexture::Dione,  TSceneTexture::Rhea,
      TSceneTexture::Titan,     TSceneTexture::Iapetus};
  FStart = std::chrono::steady_clock::now();
  for (TSceneTexture texture : order) {
    const int i = static_cast<int>(texture);
    FTasks[i] = std::async(std::launch::async, [decoder, texture, end = &FTaskEnds[i]] {
      scene::TTextureImage image = decoder(assets::EmbeddedImage(texture));
      *end = std::chrono::steady_clock::now();
      return image;
    });
  }
}

TSceneTextures::~TSceneTextures() {
  for (auto& task : FTasks)
    if (task.valid()) task.wait();
}

void TSceneTextures::AttachAll(const TStoredScene& scene) {
  if (FAttached) return;
  FAttached = true;
  using Seconds = std::chrono::duration<double>;
  const auto waitStart = std::chrono::steady_clock::now();
  for (auto& task : FTasks)
    task.wait();
  FWaitSeconds = Seconds(std::chrono::steady_clock::now() - waitStart).count();
  for (int i = 0; i < SceneTextureCount; ++i) {
    AttachTexture(scene, static_cast<TSceneTexture>(i), FTasks[i].get());
    FDecodeWallSeconds = std::max(FDecodeWallSeconds, Seconds(FTaskEnds[i] - FStart).count());
  }
}

}  // namespace app
