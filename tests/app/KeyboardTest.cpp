// The main window from the keyboard: Tab through the side panel's buttons in their tab order,
// Enter and Space flying to the focused button's body, and Escape leaving full screen as the
// menu's "Full screen" does.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"

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

}  // namespace
}  // namespace app
