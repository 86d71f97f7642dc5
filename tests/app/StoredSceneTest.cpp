// The main window's stored scene: its tree, its drawing order, the values FormCreate leaves
// and what the first frame draws with.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/StoredScene.h"
#include "support/RecordingContext.h"
#include "ui/window/Form.h"

namespace app {
namespace {

void ExpectNear(const scene::TPoint3D& actual, const scene::TPoint3D& expected,
                float tolerance = 1e-3f) {
  EXPECT_NEAR(actual.X, expected.X, tolerance);
  EXPECT_NEAR(actual.Y, expected.Y, tolerance);
  EXPECT_NEAR(actual.Z, expected.Z, tolerance);
}

// The window as it stands after creation: the tree read, loading ended, then FormCreate's
// rotation centres and start view.
struct StartScene : ::testing::Test {
  ui::TFormBase form;
  ui::TViewport3D* viewport = new ui::TViewport3D;
  TStoredScene s;
  std::vector<std::string> extras;
  StartScene() {
    form.BeginLoading();
    form.AddChild(viewport);
    TStoredSceneExtras hooks;
    hooks.AddLabel = [this](ui::TViewport3D&) { extras.push_back("label"); };
    hooks.AddBodyAnimation = [this](scene::TSphere& body, int n) {
      extras.push_back(body.Name() + " " + std::to_string(n));
    };
    s = BuildStoredScene(*viewport, form, hooks);
    form.EndLoading();
    SetMoonRotationCentres(s);
    SetStartView(s);
  }
};

TEST_F(StartScene, DrawingOrderIsFixedWhileTheTreeIsRead) {
  std::vector<std::string> order;
  for (scene::TControl3D* o : viewport->RenderingList())
    order.push_back(o->Name());
  EXPECT_EQ(order,
            (std::vector<std::string>{"Sphere5", "Sphere6", "Sphere7", "Sphere8", "Sphere9",
                                      "Sphere1", "Dummy1", "Sphere2", "Sphere3", "Sphere4"}));
  EXPECT_EQ(s.Sphere1->RenderList(), (std::vector<scene::TControl3D*>{s.Disk1}));
}

TEST_F(StartScene, OthersFindTheirPlacesInTheTree) {
  EXPECT_EQ(extras,
            (std::vector<std::string>{"Sphere1 1", "label", "Sphere3 2", "Sphere4 3", "Sphere5 4",
                                      "Sphere6 5", "Sphere7 6", "Sphere8 7", "Sphere9 8"}));
}

TEST_F(StartScene, CameraAndLightRideThePivot) {
  ExpectNear(s.Camera1->AbsolutePosition().ToPoint(), {0, -15.529f, -57.956f});
  ExpectNear(s.Light1->AbsoluteDirection().ToPoint(), {0, 0.259f, 0.966f});
  EXPECT_EQ(&viewport->CurrentCamera(), s.Camera1);
  EXPECT_EQ(s.Camera1->Target(), s.Sphere1);
  EXPECT_EQ(viewport->Lights(), (std::vector<scene::TLight*>{s.Light1}));
  EXPECT_EQ(viewport->Color(), scene::claNull);
}

TEST_F(StartScene, MoonsStandOnTheirOrbitsAtTheirPhases) {
  const float pi = 3.14159265f;
  const auto moons = s.Moons();
  for (int i = 0; i < 7; ++i) {
    const float r = 12.0f + 2.0f * static_cast<float>(i);
    const float a = 45.0f * static_cast<float>(i) * pi / 180;
    // A turn by a about Y takes (r, 0, 0) to (r cos a, 0, -r sin a).
    ExpectNear(moons[i]->AbsolutePosition().ToPoint(), {r * std::cos(a), 0, -r * std::sin(a)});
    EXPECT_EQ(moons[i]->SavedRotationAngle().Y, 45.0f * static_cast<float>(i));
  }
  EXPECT_EQ(s.Sphere3->Scale().X(), 0.32f);
  EXPECT_EQ(s.Disk1->Height(), 0.001f);
  // The rings take the planet's scale: 11 units of radius.
  ExpectNear(scene::TransformPoint({0.5f, 0, 0}, s.Disk1->MeshMatrix() * s.Disk1->AbsoluteMatrix()),
             {11, -0.011f, 0});
}

TEST_F(StartScene, FirstFrameDrawsEveryBodyWithItsMaterial) {
  auto context = std::make_unique<scene::testing::TRecordingContext>(1920, 1080);
  scene::testing::TRecordingContext& recorder = *context;
  // As the window's paint would, with a context of the viewport's size.
  struct : ui::IWindowHost, ui::IContextFactory {
    std::unique_ptr<scene::TContext3D> made;
    void Invalidate(const ui::TWindowRect&) override {}
    float Scale() const override { return 1; }
    void SetCaption(const std::string&) override {}
    ui::TPointF ClientToScreen(ui::TPointF client) const override { return client; }
    ui::IContextFactory& ContextFactory() override { return *this; }
    std::unique_ptr<scene::TContext3D> CreateContext(int, int, int) override {
      return std::move(made);
    }
  } host;
  host.made = std::move(context);
  form.SetHost(&host);
  form.ClientResized(1920, 1080);
  AttachTexture(s, TSceneTexture::Sky, scene::TTextureImage(8, 4));
  viewport->PaintTo({0, 1920, 1080});
  std::vector<std::string> draws;
  for (const std::string& line : recorder.Log)
    if (line.rfind("draw", 0) == 0) draws.push_back(line);
  // Five moons, the planet and its rings, the sky, Mimas and Enceladus.
  EXPECT_EQ(draws, (std::vector<std::string>{
                       "draw gouraud2.fvs gouraud.fps", "draw gouraud2.fvs gouraud.fps",
                       "draw gouraud2.fvs gouraud.fps", "draw gouraud2.fvs gouraud.fps",
                       "draw gouraud2.fvs gouraud.fps", "draw gouraud2.fvs gouraud.fps",
                       "draw texture.fvs texture.fps", "draw texture.fvs texture.fps",
                       "draw gouraud2.fvs gouraud.fps", "draw gouraud2.fvs gouraud.fps"}));
  EXPECT_NE(recorder.Draws[7].Texture0, nullptr);  // the sky's picture was uploaded
  EXPECT_FALSE(s.TextureMaterialSource1->Texture().HasPendingImage());
  form.SetHost(nullptr);
}

}  // namespace
}  // namespace app
