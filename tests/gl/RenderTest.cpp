// The GL device drawing the stored scene and small scenes off-screen, checked pixel by pixel
// against facts of the geometry: where the planet lands, which pixels are opaque, where no
// star may show, which moons show through the transparent parts of the ring disc, and that a
// sphere seen from inside shows nothing unless it is two-sided.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "EglContext.h"
#include "SceneFixture.h"
#include "assets/EmbeddedAssets.h"
#include "gl/GLContext3D.h"
#include "scene/render/ColorMaterial.h"

namespace scene::gl::testing {
namespace {

constexpr int Width = 1920, Height = 1080;

class GLTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    // A machine without the context fails the render tests rather than skipping them: a
    // skipped render test would let a run pass that never drew anything.
    if (!MakeGLContextCurrent(&error))
      FAIL() << "no OpenGL 3.3 context: " << error << "; " << MissingGLContextHint;
  }
};

// The disc's rim as drawn, in pixels: a convex polygon.
std::vector<TPoint3D> RimPolygon(const TStartScene& s) {
  const TDisk& disk = *s.Scene.Disk1;
  const TMatrix3D model = disk.MeshMatrix() * disk.AbsoluteMatrix();
  std::vector<TPoint3D> rim;
  for (int k = 0; k < disk.SubdivisionsAxes(); ++k)
    rim.push_back(
        ToPixel(*s.Viewport, TransformPoint(disk.Data().VertexBuffer()[k].Position, model)));
  return rim;
}

// Signed distance of (x, y) from the polygon's boundary: positive inside, and at least the
// true distance when outside.
float InsideDistance(const std::vector<TPoint3D>& polygon, float x, float y) {
  float area = 0;
  for (size_t i = 0; i < polygon.size(); ++i) {
    const TPoint3D& a = polygon[i];
    const TPoint3D& b = polygon[(i + 1) % polygon.size()];
    area += a.X * b.Y - b.X * a.Y;
  }
  const float sign = area > 0 ? 1.0f : -1.0f;
  float inside = 1e9f;
  for (size_t i = 0; i < polygon.size(); ++i) {
    const TPoint3D& a = polygon[i];
    const TPoint3D& b = polygon[(i + 1) % polygon.size()];
    const float ex = b.X - a.X, ey = b.Y - a.Y, len = std::hypot(ex, ey);
    const float d = sign * (ex * (y - a.Y) - ey * (x - a.X)) / len;
    inside = std::min(inside, d);
  }
  return inside;
}

// The scene's next frame as a person sees it, over the window's black fill.
TTextureImage FrameOver(TStartScene& s, TTargetFramebuffer& window) {
  window.Clear(0, 0, 0, 1);
  s.Viewport->PaintTo({window.Name(), Width, Height});
  return window.Read();
}

// The start scene, rendered once for the tests that look at it.
class StartFrame : public GLTest {
 protected:
  static void SetUpTestSuite() {
    if (!MakeGLContextCurrent()) return;
    Scene = std::make_unique<TStartScene>(Width, Height);
    TTargetFramebuffer window(Width, Height);
    window.Clear(0, 0, 0, 0);  // transparent, so that opacity can be read back
    Scene->Viewport->PaintTo({window.Name(), Width, Height});
    Image = window.Read();
    Rim = RimPolygon(*Scene);
    // Over the window's black fill, as a person sees it.
    window.Clear(0, 0, 0, 1);
    Scene->Viewport->PaintTo({window.Name(), Width, Height});
    const std::string dir = ORVANE_RENDER_OUT;
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/start-scene.png";
    if (SavePng(window.Read(), path)) std::printf("start scene: %s\n", path.c_str());
  }
  static void TearDownTestSuite() {
    Scene.reset();
    ReleaseGLDevice();
  }
  static inline std::unique_ptr<TStartScene> Scene;
  static inline TTextureImage Image;
  static inline std::vector<TPoint3D> Rim;
};

