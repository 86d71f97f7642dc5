// Which control a press focuses, and where a key goes: the focused button or the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/style/TextControls.h"
#include "ui/view3d/Viewport3D.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

using Lines = std::vector<std::string>;
using scene::mbLeft;
using scene::ssAlt;
using scene::ssCtrl;
using scene::ssLeft;
using scene::ssShift;

// A window of 400 x 300 filled by a 3D view, with a button (10, 10, 80 x 26), a speed
// button (10, 50, 80 x 26) and a plain control (10, 90, 80 x 26) over it. Clicks and the
// window's keys are written to `log`.
struct FocusAndKeys : ::testing::Test {
  TFormBase form;
  TViewport3D* view = new TViewport3D;
  TButton* button = new TButton;
  TSpeedButton* speedButton = new TSpeedButton;
  TControl* plain = new TControl;
  Lines log;

  FocusAndKeys() {
    form.AddChild(view);
    view->SetAlign(TControlAlign::Client);
    form.ClientResized(400, 300);
    const std::pair<TControl*, const char*> controls[] = {
        {button, "button"}, {speedButton, "speed button"}, {plain, "plain"}};
    float y = 10;
    for (auto [control, name] : controls) {
      form.AddChild(control);
      control->SetName(name);
      control->SetBounds(10, y, 80, 26);
      control->OnClick = [this](scene::TSceneNode& s) { log.push_back(s.Name() + " click"); };
      y += 40;
    }
    form.OnKeyDown = [this](scene::TSceneNode&, TKeyCode& key, char32_t& keyChar,
                            TShiftState shift) {
      log.push_back("window key " + std::to_string(key) + " char " +
                    std::to_string(static_cast<unsigned>(keyChar)) + " shift " +
                    std::to_string(shift));
    };
  }

  void Click(float x, float y) {
    form.MouseDown(mbLeft, ssLeft, x, y);
    form.MouseUp(mbLeft, 0, x, y, true);
  }
  std::string Focused() {
    scene::TSceneNode* focused = form.Pointer().Focused();
    return focused ? focused->Name() : "none";
  }
};

TEST_F(FocusAndKeys, APressFocusesOnlyControlsThatTakeTheFocus) {
  const struct {
    const char* pressed;
    float x, y;
    const char* focused;
  } steps[] = {
      {"the speed button, nothing focused yet", 20, 60, "none"},
      {"the button", 20, 20, "button"},
      {"the speed button", 20, 60, "button"},
      {"the 3D view", 300, 200, "button"},
      {"the plain control", 20, 100, "button"},
  };
  for (const auto& step : steps) {
    Click(step.x, step.y);
    EXPECT_EQ(Focused(), step.focused) << step.pressed;
  }
  EXPECT_EQ(log,
            (Lines{"speed button click", "button click", "speed button click", "plain click"}));
}

TEST_F(FocusAndKeys, AFocusedButtonClicksOnEnterAndSpaceWithoutModifiers) {
  Click(20, 20);
  log.clear();
  const struct {
    const char* name;
    TKeyCode key;
    char32_t keyChar;
    TShiftState shift;
    const char* expected;
  } cases[] = {
      {"Enter", vkReturn, U'\r', 0, "button click"},
      {"Space", vkSpace, U' ', 0, "button click"},
      {"Enter with the mouse button held", vkReturn, U'\r', ssLeft, "button click"},
      {"Shift+Enter", vkReturn, U'\r', ssShift, "window key 13 char 13 shift 1"},
      {"Ctrl+Space", vkSpace, U' ', ssCtrl, "window key 32 char 32 shift 4"},
      {"Alt+Enter", vkReturn, 0, ssAlt, "window key 13 char 0 shift 2"},
      {"a", 'A', U'a', 0, "window key 65 char 97 shift 0"},
      {"Escape", vkEscape, 0, 0, "window key 27 char 0 shift 0"},
      // Tab itself moves the focus (TabOrderTest.cpp).
      {"Ctrl+Tab", vkTab, 0, ssCtrl, "window key 9 char 0 shift 4"},
  };
  for (const auto& c : cases) {
    form.KeyDown(c.key, c.keyChar, c.shift);
    EXPECT_EQ(log, Lines{c.expected}) << c.name;
    log.clear();
  }
}

TEST_F(FocusAndKeys, WithNothingFocusedEveryKeyReachesTheWindow) {
  Click(300, 200);  // the view takes no focus
  ASSERT_EQ(Focused(), "none");
  form.KeyDown(vkReturn, U'\r', 0);
  form.KeyDown(vkSpace, U' ', 0);
  form.KeyDown('A', U'a', ssShift);
  EXPECT_EQ(log, (Lines{"window key 13 char 13 shift 0", "window key 32 char 32 shift 0",
                        "window key 65 char 97 shift 1"}));
}

TEST_F(FocusAndKeys, AButtonClicksOnlyWhenReleasedInsideIt) {
  const struct {
    const char* name;
    float releaseX, releaseY;
    bool clicks;
  } cases[] = {
      {"inside", 50, 20, true},
      {"on its edge", 90, 36, true},
      {"outside, over the view", 300, 200, false},
      {"outside, over the speed button", 20, 60, false},
  };
  for (const auto& c : cases) {
    form.MouseDown(mbLeft, ssLeft, 20, 20);
    // The button holds the pointer while pressed: moves anywhere go to it.
    EXPECT_EQ(form.Pointer().Captured(), button) << c.name;
    form.MouseMove(ssLeft, c.releaseX, c.releaseY);
    EXPECT_EQ(form.Pointer().Captured(), button) << c.name;
    form.MouseUp(mbLeft, 0, c.releaseX, c.releaseY, true);
    EXPECT_EQ(form.Pointer().Captured(), nullptr) << c.name;
    EXPECT_EQ(log, c.clicks ? Lines{"button click"} : Lines{}) << c.name;
    EXPECT_FALSE(button->IsPressed()) << c.name;
    log.clear();
  }
}

}  // namespace
}  // namespace ui
