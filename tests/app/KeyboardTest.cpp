// The main window from the keyboard: Tab through the side panel's buttons in their tab order,
// Enter and Space flying to the focused button's body, Escape leaving full screen as the
// menu's "Full screen" does, and the keys of the list F1 shows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "app/KeyHelp.h"
#include "support/ScriptedSaving.h"

namespace app {
namespace {

using Lines = std::vector<std::string>;

struct Keyboard : testing::TMainWindowFixture {
  std::string Focused() const {
    const scene::TSceneNode* focused = form->Pointer().Focused();
    return focused ? focused->Name() : "none";
  }
};

TEST_F(Keyboard, TabVisitsTheFlyToButtonsInTheirTabOrder) {
  Lines forwards, backwards;
  for (int i = 0; i < 9; ++i) {
    form->KeyDown(ui::vkTab, U'\t', 0);
    forwards.push_back(Focused());
  }
  EXPECT_EQ(forwards, (Lines{"Button11", "Button8", "Button4", "Button6", "Button5", "Button3",
                             "Button2", "Button1", "Button11"}));
  for (int i = 0; i < 2; ++i) {
    form->KeyDown(ui::vkTab, U'\t', scene::ssShift);
    backwards.push_back(Focused());
  }
  EXPECT_EQ(backwards, (Lines{"Button1", "Button2"}));
  // Tab never reaches the window's handler: the panel stays, nothing is selected.
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_EQ(form->Label1->Text(), "Orvane");
}

TEST_F(Keyboard, EnterOrSpaceOnTheTabbedButtonFliesToItsBody) {
  const struct {
    const char* keys;
    int tabs;
    ui::TKeyCode code;
    char32_t keyChar;
    const char* body;
    float cameraZ;
  } steps[] = {
      {"Tab, Tab, Enter: the second stop", 2, ui::vkReturn, U'\r', "Enceladus", -16},
      {"Space: the same button again", 0, ui::vkSpace, U' ', "Enceladus", -16},
      {"Tab, Space: the third stop", 1, ui::vkSpace, U' ', "Mimas", -14},
  };
  for (const auto& s : steps) {
    form->SelectBody(1);
    form->Camera1->Position().SetZ(-40);
    for (int i = 0; i < s.tabs; ++i)
      form->KeyDown(ui::vkTab, U'\t', 0);
    form->KeyDown(s.code, s.keyChar, 0);
    EXPECT_EQ(form->Label1->Text(), s.body) << s.keys;
    EXPECT_EQ(CameraZ(), s.cameraZ) << s.keys;
    EXPECT_TRUE(form->Panel1->Visible()) << s.keys;
  }
}

TEST_F(Keyboard, HiddenPanelLeavesTabNothingToDoAndSpaceShowsThePanel) {
  form->KeyDown(ui::vkSpace, U' ', 0);
  ASSERT_FALSE(form->Panel1->Visible());
  form->KeyDown(ui::vkTab, U'\t', 0);
  EXPECT_EQ(Focused(), "none");
  form->KeyDown(ui::vkSpace, U' ', 0);
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_EQ(form->Label1->Text(), "Orvane");
}

TEST_F(Keyboard, EscapeLeavesFullScreenWithTheMenuMarkFollowing) {
  const struct {
    const char* step;
    std::function<void()> act;
    bool fullScreen;
  } steps[] = {
      {"at start", [] {}, true},
      {"Ctrl+Escape", [&] { form->KeyDown(ui::vkEscape, 0x1B, scene::ssCtrl); }, true},
      {"Alt+Escape", [&] { form->KeyDown(ui::vkEscape, 0x1B, scene::ssAlt); }, true},
      {"Escape", [&] { form->KeyDown(ui::vkEscape, 0x1B, 0); }, false},
      {"Escape in the framed window", [&] { form->KeyDown(ui::vkEscape, 0x1B, 0); }, false},
      {"the menu's Full screen", [&] { form->MenuItem5Click(*form->MenuItem5); }, true},
      {"Shift+Escape", [&] { form->KeyDown(ui::vkEscape, 0x1B, scene::ssShift); }, false},
      {"the menu's Full screen again", [&] { form->MenuItem5Click(*form->MenuItem5); }, true},
  };
  for (const auto& s : steps) {
    s.act();
    EXPECT_EQ(form->FullScreen(), s.fullScreen) << s.step;
    EXPECT_EQ(form->MenuItem5->IsChecked(), s.fullScreen) << s.step;
  }
  // Escape does nothing else: the panel and the label stay.
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_EQ(form->Label1->Text(), "Orvane");
}

TEST_F(Keyboard, F11TogglesFullScreenAsTheMenuDoesAndCtrlSOpensTheScreenshotDialog) {
  const struct {
    const char* step;
    ui::TKeyCode key;
    scene::TShiftState shift;
    bool fullScreen;
  } steps[] = {
      {"F11", ui::vkF11, 0, false},
      {"Ctrl+F11 belongs to the desktop", ui::vkF11, scene::ssCtrl, false},
      {"F11 again", ui::vkF11, 0, true},
  };
  for (const auto& s : steps) {
    form->KeyDown(s.key, 0, s.shift);
    EXPECT_EQ(form->FullScreen(), s.fullScreen) << s.step;
    EXPECT_EQ(form->MenuItem5->IsChecked(), s.fullScreen) << s.step;
  }
  ui::testing::TScriptedSaveDialog dialog;  // answers "cancelled"
  scene::TServiceInstallation<ui::ISaveDialogPresenter> dialogs(dialog);
  form->KeyDown('S', 0x13, scene::ssCtrl | scene::ssShift);
  form->KeyDown('S', U's', 0);
  EXPECT_TRUE(dialog.Requests.empty()) << "Ctrl+Shift+S and a plain S do not save";
  form->KeyDown('S', 0x13, scene::ssCtrl);
  ASSERT_EQ(dialog.Requests.size(), 1u);
  EXPECT_EQ(dialog.Requests[0].DefaultExt, "jpg");
}

TEST_F(Keyboard, ArrowsSwingTheViewAsADragPlusAndMinusZoomAndHomeGoesBackToTheStart) {
  // An arrow is a drag of 20 units that way: at -26, 20 x 0.2027 degrees.
  const struct {
    const char* step;
    ui::TKeyCode key;
    char32_t keyChar;
    float pivotX, pivotY, cameraZ;
  } steps[] = {
      {"Right", ui::vkRight, 0, 345, 4.0545f, -26},
      {"Left", ui::vkLeft, 0, 345, 0, -26},
      {"Down", ui::vkDown, 0, 340.9455f, 0, -26},
      {"Up", ui::vkUp, 0, 345, 0, -26},
      {"+", 0, U'+', 345, 0, -25},
      {"the keypad's +, the same character", 0, U'+', 345, 0, -24},
      {"-", 0, U'-', 345, 0, -25},
      {"Right at -25", ui::vkRight, 0, 345, 3.8727f, -25},  // 20 x 0.3 x (18 / 33 + 0.1)
      {"Home", ui::vkHome, 0, 345, 0, -26},
  };
  for (const auto& s : steps) {
    form->KeyDown(s.key, s.keyChar, 0);
    EXPECT_NEAR(PivotX(), s.pivotX, 1e-3f) << s.step;
    EXPECT_NEAR(PivotY(), s.pivotY, 1e-3f) << s.step;
    EXPECT_EQ(CameraZ(), s.cameraZ) << s.step;
  }
  // Home restores the start orientation itself, not only the angles' sum.
  form->KeyDown(ui::vkRight, 0, 0);
  form->KeyDown(ui::vkDown, 0, 0);
  form->KeyDown(ui::vkLeft, 0, 0);
  form->KeyDown(ui::vkHome, 0, 0);
  const scene::TQuaternion3D start = form->Dummy1->Quaternion();
  form->Dummy1->ResetRotationAngle();
  form->Dummy1->RotationAngle().SetX(-15);
  EXPECT_EQ(start, form->Dummy1->Quaternion());
}

TEST_F(Keyboard, F1ShowsTheKeysOverTheViewAndF1OrEscapeHidesThem) {
  ASSERT_NE(form->KeyPanel, nullptr);
  EXPECT_FALSE(form->KeyPanel->Visible());
  form->KeyDown(ui::vkF1, 0, 0);
  ASSERT_TRUE(form->KeyPanel->Visible());
  // Centred over the window, last of its children: over the view and the side panel.
  EXPECT_EQ(form->KeyPanel->Position().X, std::round((1332 - TForm2::KeyPanelWidth) / 2));
  EXPECT_EQ(form->KeyPanel->Position().Y, std::round((829 - TForm2::KeyPanelHeight) / 2));
  EXPECT_EQ(form->Children().back(), form->KeyPanel);
  // The window's client area changes under it (F11, say): the list stays in its middle.
  form->ClientResized(800, 600);
  EXPECT_EQ(form->KeyPanel->Position().X, std::round((800 - TForm2::KeyPanelWidth) / 2));
  EXPECT_EQ(form->KeyPanel->Position().Y, std::round((600 - TForm2::KeyPanelHeight) / 2));
  form->ClientResized(1332, 829);
  std::string keysShown;
  for (scene::TSceneNode* child : form->KeyPanel->Children())
    if (auto* text = dynamic_cast<ui::TText*>(child)) keysShown += text->Text() + "\n";
  for (const TKeyHelpRow& row : KeyHelpRows) {
    EXPECT_NE(keysShown.find(row.Keys), std::string::npos) << row.Keys;
    EXPECT_NE(keysShown.find(row.Action), std::string::npos) << row.Action;
  }
  // Escape hides the list and does nothing more: the window stays full screen.
  form->KeyDown(ui::vkEscape, 0x1B, 0);
  EXPECT_FALSE(form->KeyPanel->Visible());
  EXPECT_TRUE(form->FullScreen());
  form->KeyDown(ui::vkF1, 0, 0);
  form->KeyDown(ui::vkF1, 0, 0);
  EXPECT_FALSE(form->KeyPanel->Visible());
  EXPECT_TRUE(form->FullScreen());
}

}  // namespace
}  // namespace app