TEST_F(StartFrame, PlanetCentreIsAtTheImageCentre) {
  ASSERT_EQ(Scene->Viewport->Context()->Samples(), 4);
  // The centre row is free of the rings in front of the planet (it meets the ring plane on
  // the planet's own diameter).
  const int row = Height / 2;
  int left = -1, right = -1;
  for (int x = 0; x < Width; ++x)
    if (IsPlanet(Image.Pixel(x, row))) {
      if (left < 0) left = x;
      right = x;
    }
  ASSERT_GE(left, 0);
  EXPECT_NEAR((left + right + 1) / 2.0, Width / 2.0, 1.0);
  // The silhouette is a circle about the centre: its top lies one half-width above it.
  int top = -1;
  for (int y = 0; y < Height && top < 0; ++y)
    if (IsPlanet(Image.Pixel(Width / 2, y))) top = y;
  EXPECT_NEAR(top, Height / 2.0 - (right + 1 - left) / 2.0, 1.5);
  const TPoint3D centre = ToPixel(*Scene->Viewport, {0, 0, 0});
  EXPECT_NEAR(centre.X, Width / 2.0, 1e-3);
  EXPECT_NEAR(centre.Y, Height / 2.0, 1e-3);
}

TEST_F(StartFrame, EveryPixelOutsideTheDiscIsOpaque) {
  int checked = 0, transparent = 0;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      if (InsideDistance(Rim, x + 0.5f, y + 0.5f) > -2) continue;
      ++checked;
      if (Image.Pixel(x, y)[3] != 255) ++transparent;
    }
  EXPECT_GT(checked, Width * Height / 2);
  EXPECT_EQ(transparent, 0);
}

TEST_F(StartFrame, NoStarShowsInsideTheDisc) {
  int inside = 0, sky = 0, clear = 0;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      if (InsideDistance(Rim, x + 0.5f, y + 0.5f) < 2) continue;
      ++inside;
      const std::uint8_t* p = Image.Pixel(x, y);
      if (IsStar(p) || IsSkyBackground(p)) ++sky;
      if (p[3] == 0) ++clear;
    }
  EXPECT_GT(inside, 10000);
  EXPECT_EQ(sky, 0);
  // The hole and the gaps between the rings stay clear: the window's fill shows there.
  EXPECT_GT(clear, 200);
}

TEST_F(StartFrame, BitmapCopyIsThePresentedImage) {
  TTextureImage bitmap;
  ASSERT_TRUE(Scene->Viewport->RenderToBitmap(bitmap));
  ASSERT_EQ(bitmap.Width, Width);
  ASSERT_EQ(bitmap.Height, Height);
  int largest = 0;
  for (size_t i = 0; i < bitmap.Pixels.size(); ++i)
    largest = std::max(largest, std::abs(bitmap.Pixels[i] - Image.Pixels[i]));
  EXPECT_LE(largest, 1);
}

// Over the window's opaque black the view is cleared opaque black and resolved straight into
// the window instead of being blended over it: every pixel the same, alpha included. The
// window is cleared red first to show that the copy covers it all.
TEST_F(StartFrame, CopiedOverOpaqueBlackTheFrameIsTheBlendedOne) {
  TTargetFramebuffer window(Width, Height);
  scene::TCamera& camera = *Scene->Scene.Camera1;
  const float start = camera.Position().Z();
  // Where the glide starts, and where it ends.
  for (const float z : {start, -26.0f}) {
    SCOPED_TRACE(z);
    camera.Position().SetZ(z);
    window.Clear(0, 0, 0, 1);
    Scene->Viewport->PaintTo({window.Name(), Width, Height});
    const TTextureImage blended = window.Read();
    window.Clear(1, 0, 0, 1);
    Scene->Viewport->PaintTo({window.Name(), Width, Height, true, claBlack});
    const TTextureImage copied = window.Read();
    ASSERT_EQ(copied.Pixels.size(), blended.Pixels.size());
    size_t differing = 0;
    for (size_t i = 0; i < copied.Pixels.size(); ++i)
      if (copied.Pixels[i] != blended.Pixels[i]) ++differing;
    EXPECT_EQ(differing, 0u);
  }
  camera.Position().SetZ(start);
}

TEST_F(StartFrame, StarsShowOutsideTheDisc) {
  int stars = 0;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      if (IsStar(Image.Pixel(x, y))) ++stars;
  EXPECT_GT(stars, 1000);
}

