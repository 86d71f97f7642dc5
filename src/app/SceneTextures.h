// Decoding the scene's ten built-in textures in parallel, one task per picture, while the
// main window is being created; the pictures are handed to their materials before the first
// paint (each is uploaded at that paint and its decoded copy released).
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <span>

#include "app/StoredScene.h"
#include "scene/render/TextureImage.h"

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

  // For start-up timing: the seconds from the first task's start to the last one's end, and
  // the seconds AttachAll had to wait for tasks still running.
  double DecodeWallSeconds() const { return FDecodeWallSeconds; }
  double WaitSeconds() const { return FWaitSeconds; }

 private:
  std::array<std::future<scene::TTextureImage>, SceneTextureCount> FTasks;
  std::chrono::steady_clock::time_point FStart;
  std::array<std::chrono::steady_clock::time_point, SceneTextureCount> FTaskEnds{};
  double FDecodeWallSeconds = 0;
  double FWaitSeconds = 0;
  bool FAttached = false;
};

}  // namespace app
