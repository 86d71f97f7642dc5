// The lit vertex colour and the light slots.
#include <gtest/gtest.h>

#include <vector>

#include "scene/render/Lighting.h"
#include "support/StartLight.h"

namespace scene {
namespace {

using testing::StartLight;

TLightingMaterial SceneBodyMaterial() {
  TLightingMaterial m;
  m.Diffuse = 0xFFA4A4A4;
  m.Ambient = 0xFF585858;
  m.Emissive = claNull;
  m.Specular = claNull;
  m.Shininess = 30;
  return m;
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

}  // namespace
}  // namespace scene
