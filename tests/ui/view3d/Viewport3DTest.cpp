// The 2D viewport: its drawing context made at the first paint for the pixel size, render
// requests coalesced into one invalidation per paint, and the image presented at its place.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "scene/objects/Sphere.h"
#include "support/FakeWindowHost.h"
#include "support/RecordingContext.h"
#include "ui/controls/Shapes.h"
#include "ui/view3d/Viewport3D.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

using scene::testing::TRecordingContext;
using testing::TFakeHost;

struct Window : ::testing::Test {
  TFakeHost host;
  TFormBase form;
  TViewport3D* viewport = new TViewport3D;
  Window() {
    form.SetHost(&host);
    form.AddChild(viewport);
    viewport->SetBounds(10, 20, 300, 200);
  }
};

TEST(RoundHalfEven, RoundsHalvesToEven) {
  const struct {
    double in;
    int out;
  } cases[] = {{1243.5, 1244}, {1242.5, 1242}, {2.5, 2}, {3.5, 4}, {1998.4, 1998}, {0.5, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST_F(Window, MakesTheContextAtThePaintForThePixelSize) {
  EXPECT_EQ(viewport->Context(), nullptr);  // nothing before the first paint
  const struct {
    float scale, width, height;
    int pixelWidth, pixelHeight;
  } cases[] = {{1, 1332, 829, 1332, 829},
               {1.5f, 1332, 829, 1998, 1244},
               {2.5f, 1, 1, 2, 2},
               {1.25f, 1332, 829, 1665, 1036}};
  for (const auto& c : cases) {
    host.WindowScale = c.scale;
    viewport->SetSize(c.width, c.height);
    viewport->PaintTo({0, 2000, 1500});
    ASSERT_NE(viewport->Context(), nullptr);
    EXPECT_EQ(viewport->Context()->Width(), c.pixelWidth) << c.scale;
    EXPECT_EQ(viewport->Context()->Height(), c.pixelHeight) << c.scale;
    EXPECT_EQ(host.Made.back().Samples, 4);
  }
  const size_t made = host.Made.size();
  viewport->PaintTo({0, 2000, 1500});  // same size: the context is kept
  EXPECT_EQ(host.Made.size(), made);
  viewport->SetSize(0, 100);
  viewport->PaintTo({0, 2000, 1500});
  EXPECT_EQ(viewport->Context(), nullptr);
}

TEST_F(Window, PresentsAtItsPixelRectangleWithItsOpacity) {
  host.WindowScale = 1.5f;
  viewport->SetOpacity(0.5f);
  viewport->PaintTo({7, 1920, 1080});
  ASSERT_EQ(host.Last->Presented.size(), 1u);
  const scene::TPresentTarget& t = host.Last->Presented[0];
  EXPECT_EQ(t.Framebuffer, 7u);
  EXPECT_EQ(t.FramebufferWidth, 1920);
  EXPECT_EQ(t.FramebufferHeight, 1080);
  EXPECT_EQ(t.Left, 15);
  EXPECT_EQ(t.Top, 30);
  EXPECT_EQ(t.Opacity, 0.5f);
  EXPECT_EQ(host.Last->Log.front(), "begin");
  EXPECT_EQ(host.Last->Log.back(), "present");
}

TEST_F(Window, RequestsBeforeAPaintGiveOneInvalidationAndOnePass) {
  auto* sphere = new scene::TSphere;
  viewport->AddChild(sphere);
  viewport->PaintTo({0, 640, 480});
  TRecordingContext& context = *host.Last;
  const int before = host.Invalidations;
  for (int i = 1; i <= 50; ++i)
    sphere->Position().SetX(static_cast<float>(i));
  EXPECT_EQ(host.Invalidations, before + 1);
  viewport->PaintTo({0, 640, 480});
  EXPECT_EQ(std::count(context.Log.begin(), context.Log.end(), "begin"), 2);
  sphere->Position().SetX(0);  // the next request after a paint invalidates again
  EXPECT_EQ(host.Invalidations, before + 2);
}

TEST_F(Window, RendersIntoABitmapForScreenshots) {
  scene::TTextureImage bitmap;
  viewport->SetSize(0, 0);
  EXPECT_FALSE(viewport->RenderToBitmap(bitmap));  // no size, nothing to render
  viewport->SetSize(300, 200);
  ASSERT_TRUE(viewport->RenderToBitmap(bitmap));
  EXPECT_EQ(bitmap.Width, 300);
  EXPECT_EQ(bitmap.Height, 200);
  EXPECT_EQ(host.Last->Log.back(), "copy");
  EXPECT_TRUE(host.Last->Presented.empty());
}

// A screenshot is the scene rendered again into a picture of the view's pixel size, with the
// view's 2D children painted over it as if the view stood at the window's corner.
TEST_F(Window, ScreenshotIsTheRenderedSceneWithTheViewsChildrenOnly) {
  // A child of the view and a control beside it, both filled.
  auto* child = new TRectangle;
  viewport->AddChild(child);
  child->SetBounds(5, 5, 20, 10);
  child->SetFillColor(0xFF112233);
  auto* beside = new TRectangle;
  form.AddChild(beside);
  beside->SetFillColor(0xFF445566);
  struct TCase {
    float Scale, Width, Height;
    int PixelWidth, PixelHeight;
  };
  // 1332 x 829 at 1.5 is 1998 x 1243.5: the half goes to the even 1244.
  for (const TCase& c : {TCase{1, 300, 200, 300, 200}, TCase{1.5f, 1332, 829, 1998, 1244},
                         TCase{2, 300.25f, 200.75f, 600, 402}}) {
    SCOPED_TRACE(c.Scale);
    host.WindowScale = c.Scale;
    viewport->SetSize(c.Width, c.Height);
    const std::unique_ptr<TBitmap> picture = viewport->MakeScreenshot();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), c.PixelWidth);
    EXPECT_EQ(picture->Height(), c.PixelHeight);
    EXPECT_EQ(picture->Scale(), c.Scale);
    EXPECT_EQ(host.Last->Log.back(), "copy");
    ASSERT_FALSE(host.PaintedOnto.empty());
    EXPECT_EQ(host.PaintedOnto.back().Scale, c.Scale);
    EXPECT_EQ(host.PaintedOnto.back().Origin, (TPointF{10, 20}));
  }
  const std::vector<std::string> calls = host.PaintedOnto.back().Calls;
  // The child's fill and outline at its place in the window; nothing of the control beside.
  EXPECT_EQ(calls, (std::vector<std::string>{"fill 15.5,25.5,34.5,34.5 r0 FF112233 1",
                                             "stroke 15.5,25.5,34.5,34.5 r0 w1 FF000000 1"}));
  child->SetVisible(false);
  viewport->MakeScreenshot();
  EXPECT_TRUE(host.PaintedOnto.back().Calls.empty());
}

TEST_F(Window, MultisampleReachesTheContext) {
  viewport->SetMultisample(scene::TMultisample::None);
  viewport->PaintTo({0, 640, 480});
  EXPECT_EQ(host.Made.back().Samples, 1);
  viewport->SetMultisample(scene::TMultisample::TwoSamples);
  EXPECT_EQ(viewport->Context()->Multisample(), scene::TMultisample::TwoSamples);
}

TEST(Viewport3D, StartsWithItsDefaults) {
  TViewport3D v;
  EXPECT_EQ(v.Camera(), nullptr);
  EXPECT_TRUE(v.UsingDesignCamera());
  EXPECT_EQ(v.Color(), scene::claWhite);
  EXPECT_EQ(v.Multisample(), scene::TMultisample::FourSamples);
  EXPECT_NE(v.Properties().Find("usingdesigncamera"), nullptr);
}

}  // namespace
}  // namespace ui
