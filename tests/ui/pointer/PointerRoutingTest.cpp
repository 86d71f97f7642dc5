// Pointer routing replayed without a display: which one object receives each press, move,
// release and wheel turn, in which order its handlers run, and that odd sequences leave
// nothing behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/objects/Camera.h"
#include "scene/objects/Disk.h"
#include "scene/objects/Dummy.h"
#include "scene/objects/Sphere.h"
#include "scene/render/Context3D.h"
#include "support/FakeWindowHost.h"
#include "support/ViewPixel.h"
#include "ui/menu/PopupMenu.h"
#include "ui/view3d/Viewport3D.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

using scene::mbLeft;
using scene::mbMiddle;
using scene::mbRight;
using scene::ssDouble;
using scene::ssLeft;

// A window of 800 x 600 filled by a view of a planet (radius 5) with a ring disk (radius 11)
// and a moon (radius 1) at x = -12, seen from 26 units through a camera that looks at the
// planet from slightly above the ring plane; a panel control over the right edge; a popup
// menu on the view. Every handler writes a line to `log`.
struct Routing : ::testing::Test {
  testing::TFakeHost host;
  TFormBase form;
  TViewport3D* view = new TViewport3D;
  TControl* panel = new TControl;
  TPopupMenu* menu = new TPopupMenu;
  scene::TSphere* planet = new scene::TSphere;
  scene::TDisk* rings = new scene::TDisk;
  scene::TSphere* moon = new scene::TSphere;
  scene::TCamera* camera = new scene::TCamera;
  std::vector<std::string> log;

  Routing() {
    form.SetHost(&host);
    form.AddChild(menu);
    form.AddChild(view);
    form.AddChild(panel);
    view->SetName("view");
    panel->SetName("panel");
    view->SetAlign(TControlAlign::Client);
    form.ClientResized(800, 600);
    panel->SetBounds(700, 0, 100, 600);
    view->SetPopupMenu(menu);
    menu->AddChild(new TMenuItem);  // a menu opens only with an item to show
    menu->OnPopup = [this](TPopupMenu& m, int x, int y) {
      log.push_back("menu " + m.PopupComponent()->Name() + " " + std::to_string(x) + "," +
                    std::to_string(y));
    };

    auto* pivot = new scene::TDummy;
    view->AddChild(pivot);
    pivot->AddChild(camera);
    pivot->RotationAngle().SetX(-15);
    camera->Position().SetZ(-26);
    for (auto [body, name, parent, scale] :
         {std::tuple<scene::TCustomMesh*, const char*, scene::TSceneNode*, float>{planet, "planet",
                                                                                  view, 10},
          {rings, "rings", planet, 2.2f},
          {moon, "moon", view, 2}}) {
      body->SetName(name);
      parent->AddChild(body);
      body->Scale().SetPoint({scale, scale, scale});
      body->SetWrapMode(scene::TMeshWrapMode::Fit);
      Record(*body);
    }
    rings->SetWrapMode(scene::TMeshWrapMode::Stretch);
    moon->Position().SetX(-12);
    camera->SetTarget(planet);
    view->SetCamera(camera);
    view->SetUsingDesignCamera(false);
    Record(*view);
    Record(*panel);
    view->PaintTo({0, 800, 600});  // makes the drawing context
  }

  void Record(TControl& c) {
    c.OnMouseDown = [this](scene::TSceneNode& s, TMouseButton b, TShiftState shift, float x,
                           float y) {
      log.push_back(s.Name() + " down " + std::to_string(b) + (shift & ssDouble ? " double" : "") +
                    " " + Point(x, y));
    };
    c.OnMouseMove = [this](scene::TSceneNode& s, TShiftState, float x, float y) {
      log.push_back(s.Name() + " move " + Point(x, y));
    };
    c.OnMouseUp = [this](scene::TSceneNode& s, TMouseButton b, TShiftState, float x, float y) {
      log.push_back(s.Name() + " up " + std::to_string(b) + " " + Point(x, y));
    };
    c.OnClick = [this](scene::TSceneNode& s) { log.push_back(s.Name() + " click"); };
    c.OnDblClick = [this](scene::TSceneNode& s) { log.push_back(s.Name() + " dblclick"); };
  }
  void Record(scene::TControl3D& o) {
    o.OnMouseDown = [this](scene::TSceneNode& s, TMouseButton b, TShiftState, float x, float y,
                           const scene::TVector3D&, const scene::TVector3D&) {
      log.push_back(s.Name() + " down " + std::to_string(b) + " " + Point(x, y));
    };
    o.OnMouseMove = [this](scene::TSceneNode& s, TShiftState, float x, float y,
                           const scene::TVector3D&, const scene::TVector3D&) {
      log.push_back(s.Name() + " move " + Point(x, y));
    };
    o.OnMouseUp = [this](scene::TSceneNode& s, TMouseButton b, TShiftState, float x, float y,
                         const scene::TVector3D&, const scene::TVector3D&) {
      log.push_back(s.Name() + " up " + std::to_string(b) + " " + Point(x, y));
    };
    o.OnClick = [this](scene::TSceneNode& s) { log.push_back(s.Name() + " click"); };
    o.OnDblClick = [this](scene::TSceneNode& s) { log.push_back(s.Name() + " dblclick"); };
  }
  static std::string Point(float x, float y) {
    return std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
  }

