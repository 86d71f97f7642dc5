// The lit vertex colour, the light slots and the inputs each material hands to the device.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/materials/ColorMaterial.h"
#include "scene/materials/LightMaterial.h"
#include "scene/materials/TextureMaterial.h"
#include "scene/objects/Sphere.h"
#include "support/RecordingContext.h"

namespace scene {
namespace {

using testing::TRecordingContext;

TLightingMaterial SceneBodyMaterial() {
  TLightingMaterial m;
  m.Diffuse = 0xFFA4A4A4;
  m.Ambient = 0xFF585858;
  m.Emissive = claNull;
  m.Specular = claNull;
  m.Shininess = 30;
  return m;
}

// Light1 at the start: white, directional, along the pivot's Z axis turned by -15 about X.
TLightDescription StartLight() {
  TLightDescription l;
  l.Direction = {0, 0.258819f, 0.965926f};
  l.Position = {0, -7.76f, -28.98f};
  return l;
}

TEST(LitVertexColor, FacingTheLightGives252AndTurnedAwayGives88) {
  const TLightDescription light[] = {StartLight()};
  const TPoint3D d = light[0].Direction;
  const TMatrix3D model = TMatrix3D::Scaling({10, 10, 10});  // the planet's scale
  const struct {
    const char* what;
    TPoint3D normal;
    float factor;
  } cases[] = {
      {"facing", -d, 252.0f / 255},
      {"turned away", d, 88.0f / 255},
      {"at right angles", {1, 0, 0}, 88.0f / 255},
  };
  for (const auto& c : cases) {
    const TVector3D colour =
        LitVertexColor(c.normal * 0.5f, c.normal, model, SceneBodyMaterial(), light, {0, 0, -60});
    EXPECT_NEAR(colour.X, c.factor, 1e-5f) << c.what;
    EXPECT_NEAR(colour.Y, c.factor, 1e-5f) << c.what;
    EXPECT_NEAR(colour.Z, c.factor, 1e-5f) << c.what;
    EXPECT_EQ(colour.W, 1) << c.what;
  }
}

TEST(LitVertexColor, OnlyASpecularColourMakesTheEyeMatter) {
  const TLightDescription light[] = {StartLight()};
  const TPoint3D n{0, -0.258819f, -0.965926f};
  TLightingMaterial shiny = SceneBodyMaterial();
  const TMatrix3D model;
  const TPoint3D eyes[] = {{0, 0, -60}, {30, 20, -10}};
  const TVector3D dull0 = LitVertexColor(n * 0.5f, n, model, shiny, light, eyes[0]);
  const TVector3D dull1 = LitVertexColor(n * 0.5f, n, model, shiny, light, eyes[1]);
  EXPECT_EQ(dull0, dull1);
  shiny.Specular = 0xFF606060;
  shiny.Diffuse = claNull;
  shiny.Ambient = claNull;
  const TVector3D lit0 = LitVertexColor(n * 0.5f, n, model, shiny, light, eyes[0]);
  const TVector3D lit1 = LitVertexColor(n * 0.5f, n, model, shiny, light, eyes[1]);
  EXPECT_GT(lit0.X, 0.2f);  // the eye sits behind the light: a highlight
  EXPECT_LT(lit1.X, lit0.X);
}

TEST(LightSlots, ChooseTheProgramByTheEnabledCount) {
  const struct {
    int enabled;
    const char* program;
    int slots;
  } cases[] = {{0, "nolight.fvs", 0},  {1, "gouraud2.fvs", 2}, {2, "gouraud2.fvs", 2},
               {3, "gouraud4.fvs", 4}, {4, "gouraud4.fvs", 4}, {5, "gouraud8.fvs", 8},
               {8, "gouraud8.fvs", 8}};
  for (const auto& c : cases) {
    EXPECT_EQ(LightVertexProgram(c.enabled), c.program) << c.enabled;
    EXPECT_EQ(LightSlotCount(c.enabled), c.slots) << c.enabled;
  }
  std::vector<TLightDescription> lights(10);
  lights[1].Enabled = false;
  EXPECT_EQ(EnabledLightSlots(lights).size(), 8u);  // capped
  EXPECT_EQ(EnabledLightSlots(lights)[1], &lights[2]);
}

struct MaterialDraw : ::testing::Test {
  TRecordingContext context;
  TSphere sphere;
  MaterialDraw() {
    context.BeginScene();
    context.Lights() = {StartLight()};
  }
  const TShaderInputs& Draw(const TMaterial* material, float opacity = 1) {
    context.DrawTriangles(sphere.Data(), material, opacity);
    return context.Draws.back();
  }
};

TEST_F(MaterialDraw, LightMaterialFillsOneSlotAndLeavesTheOtherEmpty) {
  TLightMaterialSource source;
  source.SetDiffuse(0xFFA4A4A4);
  source.SetAmbient(0xFF585858);
  const TShaderInputs& in = Draw(source.Material(), 0.5f);
  EXPECT_EQ(in.VertexProgram, "gouraud2.fvs");
  EXPECT_EQ(in.PixelProgram, "gouraud.fps");
  const TVector3D opts = in.Vector("Lights[0].Opts");
  EXPECT_EQ(opts.X, 1);            // directional
  EXPECT_NEAR(opts.Y, -1, 1e-6f);  // cos 180
  EXPECT_EQ(in.Vector("Lights[1].Opts"), (TVector3D{0, 0, 0, 0}));
  EXPECT_EQ(in.Vector("Lights[0].Color"), (TVector3D{1, 1, 1, 1}));
  EXPECT_NEAR(in.Vector("MaterialAmbient").X, 88.0f / 255, 1e-7f);
  EXPECT_EQ(in.Vector("Opacity").X, 0.5f);
  EXPECT_EQ(in.Vector("Modulation").X, 0);  // no texture yet
  EXPECT_EQ(in.Texture0, nullptr);
}

TEST_F(MaterialDraw, TextureIsUploadedOnceAndItsPictureReleased) {
  TLightMaterialSource source;
  source.SetTexture(TTextureImage(4, 2));
  EXPECT_TRUE(source.Texture().HasPendingImage());
  EXPECT_EQ(Draw(source.Material()).Vector("Modulation").X, 2);
  EXPECT_NE(context.Draws.back().Texture0, nullptr);
  Draw(source.Material());
  EXPECT_EQ(context.Uploads, 1);
  EXPECT_FALSE(source.Texture().HasPendingImage());
  EXPECT_EQ(source.Texture().Width(), 4);  // the size stays known
  source.SetTexture({});                   // emptied: lit colour alone
  EXPECT_EQ(Draw(source.Material()).Vector("Modulation").X, 0);
}

TEST_F(MaterialDraw, TextureMaterialAndTheDefaultRed) {
  TTextureMaterialSource sky;
  sky.SetTexture(TTextureImage(2, 2));
  const TShaderInputs& in = Draw(sky.Material(), 0.25f);
  EXPECT_EQ(in.VertexProgram, "texture.fvs");
  EXPECT_EQ(in.PixelProgram, "texture.fps");
  EXPECT_EQ(in.Vector("Opacity").X, 0.25f);
  EXPECT_NE(in.Texture0, nullptr);

  const TShaderInputs& red = Draw(nullptr);
  EXPECT_EQ(red.VertexProgram, "nolight.fvs");
  EXPECT_EQ(red.Vector("MaterialEmission"), (TVector3D{1, 0, 0, 1}));
  EXPECT_EQ(context.DefaultMaterial().Color(), claRed);
}

TEST_F(MaterialDraw, MatricesAreModelCameraProjectionAndTheInverseTranspose) {
  TLightMaterialSource source;
  const TMatrix3D model = TMatrix3D::Scaling({2, 2, 2}) * TMatrix3D::Translation({1, 2, 3});
  context.SetMatrix(model);
  context.SetCameraMatrix(TMatrix3D::Translation({0, 0, -10}));
  const TShaderInputs& in = Draw(source.Material());
  EXPECT_EQ(in.Matrix("ModelView"), model);
  EXPECT_EQ(in.Matrix("MVPMatrix"),
            model * context.CurrentCameraMatrix() * context.CurrentProjectionMatrix());
  EXPECT_EQ(in.Matrix("ModelViewIT"), model.Inverse().Transposed());
  const TVector3D eye = in.Vector("EyePos");
  EXPECT_EQ(eye.Z, 10);  // the eye in scene coordinates
}

}  // namespace
}  // namespace scene
