// What render tests and benchmarks share: synthetic textures of the scene's kinds, a
// framebuffer standing in for the window, a window whose host makes GL contexts, and the
// stored scene in its start state.
//
// Synthetic colours are chosen so that a pixel tells what it shows: the planet is orange-red,
// the moons green, the sky deep blue with cyan stars, the rings beige with the stored image's
// alpha layout (0 inside 539 px of 1024, rings to 999, 0 at 1000 and 1001, a faint band to
// 1023, 0 outside the inscribed circle).
#pragma once

#include <GL/gl.h>

#include <memory>
#include <string>

#include "app/StoredScene.h"
#include "scene/render/TextureImage.h"
#include "ui/view3d/Viewport3D.h"
#include "ui/window/Form.h"

namespace scene::gl::testing {

TTextureImage MakeBodyTexture(int width, int height, std::uint8_t r, std::uint8_t g,
                              std::uint8_t b);
TTextureImage MakeSkyTexture(int width, int height);
TTextureImage MakeRingTexture(int size);

// What a pixel shows, by its synthetic colour.
bool IsStar(const std::uint8_t* rgba);
bool IsSkyBackground(const std::uint8_t* rgba);
bool IsPlanet(const std::uint8_t* rgba);
bool IsMoon(const std::uint8_t* rgba);

// An RGBA8 framebuffer of the window's size.
class TTargetFramebuffer {
 public:
  TTargetFramebuffer(int width, int height);
  ~TTargetFramebuffer();
  GLuint Name() const { return FFramebuffer; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void Clear(float r, float g, float b, float a);
  // The pixels, row 0 at the top.
  TTextureImage Read() const;

 private:
  int FWidth, FHeight;
  GLuint FFramebuffer = 0, FTexture = 0;
};

// A window (form) whose host makes GL drawing contexts.
class TGLWindow : public ui::IWindowHost, public ui::IContextFactory {
 public:
  TGLWindow(int width, int height);
  ~TGLWindow() override;
  ui::TFormBase Form;

  void Invalidate(const ui::TWindowRect&) override {}
  float Scale() const override { return 1; }
  void SetCaption(const std::string&) override {}
  ui::TPointF ClientToScreen(ui::TPointF client) const override { return client; }
  ui::IContextFactory& ContextFactory() override { return *this; }
  std::unique_ptr<TContext3D> CreateContext(int width, int height, int samples) override;
};

// Which pictures a test scene draws with: small synthetic ones, the program's built-in pictures
// decoded from their PNG files, or the same pictures as the program carries them (packed in
// bands, filled into the textures band by band at the first draw).
enum class TScenePictures { Synthetic, Png, Packed };

// The stored scene in a window of the given size, in its start state (loading ended, the moons'
// rotation centres set, the start view the glide sets out from) with the given pictures.
struct TStartScene {
  TStartScene(int width, int height, bool rotationCentres = true,
              TScenePictures pictures = TScenePictures::Synthetic);
  TGLWindow Window;
  ui::TViewport3D* Viewport;
  app::TStoredScene Scene;

 private:
  void AttachSyntheticTextures();
};

// The pixel (top-left origin, x right, y down) where a point of the scene lands in the last
// frame of `viewport`.
TPoint3D ToPixel(const ui::TViewport3D& viewport, const TPoint3D& point);

// Writes the picture as a PNG file; returns false when it could not.
bool SavePng(const TTextureImage& image, const std::string& path);

}  // namespace scene::gl::testing
