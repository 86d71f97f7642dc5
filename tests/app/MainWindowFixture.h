// The main window after start-up at 1332 x 829, on a platform that shows nothing (it records
// the windows shown and the requests to end), with the camera where the glide ends (-26) and
// a recording drawing context for picking. The clock is driven by hand and never advanced
// unless a test does, so the glide writes nothing.
//
// Points used with the pointer are chosen off the side panel (40 to 185 across, 40 to 393
// down), which takes the pointer where it lies.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "QuietPlatform.h"
#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "support/FakeWindowHost.h"
#include "support/ManualAnimationPlatform.h"
#include "support/ViewPixel.h"
#include "ui/window/Shell.h"

namespace app::testing {

struct TMainWindowFixture : ::testing::Test {
  scene::testing::TManualAnimationScope Clock;
  TQuietPlatform Platform;
  ui::testing::TFakeHost Host;
  std::optional<ui::TShell> Application{std::in_place, Platform};
  TForm2* form = nullptr;

  TMainWindowFixture() {
    app::Application = &*Application;
    Application->RegisterWindow(Form2);
    Application->RegisterWindow(Form1);
    Application->Run();
    form = Form2;
    form->SetHost(&Host);
    form->ClientResized(1332, 829);
    form->Camera1->Position().SetZ(-26);
    form->Viewport3D1->PaintTo({0, 1332, 829});  // the drawing context picking needs
  }
  ~TMainWindowFixture() override {
    form->SetHost(nullptr);
    Application.reset();
    app::Application = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
  }
  float PivotX() const { return form->Dummy1->RotationAngle().X(); }
  float PivotY() const { return form->Dummy1->RotationAngle().Y(); }
  float CameraZ() const { return form->Camera1->Position().Z(); }
  // A point of the view over the centre of `body` as the camera sees it now.
  ui::TPointF Over(const scene::TControl3D& body) const {
    const scene::TPoint3D pixel =
        scene::testing::ViewPixel(*form->Camera1, body.AbsolutePosition().ToPoint(), 1332, 829);
    return {std::nearbyint(pixel.X), std::nearbyint(pixel.Y)};
  }
  // A point of the view over the moon Tethys (Sphere5).
  ui::TPointF OnABody() const { return Over(*form->Sphere5); }
};

}  // namespace app::testing
