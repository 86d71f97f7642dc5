// Decoding the scene's ten built-in textures in parallel, one task per picture, while the
// main window is being created; the pictures are handed to their materials before the first
// paint (each is uploaded at that paint and its decoded copy released).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <future>
#include <span>

#include "app/StoredScene.h"
#include "scene/TextureImage.h"

namespace app {

using TPngDecoder = std::function<scene::TTextureImage(std::span<const std::uint8_t> png)>;

class TSceneTextures {
 public:
  // Starts one decoding task per texture (the largest, the sky, first).
  explicit TSceneTextures(TPngDecoder decoder);
  ~TSceneTextures();  // waits for tasks still running

  // Waits for the pictures not attached yet and gives each to its material. Later calls do
  // nothing.
  void AttachAll(const TStoredScene& scene);
  bool Attached() const { return FAttached; }

  // Seconds the decoding tasks took together (each task's own time), for start-up timing.
  double DecodeSeconds() const { return FDecodeSeconds; }

 private:
  std::array<std::future<scene::TTextureImage>, SceneTextureCount> FTasks;
  std::array<double, SceneTextureCount> FTaskSeconds{};
  double FDecodeSeconds = 0;
  bool FAttached = false;
};

}  // namespace app
