// The scene's ten textures reach their own materials: packed, made ahead by an uploader (or
// filled at the first draw when there is none, it cannot start, or a texture failed), or
// decoded from PNG files on worker threads. scripts/test also runs this test under
// ThreadSanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <mutex>
#include <set>
#include <span>
#include <vector>

#include "app/SceneTextures.h"
#include "app/StoredScene.h"
#include "ui/files/PngDecoder.h"
#include "ui/window/Form.h"

namespace app {
namespace {

// The stored scene in a window of its own, its loading ended, as the main window builds it.
struct TSceneForm {
  ui::TFormBase Form;
  ui::TViewport3D* Viewport = new ui::TViewport3D;
  TStoredScene Scene;
  TSceneForm() {
    Form.BeginLoading();
    Form.AddChild(Viewport);
    Scene = BuildStoredScene(*Viewport, Form);
    Form.EndLoading();
  }
};

struct TExpectedTexture {
  TSceneTexture Texture;
  int Width, Height;
  bool Opaque;
};

constexpr TExpectedTexture ExpectedTextures[] = {
    {TSceneTexture::Planet, 2048, 1024, true},    {TSceneTexture::Mimas, 2048, 1024, true},
    {TSceneTexture::Enceladus, 2048, 1024, true}, {TSceneTexture::Tethys, 2048, 1024, true},
    {TSceneTexture::Dione, 2048, 1024, true},     {TSceneTexture::Rhea, 2048, 1024, true},
    {TSceneTexture::Titan, 2048, 1024, true},     {TSceneTexture::Iapetus, 2048, 1024, true},
    {TSceneTexture::Sky, 6000, 3000, true},       {TSceneTexture::Rings, 2048, 2048, false},
};
static_assert(std::size(ExpectedTextures) == SceneTextureCount);

TEST(SceneTextures, PngFilesDecodeOnceEachAndGoToTheirMaterials) {
  std::mutex lock;
  std::multiset<const std::uint8_t*> decoded;  // the PNG bytes each task was given
  // Decoding starts before the tree exists, as in the main window's constructor.
  TPngSceneTextures textures(
      [&](std::span<const std::uint8_t> png) {
        {
          std::lock_guard guard(lock);
          decoded.insert(png.data());
        }
        return ui::DecodePng(png);
      },
      assets::EmbeddedImage);

  const TSceneForm window;
  const TStoredScene& scene = window.Scene;

  textures.AttachAll(scene);

  std::multiset<const std::uint8_t*> expected;
  for (const TExpectedTexture& e : ExpectedTextures)
    expected.insert(assets::EmbeddedImage(e.Texture).data());
  EXPECT_EQ(decoded, expected);

  for (const TExpectedTexture& e : ExpectedTextures) {
    SCOPED_TRACE(assets::AssetName(e.Texture));
    const scene::TTexture& texture = TextureSource(scene, e.Texture).Texture();
    EXPECT_TRUE(texture.HasPendingImage());  // waiting for its upload at the first paint
    EXPECT_EQ(texture.Width(), e.Width);
    EXPECT_EQ(texture.Height(), e.Height);
    EXPECT_EQ(texture.IsOpaque(), e.Opaque);
  }
}

// Stands for the platform's uploader: records what it was given and hands out handles (or not).
class TFakeUploader : public scene::ITextureUploader {
 public:
  struct TLog {
    std::vector<const scene::TTextureBands*> Started;
    int Finished = 0, Waited = 0;
    bool Done = true;  // whether the textures are made by now
  };
  class THandle : public scene::TDeviceHandle {
   public:
    bool IsValid() const override { return true; }
  };
  TFakeUploader(TLog& log, bool starts, int failing)
      : FLog(log), FStarts(starts), FFailing(failing) {}
  bool Start(std::vector<std::shared_ptr<const scene::TTextureBands>> sources) override {
    if (!FStarts) return false;
    for (const auto& s : sources)
      FLog.Started.push_back(s.get());
    return true;
  }
  std::vector<std::unique_ptr<scene::TDeviceHandle>> Finish() override {
    ++FLog.Finished;
    std::vector<std::unique_ptr<scene::TDeviceHandle>> handles;
    for (std::size_t i = 0; i < FLog.Started.size(); ++i)
      handles.push_back(static_cast<int>(i) == FFailing ? nullptr : std::make_unique<THandle>());
    return handles;
  }
  bool Done() const override { return FLog.Done; }
  void Wait() override { ++FLog.Waited; }

