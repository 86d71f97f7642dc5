// The pointer's look: that of the control under the pointer, or of the nearest parent control
// that has one, and of the control that holds the pointer while it is pressed.
#include <gtest/gtest.h>

#include "ui/style/TextControls.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

using scene::mbLeft;
using scene::ssLeft;

TEST(Cursor, FollowsTheControlUnderThePointerOrTheOneHoldingIt) {
  TFormBase form;
  form.ClientResized(400, 300);
  // A link-like box holding a plain child, and a button beside it that holds the pointer.
  auto* link = new TControl;
  auto* inside = new TControl;
  auto* button = new TButton;
  form.AddChild(link);
  link->AddChild(inside);
  form.AddChild(button);
  link->SetBounds(10, 10, 100, 50);
  inside->SetBounds(10, 10, 20, 20);
  button->SetBounds(200, 10, 80, 30);
  link->SetCursor(TCursorShape::Hand);

  const struct {
    float x, y;
    TCursorShape expected;
    const char* where;
  } moves[] = {
      {50, 50, TCursorShape::Hand, "over the link"},
      {25, 25, TCursorShape::Hand, "over its child: the parent's"},
      {150, 50, TCursorShape::Default, "over nothing"},
      {210, 20, TCursorShape::Default, "over the button"},
  };
  for (const auto& m : moves) {
    form.MouseMove(0, m.x, m.y);
    EXPECT_EQ(form.PointerCursor(), m.expected) << m.where;
  }

  // Pressed, the button holds the pointer: moving over the link keeps its look.
  button->SetCursor(TCursorShape::Default);
  form.MouseDown(mbLeft, ssLeft, 210, 20);
  form.MouseMove(ssLeft, 50, 50);
  EXPECT_EQ(form.PointerCursor(), TCursorShape::Default) << "captured by the button";
  form.MouseUp(mbLeft, 0, 50, 50, true);
  form.MouseMove(0, 51, 50);
  EXPECT_EQ(form.PointerCursor(), TCursorShape::Hand) << "released";
}

}  // namespace
}  // namespace ui
