// Start-up as the application runs it, on a recording platform and a hand-driven clock: the
// windows are created in registration order, each stored tree finishes loading before its
// creation handler runs, only the main window is shown, and the main window's start state is
// the one the viewer opens with.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "scene/animation/AniThread.h"
#include "support/ManualAnimationPlatform.h"
#include "ui/window/Shell.h"

namespace app {
namespace {

class TRecordingPlatform : public ui::IShellPlatform {
 public:
  std::vector<std::string> Log;
  void CreateWindowFor(ui::TFormBase& form) override { Log.push_back("window " + form.Name()); }
  void ShowWindow(ui::TFormBase& form) override { Log.push_back("show " + form.Name()); }
  void RunLoop(ui::TFormBase& mainForm) override { Log.push_back("loop " + mainForm.Name()); }
  void Quit() override { Log.push_back("quit"); }
  void DestroyWindows(std::vector<std::unique_ptr<ui::TFormBase>>& forms) override {
    forms.clear();
  }
};

struct Startup : ::testing::Test {
  scene::testing::TManualAnimationScope Clock;
  TRecordingPlatform Platform;
  std::optional<ui::TShell> Application{std::in_place, Platform};
  Startup() {
    Form2 = nullptr;
    Form1 = nullptr;
    Application->RegisterWindow(Form2);
    Application->RegisterWindow(Form1);
  }
  ~Startup() override {
    // The windows are freed with the application; the unit's references must not outlive them.
    Application.reset();
    Form2 = nullptr;
    Form1 = nullptr;
  }
};

TEST_F(Startup, CreatesBothWindowsInOrderAndShowsOnlyTheMainOne) {
  EXPECT_EQ(Form2, nullptr);  // registration creates nothing
  Application->Run();
  EXPECT_EQ(Platform.Log,
            (std::vector<std::string>{"window Form2", "window Form1", "show Form2", "loop Form2"}));
  ASSERT_NE(Form2, nullptr);
  ASSERT_NE(Form1, nullptr);
  EXPECT_EQ(Application->MainForm(), Form2);
  EXPECT_FALSE(Form2->IsLoading());
  EXPECT_EQ(Form2->Caption(), "Moons of Orvane");
  EXPECT_EQ(Form2->ClientWidth(), 1332);
  EXPECT_EQ(Form2->ClientHeight(), 829);
  EXPECT_EQ(Form2->FillColor(), ui::claBlack);
  EXPECT_TRUE(Form2->FullScreen());
  EXPECT_EQ(Form2->Placement(), ui::TWindowPlacement::ScreenCenter);
  EXPECT_EQ(Form1->Caption(), "About");
  // A fixed caption without buttons, above the main window and centred over it.
  EXPECT_EQ(Form1->ClientWidth(), 515);
  EXPECT_EQ(Form1->ClientHeight(), 265);
  EXPECT_EQ(Form1->BorderStyle(), ui::TFormBorderStyle::Single);
  EXPECT_EQ(Form1->BorderIcons(), 0u);
  EXPECT_EQ(Form1->FormStyle(), ui::TFormStyle::StayOnTop);
  EXPECT_EQ(Form1->Placement(), ui::TWindowPlacement::MainFormCenter);
  EXPECT_EQ(Form2->BorderStyle(), ui::TFormBorderStyle::Sizeable);
  EXPECT_EQ(Form2->BorderIcons(), ui::AllBorderIcons);
  EXPECT_EQ(Form2->FormStyle(), ui::TFormStyle::Normal);
}

// `orvane --windowed` opens the main window framed, at the size and in the place it has when
// it leaves full screen; the "Full screen" item's mark tells the state either way.
TEST_F(Startup, MainWindowOpensFullScreenUnlessAskedForTheNormalWindow) {
  for (const bool fullScreen : {true, false}) {
    StartFullScreen = fullScreen;
    Application.reset();
    Form2 = nullptr;
    Form1 = nullptr;
    Application.emplace(Platform);
    Application->RegisterWindow(Form2);
    Application->RegisterWindow(Form1);
    Application->Run();
    StartFullScreen = true;
    ASSERT_NE(Form2, nullptr);
    EXPECT_EQ(Form2->FullScreen(), fullScreen);
    EXPECT_EQ(Form2->MenuItem5->IsChecked(), fullScreen);
    EXPECT_EQ(Form2->ClientWidth(), 1332);
    EXPECT_EQ(Form2->ClientHeight(), 829);
    EXPECT_EQ(Form2->Placement(), ui::TWindowPlacement::ScreenCenter);
    EXPECT_EQ(Form2->BorderStyle(), ui::TFormBorderStyle::Sizeable);
  }
}

TEST_F(Startup, MainWindowOpensWithTheCameraFarOutAndGlidingIn) {
  Application->Run();
  EXPECT_EQ(Form2->Camera1->Position().Z(), -60);
  EXPECT_FLOAT_EQ(Form2->Dummy1->RotationAngle().X(), 345);  // written as -15
  EXPECT_FALSE(Dragging);
  const auto moons = Form2->Moons();
  for (size_t i = 0; i < moons.size(); ++i)
    EXPECT_EQ(moons[i]->RotationCenter().Point(),
              (scene::TPoint3D{-12.0f - 2.0f * static_cast<float>(i), 0, 0}));

  // The eight body animations started when loading completed, the glide in FormCreate.
  for (TOrbitAnimation* animation : Form2->FloatAnimations) {
    ASSERT_NE(animation, nullptr);
    EXPECT_TRUE(animation->Running());
  }
  ASSERT_NE(scene::TAniThread::Current(), nullptr);
  EXPECT_EQ(scene::TAniThread::Current()->AniList().size(), 9u);

  // 1.5 seconds in, the camera is half-way; after 3 seconds it stays at -26 and the glide is
  // freed once its last tick has been handled.
  Clock.Platform.Tick(1.5);
  EXPECT_FLOAT_EQ(Form2->Camera1->Position().Z(), -43);
  Clock.Platform.Tick(1.6);
  EXPECT_EQ(Form2->Camera1->Position().Z(), -26);
  Clock.Platform.RunQueuedTasks();
  EXPECT_EQ(scene::TAniThread::Current()->AniList().size(), 8u);
  EXPECT_EQ(Form2->Camera1->ChildCount(), 0);
}

}  // namespace
}  // namespace app