// The program's own pictures (the enum of stored pictures follows the scene's texture order),
// as the program carries them: packed, filled into the textures band by band. The frames are
// the very frames the PNG files give, at the start of the glide and at its end.
TEST_F(GLTest, StartSceneWithTheStoredPictures) {
  static_assert(static_cast<int>(assets::TAssetId::Rings) ==
                static_cast<int>(app::TSceneTexture::Rings));
  TStartScene packed(Width, Height, true, TScenePictures::Packed);
  TStartScene png(Width, Height, true, TScenePictures::Png);
  TTargetFramebuffer window(Width, Height);
  const auto frame = [&](TStartScene& s, float cameraZ) {
    s.Scene.Camera1->Position().SetZ(cameraZ);
    return FrameOver(s, window);
  };
  for (float cameraZ : {-60.0f, -26.0f}) {
    SCOPED_TRACE(cameraZ);
    const TTextureImage image = frame(packed, cameraZ);
    EXPECT_TRUE(image.Pixels == frame(png, cameraZ).Pixels);
    for (int x : {0, Width - 1})
      for (int y : {0, Height - 1})
        EXPECT_EQ(image.Pixel(x, y)[3], 255);
    // The planet's lit centre is brighter than the sky around it.
    const std::uint8_t* centre = image.Pixel(Width / 2, Height / 2 - 60);
    EXPECT_GT(centre[0] + centre[1] + centre[2], 150);
    if (cameraZ == -60.0f) {
      const std::string path = std::string(ORVANE_RENDER_OUT) + "/start-scene-stored-pictures.png";
      std::filesystem::create_directories(ORVANE_RENDER_OUT);
      if (SavePng(image, path))
        std::printf("start scene with the stored pictures: %s\n", path.c_str());
    }
  }
  for (int i = 0; i < app::SceneTextureCount; ++i)
    EXPECT_FALSE(TextureSource(packed.Scene, static_cast<app::TSceneTexture>(i))
                     .Texture()
                     .HasPendingImage());
}

// The sky is a backdrop: while the camera stands still its image is kept and laid in instead of
// drawn. Every frame is the one the sky drawn as always gives, within one level a channel (a
// pixel where a body's edge covers some of its samples takes the sky's mean over the pixel for
// the others instead of each sample's own value: a difference far below what an eye tells
// apart), at the settled view and after a drag turned the view.
TEST_F(GLTest, AKeptSkyGivesTheFramesOfTheSkyDrawnAsAlways) {
  TStartScene drawn(Width, Height, true, TScenePictures::Packed);
  TStartScene kept(Width, Height, true, TScenePictures::Packed);
  drawn.Scene.Sphere2->SetBackdrop(false);
  ASSERT_TRUE(kept.Scene.Sphere2->Backdrop());
  TTargetFramebuffer window(Width, Height);
  const auto frame = [&](TStartScene& s) { return FrameOver(s, window); };
  for (float turn : {0.0f, 35.0f}) {
    SCOPED_TRACE(turn);
    for (TStartScene* s : {&drawn, &kept}) {
      s->Scene.Camera1->Position().SetZ(-26);
      s->Scene.Dummy1->RotationAngle().SetY(turn);  // as a drag turns the view
    }
    const TTextureImage expected = frame(drawn);
    // The first frame draws the sky, the second keeps it, the later ones lay it in.
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE(k);
      const TTextureImage image = frame(kept);
      int worst = 0;
      size_t differing = 0;
      for (size_t i = 0; i < image.Pixels.size(); ++i) {
        const int d = std::abs(image.Pixels[i] - expected.Pixels[i]);
        worst = std::max(worst, d);
        differing += d != 0;
      }
      EXPECT_LE(worst, 1) << differing << " channels differ";
    }
  }
}

