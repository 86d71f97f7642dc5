// The scene's ten built-in textures and how they reach their materials before the first
// paint.
//
// The program carries them packed in bands (TPackedSceneTextures), each also in a copy four
// times smaller a side. With an uploader, the first frame draws with the small copies; then the
// full textures are made on threads of their own while the next frames draw with the small
// ones, and the first paint after takes the finished textures. Without an uploader (or when it
// cannot start), each full texture is filled band by band at its first draw. TPngSceneTextures
// decodes PNG files on worker threads instead, one task per picture: the path for pictures given as
// files, also kept to measure start-up against.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "app/StoredScene.h"
#include "scene/render/TextureImage.h"
#include "scene/render/TextureUploader.h"
#include "scene/service/Service.h"

namespace app {

class TSceneTextures {
 public:
  virtual ~TSceneTextures() = default;

  // Gives every material its texture; once they are all complete, later calls do nothing.
  // Called at every paint, with the window's drawing device current.
  virtual void AttachAll(const TStoredScene& scene) = 0;
  // Whether the materials have their full textures (not yet the small copies some makers
  // draw with at first): until then the window paints again, to take them when they are made.
  bool Complete() const { return FAttached; }

  // For start-up timing: the seconds from construction until the pictures were ready (decoded,
  // or made on the device ahead; 0 when they are filled at their first draw), and the seconds
  // AttachAll had to wait for them.
  double ReadySeconds() const { return FReadySeconds; }
  double WaitSeconds() const { return FWaitSeconds; }

 protected:
  std::chrono::steady_clock::time_point FStart = std::chrono::steady_clock::now();
  double FReadySeconds = 0;
  double FWaitSeconds = 0;
  bool FAttached = false;
};

// Makes the main window's textures as the window is constructed: a service
// (scene::TService<ISceneTexturesMaker>) the entry point installs; with none installed the
// window has no textures.
class ISceneTexturesMaker {
 public:
  virtual ~ISceneTexturesMaker() = default;
  virtual std::unique_ptr<TSceneTextures> Make() = 0;
};

// A maker that runs a function.
class TSceneTexturesFunction : public ISceneTexturesMaker {
 public:
  explicit TSceneTexturesFunction(std::function<std::unique_ptr<TSceneTextures>()> make)
      : FMake(std::move(make)) {}
  std::unique_ptr<TSceneTextures> Make() override { return FMake(); }

 private:
  std::function<std::unique_ptr<TSceneTextures>()> FMake;
};

class TPackedSceneTextures : public TSceneTextures {
 public:
  // `uploader` may be null.
  explicit TPackedSceneTextures(std::unique_ptr<scene::ITextureUploader> uploader = nullptr);
  ~TPackedSceneTextures() override;  // waits for an upload still running

  void AttachAll(const TStoredScene& scene) override;

 private:
  std::vector<std::shared_ptr<const scene::TTextureBands>> FSources;  // in TSceneTexture order
  std::vector<std::shared_ptr<const scene::TTextureBands>> FSmall;    // the same, smaller
  std::unique_ptr<scene::ITextureUploader> FUploader;
  bool FUploadAfterFirstFrame = false;
  bool FUploading = false;
  bool FSmallAttached = false;
};

using TPngDecoder = std::function<scene::TTextureImage(std::span<const std::uint8_t> png)>;
using TPngSource = std::function<std::span<const std::uint8_t>(TSceneTexture)>;

class TPngSceneTextures : public TSceneTextures {
 public:
  // Starts one decoding task per texture (the largest, the sky, first).
  TPngSceneTextures(TPngDecoder decoder, TPngSource source);
  ~TPngSceneTextures() override;  // waits for tasks still running

  void AttachAll(const TStoredScene& scene) override;

 private:
  std::array<std::future<scene::TTextureImage>, SceneTextureCount> FTasks;
  std::array<std::chrono::steady_clock::time_point, SceneTextureCount> FTaskEnds{};
};

// The source of the built-in textures' bands (null for About or a value outside the enum).
std::shared_ptr<const scene::TTextureBands> PackedSceneTexture(TSceneTexture texture);
// The same for the copy four times smaller a side.
std::shared_ptr<const scene::TTextureBands> SmallSceneTexture(TSceneTexture texture);

}  // namespace app