 private:
  TLog& FLog;
  bool FStarts;
  int FFailing;
};

struct TPackedCase {
  const char* Name;
  bool HasUploader, Starts;
  int Failing;  // the texture the uploader could not make, or -1
};

TEST(SceneTextures, PackedTexturesAreMadeAheadOrFilledAtTheFirstDraw) {
  const TPackedCase cases[] = {
      {"made ahead", true, true, -1},
      {"no uploader", false, false, -1},
      {"the uploader cannot start", true, false, -1},
      {"one texture failed", true, true, static_cast<int>(TSceneTexture::Sky)},
  };
  for (const TPackedCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFakeUploader::TLog log;
    auto textures = std::make_unique<TPackedSceneTextures>(
        c.HasUploader ? std::make_unique<TFakeUploader>(log, c.Starts, c.Failing) : nullptr);
    const bool madeAhead = c.HasUploader && c.Starts;
    EXPECT_TRUE(log.Started.empty()) << "started before the first frame";

    const TSceneForm window;
    const TStoredScene& scene = window.Scene;
    // Paints until the full textures are attached: at once without an uploader; else the first
    // paint draws with the small copies and the second starts the upload and, as this one is
    // done at once, takes what it made (when it cannot start, the full textures are filled at
    // their first draw).
    int paints = 0;
    while (!textures->Complete() && paints < 5) {
      textures->AttachAll(scene);
      ++paints;
    }
    EXPECT_EQ(paints, c.HasUploader ? 2 : 1);
    textures->AttachAll(scene);  // a later call does nothing
    EXPECT_EQ(log.Finished, madeAhead ? 1 : 0);
    EXPECT_EQ(log.Started.size(), madeAhead ? std::size_t{SceneTextureCount} : 0);

    for (const TExpectedTexture& e : ExpectedTextures) {
      SCOPED_TRACE(assets::AssetName(e.Texture));
      const scene::TTexture& texture = TextureSource(scene, e.Texture).Texture();
      const bool made = madeAhead && static_cast<int>(e.Texture) != c.Failing;
      EXPECT_EQ(texture.HasPendingImage(), !made);
      EXPECT_EQ(texture.Width(), e.Width);
      EXPECT_EQ(texture.Height(), e.Height);
      EXPECT_EQ(texture.IsOpaque(), e.Opaque);
      if (madeAhead) {
        EXPECT_EQ(log.Started[static_cast<int>(e.Texture)]->Width(), e.Width);
      }
    }
    textures.reset();
    EXPECT_EQ(log.Waited, 0);  // nothing left to wait for
  }
}

// The first paint draws with the copies four times smaller a side; the upload starts at the
// second, with the first frame out, and the paints go on with the small copies without waiting
// until it is done; the first paint after takes the full textures.
TEST(SceneTextures, UntilTheUploadIsDoneThePaintsDrawWithTheSmallCopies) {
  TFakeUploader::TLog log;
  log.Done = false;
  TPackedSceneTextures textures(std::make_unique<TFakeUploader>(log, true, -1));
  const TSceneForm window;
  const TStoredScene& scene = window.Scene;
  const auto expectSizes = [&](int divisor, bool pending) {
    for (const TExpectedTexture& e : ExpectedTextures) {
      SCOPED_TRACE(assets::AssetName(e.Texture));
      const scene::TTexture& texture = TextureSource(scene, e.Texture).Texture();
      EXPECT_EQ(texture.Width(), e.Width / divisor);
      EXPECT_EQ(texture.Height(), e.Height / divisor);
      EXPECT_EQ(texture.IsOpaque(), e.Opaque);
      EXPECT_EQ(texture.HasPendingImage(), pending);
    }
  };
  for (int paint = 0; paint < 3; ++paint) {
    textures.AttachAll(scene);
    EXPECT_EQ(log.Started.size(), paint == 0 ? 0u : std::size_t{SceneTextureCount}) << paint;
    EXPECT_FALSE(textures.Complete());
    EXPECT_EQ(log.Finished, 0) << "a paint waited for the upload";
    expectSizes(4, true);
  }
  log.Done = true;
  textures.AttachAll(scene);
  EXPECT_TRUE(textures.Complete());
  EXPECT_EQ(log.Finished, 1);
  expectSizes(1, false);
}

// A small copy's pixel is the mean of the 4 x 4 block of the full picture (premultiplied, as
// the bands come), so the first frames show the same scene, only less sharp.
TEST(SceneTextures, SmallCopiesAreTheMeansOfFourByFourBlocks) {
  for (TSceneTexture t : {TSceneTexture::Sky, TSceneTexture::Rings, TSceneTexture::Titan}) {
    SCOPED_TRACE(assets::AssetName(t));
    const auto small = SmallSceneTexture(t);
    ASSERT_TRUE(small);
    const scene::TTextureImage full = ui::DecodePng(assets::EmbeddedImage(t));
    ASSERT_EQ(small->Width() * 4, full.Width);
    ASSERT_EQ(small->Height() * 4, full.Height);
    std::vector<std::uint8_t> band(static_cast<std::size_t>(small->BandRows()) * small->Width() *
                                   4);
    const int middle = small->BandCount() / 2;
    ASSERT_TRUE(small->ReadBand(middle, band));
    int worst = 0;
    for (int x = 0; x < small->Width(); x += 7)
      for (int c = 0; c < 4; ++c) {
        int sum = 0;
        for (int by = 0; by < 4; ++by)
          for (int bx = 0; bx < 4; ++bx)
            sum += full.Pixel(x * 4 + bx, middle * small->BandRows() * 4 + by)[c];
        worst = std::max(worst, std::abs(band[static_cast<std::size_t>(x) * 4 + c] - sum / 16));
      }
    EXPECT_LE(worst, 2) << "levels from the block's mean";
  }
  EXPECT_FALSE(SmallSceneTexture(TSceneTexture::About));
}

TEST(SceneTextures, PackedTexturesNeverTakenAreWaitedFor) {
  TFakeUploader::TLog log;
  log.Done = false;
  {
    TPackedSceneTextures textures(std::make_unique<TFakeUploader>(log, true, -1));
    const TSceneForm window;
    const TStoredScene& scene = window.Scene;
    textures.AttachAll(scene);
    textures.AttachAll(scene);  // starts the upload, which is still running when the window goes
  }
  EXPECT_EQ(log.Waited, 1);
  EXPECT_EQ(log.Finished, 0);
}

// The rings are the one picture with alpha: their bands come premultiplied, as from the PNG.
TEST(SceneTextures, PackedRingBandsArePremultipliedLikeTheDecodedPng) {
  const auto rings = PackedSceneTexture(TSceneTexture::Rings);
  ASSERT_TRUE(rings);
  const scene::TTextureImage png = ui::DecodePng(assets::EmbeddedImage(TSceneTexture::Rings));
  std::vector<std::uint8_t> band(static_cast<std::size_t>(rings->BandRows()) * rings->Width() * 4);
  const int middle = rings->BandCount() / 2;
  ASSERT_TRUE(rings->ReadBand(middle, band));
  EXPECT_TRUE(std::equal(band.begin(), band.end(), png.Pixel(0, middle * rings->BandRows())));
  EXPECT_FALSE(PackedSceneTexture(TSceneTexture::About));
}

}  // namespace
}  // namespace app