// The largest difference of one channel between the means of `block` x `block` pixels of two
// pictures of the same size.
int BlockMeanDifference(const TTextureImage& a, const TTextureImage& b, int block) {
  double worst = 0;
  for (int y = 0; y + block <= a.Height; y += block)
    for (int x = 0; x + block <= a.Width; x += block)
      for (int c = 0; c < 3; ++c) {
        int sum = 0;
        for (int by = 0; by < block; ++by)
          for (int bx = 0; bx < block; ++bx)
            sum += a.Pixel(x + bx, y + by)[c] - b.Pixel(x + bx, y + by)[c];
        worst = std::max(worst, std::abs(sum) / static_cast<double>(block * block));
      }
  return static_cast<int>(std::lround(worst));
}

// The moons fit their detail to the view: drawn with fewer subdivisions where their outline
// stays within a tenth of a pixel of the full mesh's. Against the full meshes, at the start of
// the glide and at the settled view, single pixels of the cratered moons differ much (their
// detail lands a fraction of a pixel aside, and the pictures are finer than the pixels, so each
// pixel shows one texel of many), but what an eye takes in from a screen does not: the means of
// 4 x 4 pixels differ by 18 levels at most (near the shadow's edge), of 8 x 8 by 8, and side
// by side, enlarged five times, the moons look the same.
TEST_F(GLTest, MoonsWithDetailFittedToTheViewLookAsWithTheFullMesh) {
  TStartScene full(Width, Height, true, TScenePictures::Packed);
  TStartScene fitted(Width, Height, true, TScenePictures::Packed);
  for (scene::TSphere* moon : full.Scene.Moons())
    moon->SetFitDetailToView(false);
  ASSERT_TRUE(fitted.Scene.Sphere3->FitsDetailToView());
  TTargetFramebuffer window(Width, Height);
  const auto frame = [&](TStartScene& s, float cameraZ) {
    s.Scene.Camera1->Position().SetZ(cameraZ);
    return FrameOver(s, window);
  };
  for (float cameraZ : {-60.0f, -26.0f}) {
    SCOPED_TRACE(cameraZ);
    const TTextureImage expected = frame(full, cameraZ), image = frame(fitted, cameraZ);
    EXPECT_LE(BlockMeanDifference(image, expected, 4), 24);
    EXPECT_LE(BlockMeanDifference(image, expected, 8), 10);
  }
}

// Tethys (drawn before the planet) and Mimas (drawn after it) each placed behind the clear
// gap between the planet and the inner ring, on either side of the planet.
// A view wider than the device's render targets can be is drawn at the largest size they may
// have and enlarged, instead of not at all: the copy has the view's size with the planet in its
// middle and the sky (opaque) out to its far end, and presenting fills every column of the
// view, those beyond the device's largest viewport included.
TEST_F(GLTest, AViewWiderThanTheDeviceAllowsIsDrawnSmallerAndEnlarged) {
  GLint texture = 0, renderbuffer = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
  glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
  const int limit = std::min(texture, renderbuffer);
  // High enough for the sky to reach the ends (a view far wider than high sees beyond it).
  const int width = limit + limit / 32, height = 400;
  TStartScene s(width, height);
  TTextureImage bitmap;
  ASSERT_TRUE(s.Viewport->RenderToBitmap(bitmap));
  ASSERT_EQ(bitmap.Width, width);
  ASSERT_EQ(bitmap.Height, height);
  int left = -1, right = -1;
  for (int x = 0; x < width; ++x)
    if (IsPlanet(bitmap.Pixel(x, height / 2))) {
      if (left < 0) left = x;
      right = x;
    }
  ASSERT_GE(left, 0);
  EXPECT_NEAR((left + right + 1) / 2.0, width / 2.0, 2.0);
  // Opaque pixels among those of a column.
  const auto opaque = [](const TTextureImage& image, int x) {
    int n = 0;
    for (int y = 0; y < image.Height; ++y)
      n += image.Pixel(x, y)[3] == 255;
    return n;
  };
  EXPECT_EQ(opaque(bitmap, width - 1), height);

  // A window of 1000 columns showing a part of the view: its middle, then its far end (the
  // device's largest viewport ends 512 columns before it).
  TTargetFramebuffer window(1000, height);
  for (const int viewLeft : {500 - width / 2, 1000 - width}) {
    SCOPED_TRACE(viewLeft);
    window.Clear(0, 0, 0, 0);
    TPresentTarget target;
    target.Framebuffer = window.Name();
    target.FramebufferWidth = window.Width();
    target.FramebufferHeight = window.Height();
    target.Left = viewLeft;
    s.Viewport->Context()->Present(target);
    const TTextureImage shown = window.Read();
    // Each pixel is the copy's at the same place in the view, or (where the enlargement's
    // rounding takes the next source pixel) at a neighbour of it.
    const auto near = [&](int x, int y) {
      const std::uint8_t* p = shown.Pixel(x, y);
      for (int v = std::max(0, y - 1); v <= std::min(height - 1, y + 1); ++v)
        for (int u = std::max(0, x - viewLeft - 1); u <= std::min(width - 1, x - viewLeft + 1);
             ++u) {
          const std::uint8_t* q = bitmap.Pixel(u, v);
          if (std::equal(p, p + 4, q, [](int a, int b) { return std::abs(a - b) <= 1; }))
            return true;
        }
      return false;
    };
    int differing = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < window.Width(); ++x)
        differing += !near(x, y);
    EXPECT_EQ(differing, 0);
  }
}

