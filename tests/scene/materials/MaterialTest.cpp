// The inputs each material hands to the device for a draw: programs, light slots, colours,
// opacity, the texture uploaded once, and the matrices.
#include <gtest/gtest.h>

#include "scene/materials/LightMaterial.h"
#include "scene/materials/TextureMaterial.h"
#include "scene/objects/Sphere.h"
#include "scene/render/ColorMaterial.h"
#include "support/RecordingContext.h"
#include "support/StartLight.h"

namespace scene {
namespace {

using testing::StartLight;
using testing::TRecordingContext;

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
  source.SetTexture(TTextureImage());      // emptied: lit colour alone
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
