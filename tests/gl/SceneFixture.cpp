#include "SceneFixture.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <QImage>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "app/SceneTextures.h"
#include "assets/EmbeddedAssets.h"
#include "gl/GLContext3D.h"
#include "ui/files/PngDecoder.h"

namespace scene::gl::testing {

namespace {

void Put(TTextureImage& image, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b,
         std::uint8_t a = 255) {
  // Premultiplied, as decoded pictures are.
  std::uint8_t* p = image.Pixel(x, y);
  p[0] = static_cast<std::uint8_t>((r * a + 127) / 255);
  p[1] = static_cast<std::uint8_t>((g * a + 127) / 255);
  p[2] = static_cast<std::uint8_t>((b * a + 127) / 255);
  p[3] = a;
}

}  // namespace

TTextureImage MakeBodyTexture(int width, int height, std::uint8_t r, std::uint8_t g,
                              std::uint8_t b) {
  TTextureImage image(width, height);
  for (int y = 0; y < height; ++y) {
    // Soft latitude bands keep the colour's kind while showing the map's orientation.
    const double band = 0.85 + 0.15 * std::sin(y * 12.0 * 3.14159 / height);
    for (int x = 0; x < width; ++x)
      Put(image, x, y, static_cast<std::uint8_t>(r * band), static_cast<std::uint8_t>(g * band),
          static_cast<std::uint8_t>(b * band));
  }
  image.Opaque = true;
  return image;
}

TTextureImage MakeSkyTexture(int width, int height) {
  TTextureImage image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      Put(image, x, y, 8, 10, 56);
  std::mt19937 random(7);
  const int stars = width * height / 400;
  for (int i = 0; i < stars; ++i) {
    const int cx = static_cast<int>(random() % static_cast<unsigned>(width - 4));
    const int cy = static_cast<int>(random() % static_cast<unsigned>(height - 4));
    for (int dy = 0; dy < 4; ++dy)
      for (int dx = 0; dx < 4; ++dx)
        Put(image, cx + dx, cy + dy, 60, 255, 255);
  }
  image.Opaque = true;
  return image;
}

TTextureImage MakeRingTexture(int size) {
  TTextureImage image(size, size);
  const double scale = 2048.0 / size, centre = size / 2.0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      // Radius in pixels of the stored 2048-pixel image.
      const double r = std::hypot(x + 0.5 - centre, y + 0.5 - centre) * scale;
      std::uint8_t a = 0;
      if (r >= 539 && r < 1000) {
        a = static_cast<std::uint8_t>(124 + 64 * std::sin(r / 11.0));
        if (r >= 780 && r < 800) a = 30;  // a darker division
      } else if (r >= 1002 && r < 1024) {
        a = 40;
      }
      Put(image, x, y, 225, 205, 160, a);
    }
  return image;
}

bool IsStar(const std::uint8_t* p) {
  return p[1] > 150 && p[2] > 150 && p[0] < 120;
}
bool IsSkyBackground(const std::uint8_t* p) {
  return p[2] > 30 && p[0] < 25 && p[1] < 25;
}
bool IsPlanet(const std::uint8_t* p) {
  return p[0] > p[1] + 30 && p[0] > p[2] + 30;
}
bool IsMoon(const std::uint8_t* p) {
  return p[1] > p[0] + 40 && p[1] > p[2] + 40;
}

TTargetFramebuffer::TTargetFramebuffer(int width, int height) : FWidth(width), FHeight(height) {
  glGenTextures(1, &FTexture);
  glBindTexture(GL_TEXTURE_2D, FTexture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, 0);
  glGenFramebuffers(1, &FFramebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, FTexture, 0);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

TTargetFramebuffer::~TTargetFramebuffer() {
  glDeleteFramebuffers(1, &FFramebuffer);
  glDeleteTextures(1, &FTexture);
}

void TTargetFramebuffer::Clear(float r, float g, float b, float a) {
  glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
  glViewport(0, 0, FWidth, FHeight);
  glClearColor(r, g, b, a);
  glClear(GL_COLOR_BUFFER_BIT);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

TTextureImage TTargetFramebuffer::Read() const {
  TTextureImage image(FWidth, FHeight);
  std::vector<std::uint8_t> rows(image.Pixels.size());
  glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, FWidth, FHeight, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  const size_t stride = static_cast<size_t>(FWidth) * 4;
  for (int y = 0; y < FHeight; ++y)
    std::memcpy(image.Pixel(0, y), &rows[static_cast<size_t>(FHeight - 1 - y) * stride], stride);
  return image;
}

TGLWindow::TGLWindow(int width, int height) {
  Form.SetFillColor(ui::claBlack);
  Form.SetHost(this);
  Form.ClientResized(static_cast<float>(width), static_cast<float>(height));
}

TGLWindow::~TGLWindow() {
  Form.SetHost(nullptr);
}

std::unique_ptr<TContext3D> TGLWindow::CreateContext(int width, int height, int samples) {
  return CreateGLContext3D(width, height, samples);
}

TStartScene::TStartScene(int width, int height, bool rotationCentres, TScenePictures pictures)
    : Window(width, height), Viewport(new ui::TViewport3D) {
  ui::TFormBase& form = Window.Form;
  form.BeginLoading();
  form.AddChild(Viewport);
  Scene = app::BuildStoredScene(*Viewport, form);
  form.EndLoading();
  form.ClientResized(static_cast<float>(width), static_cast<float>(height));
  switch (pictures) {
    case TScenePictures::Synthetic:
      AttachSyntheticTextures();
      break;
    case TScenePictures::Png:
      app::TPngSceneTextures(ui::DecodePng, assets::EmbeddedImage).AttachAll(Scene);
      break;
    case TScenePictures::Packed:
      app::TPackedSceneTextures().AttachAll(Scene);
      break;
  }
  if (rotationCentres) app::SetMoonRotationCentres(Scene);
  app::SetStartView(Scene);
}

void TStartScene::AttachSyntheticTextures() {
  using app::TSceneTexture;
  AttachTexture(Scene, TSceneTexture::Planet, MakeBodyTexture(512, 256, 235, 95, 40));
  for (TSceneTexture moon :
       {TSceneTexture::Mimas, TSceneTexture::Enceladus, TSceneTexture::Tethys, TSceneTexture::Dione,
        TSceneTexture::Rhea, TSceneTexture::Titan, TSceneTexture::Iapetus})
    AttachTexture(Scene, moon, MakeBodyTexture(256, 128, 70, 215, 90));
  AttachTexture(Scene, TSceneTexture::Sky, MakeSkyTexture(2048, 1024));
  AttachTexture(Scene, TSceneTexture::Rings, MakeRingTexture(2048));
}

TPoint3D ToPixel(const ui::TViewport3D& viewport, const TPoint3D& point) {
  const TContext3D& c = *viewport.Context();
  const TVector3D clip = Transform({point.X, point.Y, point.Z, 1},
                                   c.CurrentCameraMatrix() * c.CurrentProjectionMatrix());
  const float x = clip.X / clip.W, y = clip.Y / clip.W;
  return {(x + 1) / 2 * static_cast<float>(c.Width()), (1 - y) / 2 * static_cast<float>(c.Height()),
          clip.Z / clip.W};
}

bool SavePng(const TTextureImage& image, const std::string& path) {
  const QImage q(image.Pixels.data(), image.Width, image.Height, image.Width * 4,
                 QImage::Format_RGBA8888_Premultiplied);
  return q.save(QString::fromStdString(path), "PNG");
}

}  // namespace scene::gl::testing