TEST_F(GLTest, MoonDrawnBeforeThePlanetShowsThroughTheDiscAndMimasDoesNot) {
  TStartScene s(Width, Height, /*rotationCentres=*/false);
  TTargetFramebuffer window(Width, Height);
  window.Clear(0, 0, 0, 0);
  s.Viewport->PaintTo({window.Name(), Width, Height});  // sets the frame's matrices
  const TPoint3D eye = s.Scene.Camera1->AbsolutePosition().ToPoint();
  struct {
    TSphere* moon;
    TPoint3D gap;
    bool shows;
  } cases[] = {{s.Scene.Sphere5, {-5.4f, 0, 0}, true}, {s.Scene.Sphere3, {5.4f, 0, 0}, false}};
  for (auto& c : cases) {
    const TPoint3D behind = eye + (c.gap - eye) * 1.3f;
    c.moon->Position().SetX(behind.X);
    c.moon->Position().SetY(behind.Y);
    c.moon->Position().SetZ(behind.Z);
    c.moon->Scale().SetPoint({0.4f, 0.4f, 0.4f});
  }
  window.Clear(0, 0, 0, 0);
  s.Viewport->PaintTo({window.Name(), Width, Height});
  const TTextureImage image = window.Read();
  for (const auto& c : cases) {
    const TPoint3D at = ToPixel(*s.Viewport, c.moon->AbsolutePosition().ToPoint());
    const std::uint8_t* p = image.Pixel(static_cast<int>(at.X), static_cast<int>(at.Y));
    EXPECT_EQ(IsMoon(p), c.shows) << c.moon->Name();
    EXPECT_EQ(p[3], c.shows ? 255 : 0) << c.moon->Name();
  }
}

// A parameterised test is named by its case (ShowsOnlyWhenTwoSided/TwoSided, not .../1), and
// messages show the case by that name.
template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// A camera at the centre of a sphere of radius 5 drawn in the default red.
struct InsideCase {
  const char* name;
  bool twoSide;
  int redPixels;  // of 64 x 48
};

void PrintTo(const InsideCase& c, std::ostream* out) {
  *out << c.name;
}

class InsideSphere : public GLTest, public ::testing::WithParamInterface<InsideCase> {};

TEST_P(InsideSphere, ShowsOnlyWhenTwoSided) {
  TGLWindow window(64, 48);
  auto* viewport = new ui::TViewport3D;
  window.Form.AddChild(viewport);
  viewport->SetAlign(ui::TControlAlign::Client);
  viewport->SetColor(claNull);
  auto* camera = new TCamera;
  auto* sphere = new TSphere;
  viewport->AddChild(camera);
  viewport->AddChild(sphere);
  camera->Position().SetZ(0);
  viewport->SetCamera(camera);
  viewport->SetUsingDesignCamera(false);
  sphere->Scale().SetPoint({10, 10, 10});
  sphere->SetTwoSide(GetParam().twoSide);
  TTargetFramebuffer target(64, 48);
  target.Clear(0, 0, 0, 0);
  viewport->PaintTo({target.Name(), 64, 48});
  const TTextureImage image = target.Read();
  int red = 0, clear = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      const std::uint8_t* p = image.Pixel(x, y);
      if (p[0] == 255 && p[1] == 0 && p[2] == 0 && p[3] == 255) ++red;
      if (p[3] == 0) ++clear;
    }
  EXPECT_EQ(red, GetParam().redPixels);
  EXPECT_EQ(clear, 64 * 48 - GetParam().redPixels);
}