  // The pixel at which the view draws a scene point (window units, whole numbers).
  TPointF PixelOf(const scene::TPoint3D& p) const {
    const scene::TPoint3D pixel = scene::testing::ViewPixel(*camera, p, 800, 600);
    return {std::nearbyint(pixel.X), std::nearbyint(pixel.Y)};
  }
  std::string At(TPointF p) {
    scene::TSceneNode* found = form.Pointer().ObjectAtPoint(p);
    return found ? found->Name() : "none";
  }
  std::vector<std::string> Take() { return std::exchange(log, {}); }
};

using Lines = std::vector<std::string>;

TEST_F(Routing, FindsTheTargetUnderThePointer) {
  const struct {
    const char* name;
    TPointF point;
    const char* expected;
  } cases[] = {
      {"the moon", PixelOf({-12, 0.5f, 0}), "moon"},
      {"the planet below the ring plane", PixelOf({0, -4.5f, -1}), "planet"},
      {"the planet where the ring plane lies behind it", PixelOf({0, 4, -2}), "rings"},
      {"the ring gap", PixelOf({0, 0, 7}), "rings"},
      {"empty space", {20, 20}, "view"},
      {"the panel covers the view", {750, 300}, "panel"},
      {"outside the window", {-5, 300}, "none"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(At(c.point), c.expected) << c.name;
}

TEST_F(Routing, HiddenOrDisabledControlsAndABodyBehindTheEyeAreNotTargets) {
  panel->SetEnabled(false);
  EXPECT_EQ(At({750, 300}), "view") << "a disabled control";
  panel->SetVisible(false);
  EXPECT_EQ(At({750, 300}), "view") << "a hidden control";
  view->SetHitTest(false);
  EXPECT_EQ(At({20, 20}), "none") << "the view without hit testing";
  EXPECT_EQ(At(PixelOf({-12, 0.5f, 0})), "none") << "nor do its 3D objects";
  view->SetHitTest(true);
  // The moon behind the eye, on the line through the planet, nearer to the eye than the
  // planet: the view's centre still finds what lies in front.
  moon->Position().SetPoint(camera->AbsolutePosition().ToPoint() * 1.5f);
  EXPECT_EQ(At({400, 300}), "rings");
}

TEST_F(Routing, ClickAndDoubleClickOnEmptySpace) {
  form.MouseMove(0, 20, 30);
  form.MouseDown(mbLeft, ssLeft, 20, 30);
  form.MouseUp(mbLeft, 0, 20, 30, true);
  form.MouseDown(mbLeft, ssLeft | ssDouble, 20, 30);
  form.MouseUp(mbLeft, 0, 20, 30, true);
  EXPECT_EQ(Take(), (Lines{"view move 20,30", "view down 0 20,30", "view click", "view up 0 20,30",
                           "view down 0 double 20,30", "view dblclick", "view up 0 20,30"}));
  // The middle button double-clicks too, without a click.
  form.MouseDown(mbMiddle, 0, 20, 30);
  form.MouseUp(mbMiddle, 0, 20, 30, true);
  form.MouseDown(mbMiddle, ssDouble, 20, 30);
  form.MouseUp(mbMiddle, 0, 20, 30, true);
  EXPECT_EQ(Take(), (Lines{"view down 2 20,30", "view up 2 20,30", "view down 2 double 20,30",
                           "view dblclick", "view up 2 20,30"}));
}

TEST_F(Routing, ClickAndDoubleClickOnABody) {
  const TPointF p = PixelOf({-12, 0.5f, 0});
  const std::string at = Point(p.X, p.Y);
  form.MouseMove(0, p.X, p.Y);
  form.MouseDown(mbLeft, ssLeft, p.X, p.Y);
  form.MouseUp(mbLeft, 0, p.X, p.Y, true);
  form.MouseDown(mbLeft, ssLeft | ssDouble, p.X, p.Y);
  form.MouseUp(mbLeft, 0, p.X, p.Y, true);
  EXPECT_EQ(Take(), (Lines{"moon move " + at, "moon down 0 " + at, "moon click", "moon up 0 " + at,
                           "moon down 0 " + at, "moon dblclick", "moon up 0 " + at}));
  // A body is never captured, and the view's own handlers do not run.
  EXPECT_EQ(form.Pointer().Captured(), nullptr);
  // Without the pointer over the body (no move reached it), the press gives no click.
  moon->SetMouseOver(false);
  form.MouseDown(mbLeft, ssLeft, p.X, p.Y);
  form.MouseUp(mbLeft, 0, p.X, p.Y, true);
  EXPECT_EQ(Take(), (Lines{"moon down 0 " + at, "moon up 0 " + at}));
}

TEST_F(Routing, RightPressOpensTheMenuOnEmptySpaceAndReachesABody) {
  EXPECT_TRUE(form.ContextMenuRequest({20, 30}, {1020.5f, 531.5f}));
  EXPECT_EQ(Take(), (Lines{"menu view 1020,532"}));
  EXPECT_EQ(menu->PopupPoint(), (TPointF{1020, 532}));
  const TPointF p = PixelOf({-12, 0.5f, 0});
  EXPECT_FALSE(form.ContextMenuRequest(p, p));
  form.MouseDown(mbRight, 0, p.X, p.Y);
  EXPECT_EQ(Take(), (Lines{"moon down 1 " + Point(p.X, p.Y)}));
  EXPECT_FALSE(form.ContextMenuRequest({750, 30}, {750, 30})) << "the panel has no menu";
}

TEST_F(Routing, CaptureKeepsEverythingOnTheViewUntilTheRelease) {
  form.MouseDown(mbLeft, ssLeft, 20, 30);
  EXPECT_EQ(form.Pointer().Captured(), view);
  const TPointF onMoon = PixelOf({-12, 0.5f, 0});
  form.MouseMove(ssLeft, onMoon.X, onMoon.Y);
  form.MouseMove(ssLeft, 750, 30);    // over the panel
  form.MouseMove(ssLeft, -40, 5000);  // outside the window
  form.MouseUp(mbLeft, 0, 750, 30, true);
  EXPECT_EQ(Take(),
            (Lines{"view down 0 20,30", "view move " + Point(onMoon.X, onMoon.Y),
                   "view move 750,30", "view move -40,5000", "view click", "view up 0 750,30"}))
      << "a click: the release lies inside the view, under the panel";
  EXPECT_EQ(form.Pointer().Captured(), nullptr);
  form.MouseMove(0, 750, 30);
  EXPECT_EQ(Take(), (Lines{"panel move 50,30"}));
}

TEST_F(Routing, PressOnABodyCapturesNothing) {
  const TPointF p = PixelOf({-12, 0.5f, 0});
  form.MouseDown(mbLeft, ssLeft, p.X, p.Y);
  form.MouseMove(ssLeft, 750, 30);
  form.MouseUp(mbLeft, 0, 750, 30, true);
  EXPECT_EQ(Take(),
            (Lines{"moon down 0 " + Point(p.X, p.Y), "panel move 50,30", "panel up 0 50,30"}));
}

TEST_F(Routing, WheelGoesUpThroughTheParentsUntilHandled) {
  std::vector<std::string> wheel;
  auto handler = [&](bool handles) {
    return [&wheel, handles](scene::TSceneNode& s, TShiftState, int delta, bool& handled) {
      wheel.push_back(s.Name() + " " + std::to_string(delta));
      handled = handles;
    };
  };
  rings->OnMouseWheel = handler(false);
  view->OnMouseWheel = handler(true);
  // Over the rings: rings, then the planet (no handler), then the view.
  const TPointF onRings = PixelOf({0, 0, 7});
  form.MouseMove(0, onRings.X, onRings.Y);
  bool handled = false;
  form.MouseWheel(0, -120, onRings.X, onRings.Y, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(wheel, (Lines{"rings -120", "view -120"}));
  // Over the panel nothing handles it; a handled turn stops at the first handler.
  wheel.clear();
  form.MouseMove(0, 750, 30);
  handled = false;
  form.MouseWheel(0, 120, 750, 30, handled);
  EXPECT_FALSE(handled);
  EXPECT_TRUE(wheel.empty());
  rings->OnMouseWheel = handler(true);
  form.MouseMove(0, onRings.X, onRings.Y);
  form.MouseWheel(0, 240, onRings.X, onRings.Y, handled);
  EXPECT_EQ(wheel, (Lines{"rings 240"}));
}

// The window moved under a still pointer: no move told the routing where the pointer now is,
// and the wheel goes to what lies under its own point.
TEST_F(Routing, TheWheelGoesToWhatLiesUnderItsOwnPoint) {
  std::vector<std::string> wheel;
  rings->OnMouseWheel = [&](scene::TSceneNode& s, TShiftState, int, bool& handled) {
    wheel.push_back(s.Name());
    handled = true;
  };
  const TPointF onRings = PixelOf({0, 0, 7});
  form.MouseMove(0, 750, 30);
  bool handled = false;
  form.MouseWheel(0, 120, onRings.X, onRings.Y, handled);
  EXPECT_EQ(wheel, (Lines{"rings"}));
  wheel.clear();
  handled = false;
  form.MouseWheel(0, 120, 750, 30, handled);
  EXPECT_TRUE(wheel.empty()) << "the panel lies there now";
  EXPECT_FALSE(handled);
}

TEST_F(Routing, HoverFollowsUncapturedMoves) {
  const TPointF onMoon = PixelOf({-12, 0.5f, 0});
  form.MouseMove(0, onMoon.X, onMoon.Y);
  EXPECT_TRUE(moon->IsMouseOver());
  EXPECT_EQ(form.Pointer().Hovered(), moon);
  form.MouseMove(0, 20, 30);
  EXPECT_FALSE(moon->IsMouseOver());
  EXPECT_TRUE(view->IsMouseOver());
  // Captured: hover stays where it was.
  form.MouseDown(mbLeft, ssLeft, 20, 30);
  form.MouseMove(ssLeft, onMoon.X, onMoon.Y);
  EXPECT_EQ(form.Pointer().Hovered(), view);
  EXPECT_FALSE(moon->IsMouseOver());
}

TEST_F(Routing, OddSequencesLeaveNothingBehind) {
  // A release with no press.
  form.MouseUp(mbLeft, 0, 20, 30, true);
  EXPECT_EQ(Take(), (Lines{"view up 0 20,30"}));
  // A second press while captured goes to what is under the pointer and keeps one capture.
  form.MouseDown(mbLeft, ssLeft, 20, 30);
  form.MouseDown(mbMiddle, ssLeft | scene::ssMiddle, 750, 30);
  EXPECT_EQ(Take(), (Lines{"view down 0 20,30", "panel down 2 50,30"}));
  EXPECT_EQ(form.Pointer().Captured(), view);
  // The window loses the pointer mid-drag: the capture goes.
  form.Pointer().PointerLost();
  EXPECT_EQ(form.Pointer().Captured(), nullptr);
  form.MouseMove(0, 750, 30);
  EXPECT_EQ(Take(), (Lines{"panel move 50,30"}));
  // Hovered, captured and focused objects freed mid-drag are forgotten.
  const TPointF onMoon = PixelOf({-12, 0.5f, 0});
  form.MouseMove(0, onMoon.X, onMoon.Y);
  form.MouseDown(mbLeft, ssLeft, onMoon.X, onMoon.Y);
  EXPECT_EQ(form.Pointer().Hovered(), moon);
  delete moon;
  EXPECT_EQ(form.Pointer().Hovered(), nullptr);
  EXPECT_EQ(form.Pointer().Focused(), nullptr);
  form.MouseDown(mbLeft, ssLeft, 20, 30);
  delete view;
  EXPECT_EQ(form.Pointer().Captured(), nullptr);
  Take();
  form.MouseMove(0, 20, 30);
  form.MouseUp(mbLeft, 0, 20, 30, true);
  bool handled = false;
  form.MouseWheel(0, 120, 20, 30, handled);
  EXPECT_EQ(Take(), Lines{});
}

TEST_F(Routing, NoDrawingContextMeansNo3DTargets) {
  auto* other = new TViewport3D;
  view->SetVisible(false);
  form.AddChild(other);
  other->SetBounds(0, 0, 600, 600);
  auto* body = new scene::TSphere;
  other->AddChild(body);
  body->Scale().SetPoint({100, 100, 100});
  ASSERT_EQ(other->Context(), nullptr);
  EXPECT_EQ(form.Pointer().ObjectAtPoint({300, 300}), other);
}

}  // namespace
}  // namespace ui
