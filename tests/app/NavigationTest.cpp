// Navigating the main window's view: a drag swings the pivot, the wheel steps the camera
// within its range, presses on bodies start the same drag, and a drag whose release was lost
// ends at the next move made with no button held. Events go through the window's routing, as
// the platform window delivers them.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "gestures/GestureFakes.h"
#include "ui/gestures/MultiTouchManager.h"

namespace app {
namespace {

using scene::mbLeft;
using scene::mbMiddle;
using scene::mbRight;
using scene::ssLeft;
using scene::ssMiddle;

using Navigation = testing::TMainWindowFixture;

TEST_F(Navigation, DragTurnsThePivotByTheDistanceFactor) {
  const struct {
    float cameraZ, dx, dy, pivotX, pivotY;
  } cases[] = {
      {-26, 10, 0, 345, 2.027f},   // 0.3 x (19 / 33 + 0.1) degrees a unit
      {-26, 0, 10, 342.973f, 0},   // down lowers the X angle (angles read 0 to 360)
      {-6, 100, 0, 345, 2.0909f},  // near: small steps
      {-79, 10, 0, 345, 6.8455f},  // far: large steps
  };
  for (const auto& c : cases) {
    form->Dummy1->RotationAngle().SetX(0);
    form->Dummy1->RotationAngle().SetY(0);
    form->Dummy1->RotationAngle().SetX(-15);
    form->Camera1->Position().SetZ(c.cameraZ);
    form->MouseDown(mbLeft, ssLeft, 250, 100);
    form->MouseMove(ssLeft, 250 + c.dx, 100 + c.dy);
    form->MouseUp(mbLeft, 0, 250 + c.dx, 100 + c.dy, true);
    EXPECT_NEAR(PivotX(), c.pivotX, 1e-3f) << c.cameraZ;
    EXPECT_NEAR(PivotY(), c.pivotY, 1e-3f) << c.cameraZ;
    EXPECT_FALSE(Dragging);
  }
}

TEST_F(Navigation, MiddleDragTurnsLikeALeftDragAndRightPressOpensTheMenu) {
  form->MouseDown(mbMiddle, ssMiddle, 250, 100);
  form->MouseMove(ssMiddle, 260, 100);
  form->MouseUp(mbMiddle, 0, 260, 100, true);
  EXPECT_NEAR(PivotY(), 2.027f, 1e-3f);
  // The platform window asks for the menu first; the view has one, so no press follows.
  EXPECT_TRUE(form->ContextMenuRequest({250, 100}, {300, 200}));
  EXPECT_EQ(form->PopupMenu1->PopupComponent(), form->Viewport3D1);
  EXPECT_FALSE(Dragging);
}

TEST_F(Navigation, WheelStepsTheCameraWithinItsRange) {
  const struct {
    float from;
    int delta, turns;
    float to;
  } cases[] = {{-26, 120, 1, -25}, {-26, -120, 1, -27},  {-26, 480, 1, -25}, {-26, 0, 1, -27},
               {-26, 120, 30, -6}, {-26, -120, 70, -79}, {-6, 120, 1, -6},   {-79, -120, 1, -79}};
  for (const auto& c : cases) {
    form->Camera1->Position().SetZ(c.from);
    for (int i = 0; i < c.turns; ++i) {
      bool handled = false;
      form->MouseMove(0, 250, 100 + static_cast<float>(i % 2));
      form->MouseWheel(0, c.delta, 250, 100 + static_cast<float>(i % 2), handled);
      EXPECT_TRUE(handled);
    }
    EXPECT_EQ(CameraZ(), c.to) << c.from << " " << c.delta << " x" << c.turns;
  }
}

TEST_F(Navigation, WheelOverABodyReachesTheViewThroughItsParents) {
  const ui::TPointF p = OnABody();
  form->MouseMove(0, p.X, p.Y);
  ASSERT_EQ(form->Pointer().Hovered(), form->Sphere5);
  bool handled = false;
  form->MouseWheel(0, 120, p.X, p.Y, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(CameraZ(), -25);
}

TEST_F(Navigation, PressOnABodyStartsTheDrag) {
  ui::TPointF p = OnABody();
  form->MouseMove(0, p.X, p.Y);
  form->MouseDown(mbLeft, ssLeft, p.X, p.Y);
  EXPECT_TRUE(Dragging);
  EXPECT_EQ(form->Pointer().Captured(), nullptr);
  form->MouseMove(ssLeft, p.X + 10, p.Y);
  EXPECT_NEAR(PivotY(), 2.027f, 1e-3f);
  form->MouseUp(mbLeft, 0, 250, 100, true);
  EXPECT_FALSE(Dragging);
  // A right press on a body opens the menu and starts nothing.
  p = OnABody();  // the drag moved it
  form->MouseMove(0, p.X, p.Y);
  EXPECT_FALSE(form->ContextMenuRequest(p, p));
  form->MouseDown(mbRight, 0, p.X, p.Y);
  EXPECT_FALSE(Dragging);
  EXPECT_EQ(form->PopupMenu1->PopupComponent(), form->Sphere5);
  EXPECT_EQ(form->PopupMenu1->PopupPoint(), (ui::TPointF{p.X + 1000, p.Y + 500}));
}

TEST_F(Navigation, ALostReleaseEndsTheDragAtTheNextMoveWithoutAButton) {
  // Pressed on a body, released where neither a body nor the view gets the release (the
  // platform window lost it, or another control took it): the next move over the scene comes
  // with no button held and ends the drag instead of turning the view.
  const ui::TPointF p = OnABody();
  form->MouseMove(0, p.X, p.Y);
  form->MouseDown(mbLeft, ssLeft, p.X, p.Y);
  ASSERT_TRUE(Dragging);
  form->MouseMove(0, 200, 200);
  form->MouseMove(0, 300, 250);
  EXPECT_FALSE(Dragging);
  EXPECT_EQ(PivotY(), 0);
  EXPECT_EQ(PivotX(), 345);
}

// The main window's touch screen: the recognizer finds its targets through the window's
// routing, as the platform window's does.
struct TTouchScreen : ui::ITouchWindow {
  TForm2& Form;
  ui::testing::TManualTimers Timers;
  ui::TMultiTouchManager Touches{*this, Timers};
  explicit TTouchScreen(TForm2& form) : Form(form) {}
  scene::TSceneNode* ObjectUnderTouch(ui::TPointF p) override {
    return Form.Pointer().ObjectAtPoint(p);
  }
  scene::TSceneNode& WindowObject() override { return Form; }
  float ScreenScale() const override { return 1; }
  // Two fingers on empty space, `start` apart, moving apart by `step` per message.
  void Pinch(float start, float step, int messages) {
    const float cx = 200, cy = 150;
    auto fingers = [&](float d) {
      return std::vector<ui::TPointF>{{cx - d / 2, cy}, {cx + d / 2, cy}};
    };
    Touches.HandleTouches(std::vector<ui::TPointF>{{cx - start / 2, cy}}, ui::TTouchAction::Down);
    Touches.HandleTouches(fingers(start), ui::TTouchAction::Down);
    for (int i = 1; i <= messages; ++i)
      Touches.HandleTouches(fingers(start + step * static_cast<float>(i)), ui::TTouchAction::Move);
    const std::vector<ui::TPointF> last = fingers(start + step * static_cast<float>(messages));
    Touches.HandleTouches(last, ui::TTouchAction::Up);
    Touches.HandleTouches(std::vector<ui::TPointF>{last[0]}, ui::TTouchAction::Up);
  }
};

TEST_F(Navigation, PinchZoomsOnlyOnJumpsOfMoreThanFourPixels) {
  const struct {
    float step;
    int messages;
    float cameraZ;
  } cases[] = {{3, 10, -26}, {5, 6, -21}, {-5, 6, -31}, {-3, 10, -26}, {0, 5, -26}};
  for (const auto& c : cases) {
    form->Camera1->Position().SetZ(-26);
    TTouchScreen screen(*form);
    screen.Pinch(200, c.step, c.messages);
    // The first event of a pinch only records the distance: one step fewer than messages.
    EXPECT_EQ(CameraZ(), c.cameraZ) << c.step;
  }
}

TEST_F(Navigation, GestureIdentifiersTheViewHandles) {
  const struct {
    int id;
    bool handled;
  } cases[] = {{259, true}, {265, true}, {1, true}, {2, true}, {260, true}, {261, false}};
  for (const auto& c : cases) {
    bool handled = false;
    ui::TGestureEventInfo info;
    info.GestureID = c.id;
    info.Flags.Include(ui::TInteractiveGestureFlag::gfBegin);
    form->Viewport3D1Gesture(*form->Viewport3D1, info, handled);
    EXPECT_EQ(handled, c.handled) << c.id;
  }
}

}  // namespace
}  // namespace app
