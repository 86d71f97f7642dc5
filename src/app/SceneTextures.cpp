#include "app/SceneTextures.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "assets/EmbeddedAssets.h"
#include "assets/PackedTexture.h"
#include "scene/render/Premultiply.h"

namespace app {
namespace {

using Seconds = std::chrono::duration<double>;

// A built-in texture's bands, premultiplied as they are read (only the rings have alpha).
class TPackedTextureBands : public scene::TTextureBands {
 public:
  explicit TPackedTextureBands(assets::TPackedTexture packed) : FPacked(std::move(packed)) {}

  int Width() const override { return FPacked.Width(); }
  int Height() const override { return FPacked.Height(); }
  bool Opaque() const override { return FPacked.Opaque(); }
  int BandRows() const override { return FPacked.BandRows(); }

  bool ReadBand(int band, std::span<std::uint8_t> out) const override {
    if (!FPacked.ReadBand(band, out)) return false;
    if (!FPacked.Opaque()) {
      const std::size_t rowBytes = static_cast<std::size_t>(Width()) * 4;
      for (int y = 0; y < FPacked.RowsIn(band); ++y)
        scene::PremultiplyRow(out.data() + y * rowBytes, Width());
    }
    return true;
  }

 private:
  assets::TPackedTexture FPacked;
};

}  // namespace

namespace {

std::shared_ptr<const scene::TTextureBands> BandsOf(std::span<const std::uint8_t> bytes) {
  std::optional<assets::TPackedTexture> packed = assets::TPackedTexture::Open(bytes);
  if (!packed) return nullptr;
  return std::make_shared<TPackedTextureBands>(std::move(*packed));
}

}  // namespace

std::shared_ptr<const scene::TTextureBands> PackedSceneTexture(TSceneTexture texture) {
  return BandsOf(assets::EmbeddedPackedTexture(texture));
}

std::shared_ptr<const scene::TTextureBands> SmallSceneTexture(TSceneTexture texture) {
  return BandsOf(assets::EmbeddedSmallTexture(texture));
}

// --- packed ------------------------------------------------------------------------------------

TPackedSceneTextures::TPackedSceneTextures(std::unique_ptr<scene::ITextureUploader> uploader)
    : FUploader(std::move(uploader)) {
  for (int i = 0; i < SceneTextureCount; ++i) {
    FSources.push_back(PackedSceneTexture(static_cast<TSceneTexture>(i)));
    FSmall.push_back(SmallSceneTexture(static_cast<TSceneTexture>(i)));
  }
  const bool smallCopies =
      std::none_of(FSmall.begin(), FSmall.end(), [](const auto& small) { return !small; });
  // With the small copies to draw with, the full textures are made once the first frame is out:
  // making them holds the driver's locks and takes memory and a core from that frame.
  if (smallCopies)
    FUploadAfterFirstFrame = FUploader != nullptr;
  else
    FUploading = FUploader && FUploader->Start(FSources);
}

TPackedSceneTextures::~TPackedSceneTextures() {
  if (FUploading) FUploader->Wait();
}

void TPackedSceneTextures::AttachAll(const TStoredScene& scene) {
  if (FAttached) return;
  if (FUploadAfterFirstFrame) {
    // The first paint draws with the small copies (filled at their first draw: a sixteenth of
    // the pixels); the next one, with the first frame out, starts making the full textures.
    if (!FSmallAttached) {
      for (int i = 0; i < SceneTextureCount; ++i)
        TextureSource(scene, static_cast<TSceneTexture>(i))
            .SetTexture(FSmall[static_cast<std::size_t>(i)], nullptr);
      FSmallAttached = true;
      return;
    }
    FUploadAfterFirstFrame = false;
    FUploading = FUploader->Start(FSources);
  }
  // The paints go on with the small copies until the full textures are made.
  if (FSmallAttached && FUploading && !FUploader->Done()) return;
  FAttached = true;
  FSmall.clear();
  std::vector<std::unique_ptr<scene::TDeviceHandle>> handles;
  if (FUploading) {
    const auto waitStart = std::chrono::steady_clock::now();
    handles = FUploader->Finish();
    FUploading = false;
    const auto now = std::chrono::steady_clock::now();
    FWaitSeconds = Seconds(now - waitStart).count();
    FReadySeconds = Seconds(now - FStart).count();
  }
  handles.resize(FSources.size());
  for (int i = 0; i < SceneTextureCount; ++i) {
    const auto at = static_cast<std::size_t>(i);
    TextureSource(scene, static_cast<TSceneTexture>(i))
        .SetTexture(FSources[at], std::move(handles[at]));
  }
}

// --- PNG ---------------------------------------------------------------------------------------

TPngSceneTextures::TPngSceneTextures(TPngDecoder decoder, TPngSource source) {
  // The sky is by far the largest picture: start it first so it does not finish last.
  constexpr std::array order = {
      TSceneTexture::Sky,       TSceneTexture::Rings,  TSceneTexture::Planet, TSceneTexture::Mimas,
      TSceneTexture::Enceladus, TSceneTexture::Tethys, TSceneTexture::Dione,  TSceneTexture::Rhea,
      TSceneTexture::Titan,     TSceneTexture::Iapetus};
  for (TSceneTexture texture : order) {
    const int i = static_cast<int>(texture);
    FTasks[i] =
        std::async(std::launch::async, [decoder, png = source(texture), end = &FTaskEnds[i]] {
          scene::TTextureImage image = decoder(png);
          *end = std::chrono::steady_clock::now();
          return image;
        });
  }
}

TPngSceneTextures::~TPngSceneTextures() {
  for (auto& task : FTasks)
    if (task.valid()) task.wait();
}

void TPngSceneTextures::AttachAll(const TStoredScene& scene) {
  if (FAttached) return;
  FAttached = true;
  const auto waitStart = std::chrono::steady_clock::now();
  for (auto& task : FTasks)
    task.wait();
  FWaitSeconds = Seconds(std::chrono::steady_clock::now() - waitStart).count();
  for (int i = 0; i < SceneTextureCount; ++i) {
    AttachTexture(scene, static_cast<TSceneTexture>(i), FTasks[i].get());
    FReadySeconds = std::max(FReadySeconds, Seconds(FTaskEnds[i] - FStart).count());
  }
}

}  // namespace app
