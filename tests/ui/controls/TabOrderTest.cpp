// Moving the keyboard focus with Tab and Shift+Tab: the window's shown, enabled buttons in
// ascending TabOrder, container by container, wrapping around; the keys a focused button
// takes after that; and the focus ring a button draws while the keyboard is in use.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RecordingPainter.h"
#include "ui/style/TextControls.h"
#include "ui/window/Form.h"
#include "ui/window/TabOrder.h"

namespace ui {
namespace {

using Lines = std::vector<std::string>;
using scene::mbLeft;
using scene::ssAlt;
using scene::ssCtrl;
using scene::ssLeft;
using scene::ssShift;

// A window of 400 x 400 with a panel (10, 10, 140 x 360) of eight buttons 80 x 26, "a" at the
// top to "h" at the bottom, numbered for Tab as the viewer's side panel numbers its own, a
// speed button (never focused) between them, and after the panel a button "last" without a
// TabOrder. Clicks and the window's keys are written to `log`.
struct TabOrder : ::testing::Test {
  TFormBase form;
  TPanel* panel = new TPanel;
  TButton* last = new TButton;
  std::vector<TButton*> buttons;
  Lines log;

  TabOrder() {
    form.ClientResized(400, 400);
    form.AddChild(panel);
    panel->SetBounds(10, 10, 140, 360);
    const struct {
      const char* name;
      int tabOrder;
    } rows[] = {{"a", 0}, {"b", 2}, {"c", 1}, {"d", 7}, {"e", 6}, {"f", 5}, {"g", 4}, {"h", 3}};
    float y = 10;
    for (const auto& row : rows) {
      auto* button = new TButton;
      panel->AddChild(button);
      button->SetName(row.name);
      button->SetTabOrder(row.tabOrder);
      button->SetBounds(30, y, 80, 26);
      button->OnClick = [this](scene::TSceneNode& s) { log.push_back(s.Name() + " click"); };
      buttons.push_back(button);
      y += 40;
      if (buttons.size() == 4) {
        auto* speed = new TSpeedButton;
        panel->AddChild(speed);
        speed->SetName("speed");
        speed->SetTabOrder(0);
        speed->SetBounds(30, 330, 80, 26);
      }
    }
    form.AddChild(last);
    last->SetName("last");
    last->SetBounds(200, 10, 80, 26);
    form.OnKeyDown = [this](scene::TSceneNode&, TKeyCode& key, char32_t&, TShiftState shift) {
      log.push_back("window key " + std::to_string(key) + " shift " + std::to_string(shift));
    };
  }