// A translucent clear colour is laid over the window by its alpha, like everything else.
TEST_F(GLTest, TranslucentColourClearsPremultiplied) {
  TGLWindow window(16, 16);
  auto* viewport = new ui::TViewport3D;
  window.Form.AddChild(viewport);
  viewport->SetAlign(ui::TControlAlign::Client);
  viewport->SetColor(0x80FF0000);  // half-transparent red
  TTargetFramebuffer target(16, 16);
  target.Clear(0, 0, 1, 1);  // a blue window
  viewport->PaintTo({target.Name(), 16, 16});
  const TTextureImage image = target.Read();
  const std::uint8_t* p = image.Pixel(8, 8);
  EXPECT_NEAR(p[0], 128, 1);
  EXPECT_EQ(p[1], 0);
  EXPECT_NEAR(p[2], 127, 1);
  EXPECT_EQ(p[3], 255);
}

INSTANTIATE_TEST_SUITE_P(TwoSide, InsideSphere,
                         ::testing::Values(InsideCase{"OneSided", false, 0},
                                           InsideCase{"TwoSided", true, 64 * 48}),
                         CaseName<InsideCase>);

// The vertex programs compute the lit colour of the CPU reference: the centre of a white
// body seen along the light gets 252/255, and 88/255 when the light comes from behind it.
struct LitCase {
  const char* name;
  float lightTurnY;
  int centre;
};

void PrintTo(const LitCase& c, std::ostream* out) {
  *out << c.name;
}

class LitSphere : public GLTest, public ::testing::WithParamInterface<LitCase> {};

TEST_P(LitSphere, CentreMatchesTheReferenceColour) {
  TGLWindow window(200, 200);
  auto* viewport = new ui::TViewport3D;
  window.Form.AddChild(viewport);
  viewport->SetAlign(ui::TControlAlign::Client);
  viewport->SetColor(claNull);
  auto* pivot = new TDummy;
  auto* camera = new TCamera;
  auto* light = new TLight;
  auto* sphere = new TSphere;
  viewport->AddChild(sphere);
  viewport->AddChild(pivot);
  pivot->AddChild(camera);
  pivot->AddChild(light);
  camera->Position().SetZ(-20);
  camera->SetTarget(sphere);
  light->Position().SetZ(-30);
  light->RotationAngle().SetY(GetParam().lightTurnY);
  viewport->SetCamera(camera);
  viewport->SetUsingDesignCamera(false);
  sphere->SetSubdivisionsAxes(50);
  sphere->SetSubdivisionsHeight(50);
  sphere->Scale().SetPoint({10, 10, 10});
  TLightMaterialSource material;
  material.SetDiffuse(0xFFA4A4A4);
  material.SetAmbient(0xFF585858);
  material.SetSpecular(claNull);
  TTextureImage white(8, 4);
  std::fill(white.Pixels.begin(), white.Pixels.end(), 255);
  material.SetTexture(std::move(white));
  sphere->SetMaterialSource(&material);
  TTargetFramebuffer target(200, 200);
  target.Clear(0, 0, 0, 0);
  viewport->PaintTo({target.Name(), 200, 200});
  const TTextureImage image = target.Read();
  const std::uint8_t* p = image.Pixel(100, 100);
  for (int channel = 0; channel < 3; ++channel)
    EXPECT_NEAR(p[channel], GetParam().centre, 2);
  EXPECT_EQ(p[3], 255);
  sphere->SetMaterialSource(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Light, LitSphere,
                         ::testing::Values(LitCase{"LightAlongTheView", 0, 252},
                                           LitCase{"LightFromBehind", 180, 88}),
                         CaseName<LitCase>);

}  // namespace
}  // namespace scene::gl::testing
