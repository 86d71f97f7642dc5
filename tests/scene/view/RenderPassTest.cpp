// The viewport's render pass through a recording device: the exact order of work, the
// re-entry guard, recovery from an error while drawing, the light list and the camera in use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "scene/objects/Camera.h"
#include "scene/objects/Dummy.h"
#include "scene/objects/Light.h"
#include "scene/objects/Sphere.h"
#include "scene/render/SceneHost.h"
#include "scene/view/Viewport3DCore.h"
#include "support/RecordingContext.h"

namespace scene {
namespace {

using testing::TRecordingContext;
using Lines = std::vector<std::string>;

// A viewport stand-in around the real core.
class TCoreViewport : public TSceneNode, public ISceneHost {
 public:
  TViewport3DCore Core{*this, *this};
  int RenderRequests = 0;

  ~TCoreViewport() override {
    SetDestroying();
    while (!Children().empty())
      delete Children().back();
  }
  TRecordingContext& UseRecorder() {
    auto context = std::make_unique<TRecordingContext>();
    TRecordingContext& result = *context;
    Core.SetContext(std::move(context));
    return result;
  }
  void RequestRender() override { ++RenderRequests; }
  void AddLight(TLight* light) override { Core.AddLight(light); }
  void RemoveLight(TLight* light) override { Core.RemoveLight(light); }
  TContext3D* Context() const override { return Core.Context(); }