  TButton* Button(const char* name) { return static_cast<TButton*>(form.FindObject(name)); }
  std::string Focused() {
    scene::TSceneNode* focused = form.Pointer().Focused();
    return focused ? focused->Name() : "none";
  }
  // Presses Tab (Shift+Tab when `backwards`) and answers the control focused then.
  std::string Tab(bool backwards = false) {
    form.KeyDown(vkTab, U'\t', backwards ? ssShift : 0);
    return Focused();
  }
  Lines Tabs(int count, bool backwards = false) {
    Lines focused;
    for (int i = 0; i < count; ++i)
      focused.push_back(Tab(backwards));
    return focused;
  }
};

TEST_F(TabOrder, TabVisitsTheButtonsInAscendingTabOrderAndWrapsAround) {
  EXPECT_EQ(Tabs(10), (Lines{"a", "c", "b", "h", "g", "f", "e", "d", "last", "a"}));
  EXPECT_TRUE(log.empty()) << "the window saw Tab";
}

TEST_F(TabOrder, ShiftTabVisitsThemBackwardsStartingFromTheLast) {
  EXPECT_EQ(Tabs(10, true), (Lines{"last", "d", "e", "f", "g", "h", "b", "c", "a", "last"}));
  // From a clicked button, on either way.
  form.MouseDown(mbLeft, ssLeft, 50, 30 + 40 * 5);  // "f"
  form.MouseUp(mbLeft, 0, 50, 30 + 40 * 5, true);
  ASSERT_EQ(Focused(), "f");
  EXPECT_EQ(Tab(), "e");
  EXPECT_EQ(Tab(true), "f");
  EXPECT_EQ(Tab(true), "g");
  EXPECT_EQ(log, Lines{"f click"});
}

TEST_F(TabOrder, HiddenAndDisabledButtonsAreSkipped) {
  Button("c")->SetVisible(false);
  Button("h")->SetEnabled(false);
  EXPECT_EQ(Tabs(8), (Lines{"a", "b", "g", "f", "e", "d", "last", "a"}));
  // A hidden panel hides its buttons from Tab, even the one holding the focus.
  panel->SetVisible(false);
  EXPECT_EQ(Tabs(2), (Lines{"last", "last"}));
  EXPECT_EQ(Tab(true), "last");
  // With no stop at all Tab does nothing, and still goes no further.
  last->SetVisible(false);
  EXPECT_EQ(Tabs(2), (Lines{"last", "last"}));
  EXPECT_EQ(TabStops(form), std::vector<TControl*>{});
  EXPECT_TRUE(log.empty()) << "the window saw Tab";
}

TEST_F(TabOrder, EnterAndSpaceClickTheButtonTabFocused) {
  Tabs(2);
  ASSERT_EQ(Focused(), "c");
  form.KeyDown(vkReturn, U'\r', 0);
  form.KeyDown(vkSpace, U' ', 0);
  Tab();
  form.KeyDown(vkSpace, U' ', 0);
  EXPECT_EQ(log, (Lines{"c click", "c click", "b click"}));
}

TEST_F(TabOrder, TabWithCtrlOrAltIsTheWindowsKey) {
  const struct {
    TShiftState shift;
    const char* seen;
  } cases[] = {{ssCtrl, "window key 9 shift 4"},
               {ssAlt, "window key 9 shift 2"},
               {ssCtrl | ssShift, "window key 9 shift 5"}};
  for (const auto& c : cases) {
    form.KeyDown(vkTab, U'\t', c.shift);
    EXPECT_EQ(Focused(), "none") << c.seen;
    EXPECT_EQ(log, Lines{c.seen});
    log.clear();
  }
}

// The focus ring: the outline in FocusRingColor that the focused button draws over its face
// while the keyboard is in use.
TEST_F(TabOrder, TheFocusedButtonDrawsItsRingWhileTheKeyboardIsInUse) {
  testing::TRecordingPainter painter;
  const auto rings = [&] {
    painter.Lines.clear();
    form.Paint2D(painter);
    Lines found;
    for (const std::string& line : painter.Starting("stroke"))
      if (line.find(" FF0078D7 ") != std::string::npos) found.push_back(line);
    return found;
  };
  EXPECT_EQ(rings(), Lines{});
  Tabs(2);  // "c", at (40, 100) in the window
  EXPECT_EQ(rings(), Lines{"stroke 41,101,119,125 r2 w2 FF0078D7 1"});
  // A click focuses a button without a ring; the next key shows it.
  form.MouseDown(mbLeft, ssLeft, 50, 30);  // "a"
  form.MouseUp(mbLeft, 0, 50, 30, true);
  EXPECT_EQ(rings(), Lines{});
  form.KeyDown('A', U'a', 0);
  EXPECT_EQ(rings(), Lines{"stroke 41,21,119,45 r2 w2 FF0078D7 1"});
  // Drawn with the button's opacity.
  panel->SetOpacity(0.8f);
  EXPECT_EQ(rings(), Lines{"stroke 41,21,119,45 r2 w2 FF0078D7 0.8"});
  // A press anywhere hides it, the focus staying.
  form.MouseDown(mbLeft, ssLeft, 300, 300);
  form.MouseUp(mbLeft, 0, 300, 300, true);
  EXPECT_EQ(Focused(), "a");
  EXPECT_EQ(rings(), Lines{});
}

}  // namespace
}  // namespace ui
