// The scene's ten textures decode on worker threads while the window is built, each from its
// own built-in picture, and AttachAll waits for every task and gives each picture to its own
// material. scripts/test also runs this test under ThreadSanitizer.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <mutex>
#include <set>
#include <span>

#include "app/SceneTextures.h"
#include "app/StoredScene.h"
#include "ui/Form.h"
#include "ui/PngDecoder.h"

namespace app {
namespace {

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

TEST(SceneTextures, DecodesEveryPictureOnceAndGivesItToItsMaterial) {
  std::mutex lock;
  std::multiset<const std::uint8_t*> decoded;  // the PNG bytes each task was given
  // Decoding starts before the tree exists, as in the main window's constructor.
  TSceneTextures textures([&](std::span<const std::uint8_t> png) {
    {
      std::lock_guard guard(lock);
      decoded.insert(png.data());
    }
    return ui::DecodePng(png);
  });

  ui::TFormBase form;
  auto* viewport = new ui::TViewport3D;
  form.BeginLoading();
  form.AddChild(viewport);
  const TStoredScene scene = BuildStoredScene(*viewport, form);
  form.EndLoading();

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

}  // namespace
}  // namespace app