 protected:
  void ChildAdded(TSceneNode*) override { Core.RebuildRenderList(); }
  void ChildRemoved(TSceneNode*) override { Core.RebuildRenderList(); }
};

Lines StatesOf(const char* zwrite, const char* ztest, const char* faces, const char* blend) {
  return {std::string("state ") + zwrite, std::string("state ") + ztest, "state cs3DScene",
          std::string("state ") + faces, std::string("state ") + blend};
}

struct Pass : ::testing::Test {
  TCoreViewport viewport;
  TSphere* sky = new TSphere;  // two-sided, blended, default material
  TDummy* pivot = new TDummy;
  TSphere* inner = new TSphere;  // under the pivot: no depth, opaque
  TCamera* camera = new TCamera;
  TRecordingContext* context = nullptr;
  Pass() {
    sky->SetTwoSide(true);
    inner->SetZWrite(false);
    inner->SetOpaque(true);
    viewport.AddChild(sky);
    viewport.AddChild(pivot);
    pivot->AddChild(inner);
    pivot->AddChild(camera);
    viewport.Core.SetColor(claNull);
    viewport.Core.SetCamera(camera);
    viewport.Core.SetUsingDesignCamera(false);
    context = &viewport.UseRecorder();
  }
};

TEST_F(Pass, RunsItsStepsInOrder) {
  ASSERT_TRUE(viewport.Core.RenderPass());
  Lines expected = {"begin", "state csScissorOff", "clear 3 00000000 1 0"};
  for (const Lines& part :
       {StatesOf("csZWriteOn", "csZTestOn", "csAllFace", "csAlphaBlendOn"),
        Lines{"draw nolight.fvs gouraud.fps"},
        StatesOf("csZWriteOn", "csZTestOn", "csFrontFace", "csAlphaBlendOn"),  // the pivot
        StatesOf("csZWriteOff", "csZTestOff", "csFrontFace", "csAlphaBlendOff"),
        Lines{"draw nolight.fvs gouraud.fps"},
        StatesOf("csZWriteOn", "csZTestOn", "csFrontFace", "csAlphaBlendOn"),  // the camera
        Lines{"end"}})
    expected.insert(expected.end(), part.begin(), part.end());
  EXPECT_EQ(context->Log, expected);
  EXPECT_EQ(context->CurrentCameraMatrix(), camera->CameraMatrix());
  EXPECT_EQ(context->CurrentAngleOfView(), 45);
}

// A backdrop whose draw stays the same is drawn as usual once, kept at the second frame (drawn
// alone, then the frame starts again) and laid in from then on, in its place in the order;
// anything that changes its draw (the camera, its material, the clear colour) draws it again.
TEST_F(Pass, ABackdropThatDrawsTheSameIsKeptAtTheSecondFrameAndLaidInAfter) {
  sky->SetBackdrop(true);
  sky->SetOpaque(true);
  struct TFrame {
    int Draws;  // the sky's and the inner sphere's
    bool Keeps, Lays;
  };
  const auto pass = [&] {
    context->Log.clear();
    context->Draws.clear();
    viewport.Core.RenderPass();
    const auto has = [&](const char* line) {
      return std::find(context->Log.begin(), context->Log.end(), line) != context->Log.end();
    };
    return TFrame{static_cast<int>(context->Draws.size()), has("keep backdrop"),
                  has("lay backdrop")};
  };
  const auto expect = [](TFrame frame, int draws, bool keeps, bool lays, const char* when) {
    EXPECT_EQ(frame.Draws, draws) << when;
    EXPECT_EQ(frame.Keeps, keeps) << when;
    EXPECT_EQ(frame.Lays, lays) << when;
  };
  expect(pass(), 2, false, false, "the first frame");
  {
    const TFrame second = pass();
    expect(second, 2, true, true, "the second frame");
    // Kept from the sky drawn alone, then the frame starts again and lays it in first.
    const auto keep = std::find(context->Log.begin(), context->Log.end(), "keep backdrop");
    ASSERT_LT(keep + 3, context->Log.end());
    EXPECT_EQ(Lines(keep + 1, keep + 4),
              (Lines{"state csScissorOff", "clear 3 00000000 1 0", "lay backdrop"}));
  }
  expect(pass(), 1, false, true, "a third frame");
  pivot->RotationAngle().SetY(10);  // the camera turns
  expect(pass(), 2, false, false, "the camera turned");
  expect(pass(), 2, true, true, "standing still again");
  viewport.Core.SetColor(claBlack);
  expect(pass(), 2, false, false, "another clear colour");
  expect(pass(), 2, true, true, "the same clear colour again");
  expect(pass(), 1, false, true, "still");
  context->SetMultisample(TMultisample::TwoSamples);  // the device drops what it kept
  expect(pass(), 2, false, false, "the kept image dropped");
  expect(pass(), 2, true, true, "kept again");
}

TEST_F(Pass, ABackdropIsAlwaysDrawnWhereAKeptImageWouldNotShowTheSame) {
  struct TCase {
    const char* Name;
    bool Backdrop, Blends, DeviceKeeps, HasChild;
  };
  for (const TCase& c : {TCase{"not a backdrop", false, false, true, false},
                         TCase{"translucent", true, true, true, false},
                         TCase{"a device that cannot keep it", true, false, false, false},
                         TCase{"with a child drawn after it", true, false, true, true}}) {
    SCOPED_TRACE(c.Name);
    TCoreViewport view;
    auto* backdrop = new TSphere;
    view.AddChild(backdrop);
    backdrop->SetBackdrop(c.Backdrop);
    backdrop->SetOpaque(!c.Blends);
    if (c.Blends) backdrop->SetOpacity(0.5f);
    if (c.HasChild) backdrop->AddChild(new TSphere);
    TRecordingContext& recorder = view.UseRecorder();
    recorder.KeepsBackdrops = c.DeviceKeeps;
    for (int frame = 0; frame < 3; ++frame) {
      recorder.Log.clear();
      recorder.Draws.clear();
      view.Core.RenderPass();
      EXPECT_EQ(recorder.Draws.size(), c.HasChild ? 2u : 1u) << frame;
      EXPECT_EQ(std::count(recorder.Log.begin(), recorder.Log.end(), "lay backdrop"), 0) << frame;
    }
  }
}

TEST_F(Pass, InvisibleObjectsAndTheirSubtreesAreSkipped) {
  pivot->SetVisible(false);
  viewport.Core.RenderPass();
  EXPECT_EQ(context->Draws.size(), 1u);
}

// A unit sphere seen by a camera 10 units in front of it: placed wholly beyond a side, behind
// the eye or beyond the far plane it would reach no pixel and is not drawn; touching the view
// it is. A handler that draws keeps it, and its children are judged on their own.
TEST(OutsideTheView, ObjectsThatCannotReachAPixelAreNotDrawn) {
  struct TCase {
    const char* What;
    TPoint3D At;
    bool Drawn;
  };
  const TCase cases[] = {
      {"in the middle", {0, 0, 0}, true},
      {"across the top edge", {0, 4.5f, 0}, true},
      {"above the top edge", {0, 6, 0}, false},
      {"beyond the left edge", {-15, 0, 0}, false},
      {"across the near plane", {0, 0, -9}, true},
      {"behind the eye", {0, 0, -20}, false},
      {"beyond the far plane", {0, 0, 1200}, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TCoreViewport viewport;
    auto* sphere = new TSphere;
    auto* child = new TSphere;
    auto* camera = new TCamera;
    viewport.AddChild(sphere);
    sphere->AddChild(child);
    viewport.AddChild(camera);
    camera->Position().SetZ(-10);
    sphere->Position().SetPoint(c.At);
    child->Position().SetPoint(TPoint3D{0, 0, 0} - c.At);  // back in the middle
    viewport.Core.SetCamera(camera);
    viewport.Core.SetUsingDesignCamera(false);
    TRecordingContext& context = viewport.UseRecorder();
    ASSERT_TRUE(viewport.Core.RenderPass());
    EXPECT_EQ(context.Draws.size(), c.Drawn ? 2u : 1u);
    int handled = 0;
    sphere->OnRender = [&](TControl3D&, TContext3D&) { ++handled; };
    context.Draws.clear();
    ASSERT_TRUE(viewport.Core.RenderPass());
    EXPECT_EQ(context.Draws.size(), 2u);
    EXPECT_EQ(handled, 1);
  }
}

TEST_F(Pass, ReentryReturnsAtOnce) {
  int nested = 0;
  sky->OnRender = [&](TControl3D&, TContext3D&) {
    EXPECT_TRUE(viewport.Core.Drawing());
    EXPECT_FALSE(viewport.Core.RenderPass());
    ++nested;
  };
  EXPECT_TRUE(viewport.Core.RenderPass());
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(std::count(context->Log.begin(), context->Log.end(), "begin"), 1);
  EXPECT_FALSE(viewport.Core.Drawing());
}

TEST_F(Pass, ErrorWhileDrawingEndsTheFrameReachesTheCallerAndTheNextPassDraws) {
  sky->OnRender = [](TControl3D&, TContext3D&) { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(viewport.Core.RenderPass(), std::runtime_error);
  EXPECT_FALSE(viewport.Core.Drawing());
  EXPECT_EQ(context->Log.back(), "end");

  sky->OnRender = nullptr;
  context->Log.clear();
  context->Draws.clear();
  EXPECT_TRUE(viewport.Core.RenderPass());
  EXPECT_EQ(context->Draws.size(), 2u);
  EXPECT_EQ(context->Log.front(), "begin");
  EXPECT_EQ(context->Log.back(), "end");
}

TEST_F(Pass, RefusedBeginDrawsNothingButStillShows) {
  context->RefuseBegin = true;
  EXPECT_TRUE(viewport.Core.RenderPass());
  EXPECT_EQ(context->Log, (Lines{"begin"}));
  viewport.Core.SetContext(nullptr);
  EXPECT_FALSE(viewport.Core.RenderPass());  // nothing to show before a size is known
}

TEST_F(Pass, LightsAreCollectedInTheOrderTheyJoined) {
  auto* first = new TLight;
  auto* second = new TLight;
  second->SetColor(0xFF102030);
  second->SetEnabled(false);
  pivot->AddChild(first);
  viewport.AddChild(second);
  first->Position().SetZ(-30);
  EXPECT_EQ(viewport.Core.Lights(), (std::vector<TLight*>{first, second}));
  viewport.Core.RenderPass();
  ASSERT_EQ(context->Lights().size(), 2u);
  EXPECT_EQ(context->Lights()[0].Position, (TPoint3D{0, 0, -30}));
  EXPECT_EQ(context->Lights()[0].Direction, (TPoint3D{0, 0, 1}));
  EXPECT_FALSE(context->Lights()[1].Enabled);
  EXPECT_EQ(context->Lights()[1].Color, 0xFF102030u);

  pivot->RemoveChild(first);  // leaving the tree unregisters
  EXPECT_EQ(viewport.Core.Lights(), (std::vector<TLight*>{second}));
  delete first;
  delete second;  // freeing unregisters
  EXPECT_TRUE(viewport.Core.Lights().empty());
}

TEST_F(Pass, LightTypeSetsItsSpotValuesAndEnabledAsksForARender) {
  auto* light = new TLight;
  viewport.AddChild(light);
  const struct {
    TLightKind type;
    float cutoff, exponent;
  } cases[] = {{TLightKind::Spot, 60, 4},
               {TLightKind::Directional, 60, 4},  // unchanged
               {TLightKind::Point, 180, 0}};
  for (const auto& c : cases) {
    light->SetLightType(c.type);
    EXPECT_EQ(light->SpotCutOff(), c.cutoff);
    EXPECT_EQ(light->SpotExponent(), c.exponent);
  }
  const int before = viewport.RenderRequests;
  light->SetColor(claBlack);  // only stored
  EXPECT_EQ(viewport.RenderRequests, before);
  light->SetEnabled(false);
  EXPECT_EQ(viewport.RenderRequests, before + 1);
}

TEST_F(Pass, DefaultCameraIsUsedUntilACameraIsChosenAndForgottenWhenFreed) {
  TViewport3DCore& core = viewport.Core;
  EXPECT_EQ(&core.CurrentCamera(), camera);
  core.SetUsingDesignCamera(true);
  TCamera& fallback = core.CurrentCamera();
  EXPECT_NE(&fallback, camera);
  EXPECT_NEAR(Length(fallback.AbsolutePosition().ToPoint()), 20, 1e-4f);
  EXPECT_NEAR(fallback.AbsolutePosition().Y, -20 * std::sin(20 * 3.14159265f / 180), 1e-4f);
  core.SetUsingDesignCamera(false);
  delete camera;
  EXPECT_EQ(core.Camera(), nullptr);
  EXPECT_EQ(&core.CurrentCamera(), &fallback);
}

TEST_F(Pass, SettersAskForARenderAsTheyShould) {
  TViewport3DCore& core = viewport.Core;
  int before = viewport.RenderRequests;
  core.SetColor(claNull);  // unchanged
  EXPECT_EQ(viewport.RenderRequests, before);
  core.SetColor(claWhite);
  core.SetCamera(camera);
  core.SetUsingDesignCamera(true);
  EXPECT_EQ(viewport.RenderRequests, before + 3);
  core.SetMultisample(TMultisample::TwoSamples);
  EXPECT_EQ(context->Log.back(), "multisample");
  EXPECT_EQ(context->Samples(), 2);
}

TEST(DrawingOrder, ViewportListChangesOnlyOnAddAndRemove) {
  TCoreViewport viewport;
  auto* near = new TSphere;
  auto* far = new TSphere;
  viewport.AddChild(near);
  viewport.AddChild(far);
  viewport.UseRecorder();
  const std::vector<TControl3D*> before = viewport.Core.RenderingList();
  far->Position().SetZ(500);  // moving does not re-sort
  EXPECT_EQ(viewport.Core.RenderingList(), before);
  viewport.AddChild(new TDummy);  // adding does, with distances now: the far one first
  EXPECT_EQ(viewport.Core.RenderingList().front(), far);
}

}  // namespace
}  // namespace scene
