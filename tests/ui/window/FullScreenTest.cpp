// Full screen through the window service, on a fake native window: the record an entry keeps,
// leaving to the recorded frame, bounds and state, state requests while full screen, hiding,
// and the bad input a window must survive. The screen is 1920 x 1080, its work area
// 1920 x 1040; a sizeable frame adds 16 x 39 to the client area.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/FakePlatformWindow.h"
#include "ui/window/Form.h"
#include "ui/window/WindowService.h"

namespace ui {
namespace {

using Calls = std::vector<std::string>;
using testing::TFakePlatformWindow;

// The main window as the program stores it: client 1332 x 829, sizeable, centred in the
// screen, full screen when `fullScreen`.
struct TWindowUnderTest {
  TFormBase Form;
  std::unique_ptr<TFakePlatformWindow> Window;

  explicit TWindowUnderTest(bool fullScreen) {
    Form.BeginLoading();
    Form.SetClientSize(1332, 829);
    Form.SetPlacement(TWindowPlacement::ScreenCenter);
    Form.SetFullScreen(fullScreen);
    Form.EndLoading();
    Window = std::make_unique<TFakePlatformWindow>(Form);
    WindowService().SetMainForm(&Form);
  }
  ~TWindowUnderTest() { Window.reset(); }
  TFullScreenParams Params() const {
    const TFullScreenParams* p = WindowService().FullScreenParams(Form);
    return p ? *p : TFullScreenParams{};
  }
};

// (1920 - 1348) / 2 and (1040 - 868) / 2.
constexpr TWindowBounds Centred{286, 86, 1348, 868};
constexpr TWindowBounds Screen{0, 0, 1920, 1080}, Work{0, 0, 1920, 1040};

struct FullScreen : ::testing::Test {
  TWindowUnderTest Main{true};
  TFormBase& form = Main.Form;
  TFakePlatformWindow& window = *Main.Window;
};

TEST_F(FullScreen, TheFirstShowPlacesTheWindowThenEntersFullScreenRecordingThatPlacement) {
  EXPECT_TRUE(form.FullScreen());  // remembered while loading
  form.Show();
  EXPECT_EQ(window.TakeCalls(),
            (Calls{"create", "frame Sizeable", "bounds 286,86 1348x868", "frame None",
                   "state maximized", "show maximized", "activate"}));
  EXPECT_EQ(Main.Params(),
            (TFullScreenParams{TFormBorderStyle::Sizeable, wsNormal, {286, 86}, {1348, 868}}));
  EXPECT_TRUE(form.FullScreen());
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::None);
  EXPECT_EQ(form.WindowState(), wsMaximized);
  EXPECT_EQ(form.Bounds(), Screen);
  // The size change reached the form.
  EXPECT_EQ(form.ClientAreaWidth(), 1920);
  EXPECT_EQ(form.ClientAreaHeight(), 1080);
}

TEST_F(FullScreen, LeavingRestoresFrameThenBoundsThenState) {
  int resizes = 0;
  form.OnResize = [&](scene::TSceneNode&) { ++resizes; };
  form.Show();
  window.TakeCalls();
  form.SetFullScreen(false);
  EXPECT_EQ(window.TakeCalls(),
            (Calls{"frame Sizeable", "bounds 286,86 1348x868", "state normal"}));
  EXPECT_FALSE(form.FullScreen());
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::Sizeable);
  EXPECT_EQ(form.WindowState(), wsNormal);
  EXPECT_EQ(form.Bounds(), Centred);
  EXPECT_EQ(window.Client(), (TIntSize{1332, 829}));
  EXPECT_EQ(form.ClientAreaWidth(), 1332);
  EXPECT_EQ(form.ClientAreaHeight(), 829);
  EXPECT_GE(resizes, 2);  // into full screen and out of it
  // The record is cleaned: the pair that is not full screen, the bounds kept.
  EXPECT_EQ(Main.Params(),
            (TFullScreenParams{TFormBorderStyle::None, wsMaximized, {286, 86}, {1348, 868}}));
}

TEST_F(FullScreen, EachRoundTripReturnsToTheNormalPlacementBeforeIt) {
  form.Show();
  form.SetFullScreen(false);
  const TWindowBounds placements[] = {
      {100, 50, 1348, 868}, {0, 0, 800, 600}, {-40, 700, 1000, 500}};
  for (const TWindowBounds& normal : placements) {
    SCOPED_TRACE(testing::BoundsText(normal));
    form.SetBounds(normal);
    form.SetFullScreen(true);
    EXPECT_EQ(form.Bounds(), Screen);
    EXPECT_EQ(Main.Params().Position, (TIntPoint{normal.Left, normal.Top}));
    EXPECT_EQ(Main.Params().Size, (TIntSize{normal.Width, normal.Height}));
    form.SetFullScreen(false);
    EXPECT_EQ(form.Bounds(), normal);
    EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::Sizeable);
    EXPECT_EQ(form.WindowState(), wsNormal);
  }
}

TEST_F(FullScreen, FromMaximisedLeavingMaximisesWithTheEarlierNormalBoundsToReturnTo) {
  form.Show();
  form.SetFullScreen(false);
  form.SetWindowState(wsMaximized);
  EXPECT_EQ(form.Bounds(), Work);
  form.SetFullScreen(true);
  // The state is recorded; the bounds are those of the earlier entry from normal.
  EXPECT_EQ(Main.Params(),
            (TFullScreenParams{TFormBorderStyle::Sizeable, wsMaximized, {286, 86}, {1348, 868}}));
  EXPECT_EQ(form.Bounds(), Screen);
  form.SetFullScreen(false);
  EXPECT_EQ(form.WindowState(), wsMaximized);
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::Sizeable);
  EXPECT_EQ(form.Bounds(), Work);
  EXPECT_EQ(window.Normal, Centred);
  form.SetWindowState(wsNormal);
  EXPECT_EQ(form.Bounds(), Centred);
}

TEST_F(FullScreen, EveryStateAskedForWhileFullScreenIsMaximised) {
  form.Show();
  for (TWindowState asked : {wsNormal, wsMinimized, wsMaximized}) {
    SCOPED_TRACE(testing::StateName(asked));
    window.TakeCalls();
    form.SetWindowState(asked);
    EXPECT_EQ(window.TakeCalls(), Calls{"state maximized"});
    EXPECT_EQ(form.WindowState(), wsMaximized);
    EXPECT_EQ(form.Bounds(), Screen);
    EXPECT_TRUE(form.FullScreen());
  }
  form.SetFullScreen(false);
  EXPECT_EQ(form.WindowState(), wsNormal);
  EXPECT_EQ(form.Bounds(), Centred);
}

TEST_F(FullScreen, HidingLeavesFullScreenAndTheNextShowEntersItAgain) {
  form.Show();
  window.TakeCalls();
  form.Hide();
  EXPECT_EQ(window.TakeCalls(),
            (Calls{"hide", "frame Sizeable", "bounds 286,86 1348x868", "state normal"}));
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(form.FullScreen());  // remembered for the next show
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::Sizeable);

  const TWindowBounds moved{10, 20, 1348, 868};
  form.SetBounds(moved);
  window.TakeCalls();
  form.Show();
  // Not placed again: shown where it was left, and that is what the entry records.
  EXPECT_EQ(window.TakeCalls(), (Calls{"create", "frame Sizeable", "frame None", "state maximized",
                                       "show maximized", "activate"}));
  EXPECT_EQ(Main.Params().Position, (TIntPoint{10, 20}));
  EXPECT_EQ(form.Bounds(), Screen);
  EXPECT_TRUE(form.FullScreen());
  form.SetFullScreen(false);
  EXPECT_EQ(form.Bounds(), moved);
}

TEST_F(FullScreen, AskingForTheStateTheWindowIsInChangesNothing) {
  form.Show();
  const TFullScreenParams entered = Main.Params();
  window.TakeCalls();
  form.SetFullScreen(true);
  EXPECT_TRUE(window.TakeCalls().empty());
  EXPECT_EQ(Main.Params(), entered);
  form.SetFullScreen(false);
  window.TakeCalls();
  form.SetFullScreen(false);
  EXPECT_TRUE(window.TakeCalls().empty());
  EXPECT_EQ(form.Bounds(), Centred);
  // Quickly out and in again: full screen, and out again to the same placement.
  form.SetFullScreen(true);
  form.SetFullScreen(false);
  form.SetFullScreen(true);
  EXPECT_EQ(form.Bounds(), Screen);
  form.SetFullScreen(false);
  EXPECT_EQ(form.Bounds(), Centred);
}

TEST_F(FullScreen, ShowingAVisibleWindowActivatesItAndAShowWithinAShowIsIgnored) {
  form.Show();
  window.TakeCalls();
  form.Show();
  EXPECT_EQ(window.TakeCalls(), Calls{"activate"});

  // A window whose native window shows it again while it is being made.
  struct TShowAgain : TFakePlatformWindow {
    using TFakePlatformWindow::TFakePlatformWindow;
    void CreateNative() override {
      TFakePlatformWindow::CreateNative();
      Form->Show();
    }
    TFormBase* Form = nullptr;
  };
  TFormBase nested;
  TShowAgain nestedWindow(nested);
  nestedWindow.Form = &nested;
  nested.Show();
  EXPECT_EQ(nestedWindow.TakeCalls(),
            (Calls{"create", "frame Sizeable", "show normal", "activate"}));
}

TEST_F(FullScreen, MakingTheWindowActiveBringsItForwardOnlyWhileItIsShown) {
  form.SetActive(true);
  EXPECT_EQ(window.TakeCalls(), Calls{}) << "hidden: stays hidden";
  form.Show();
  window.TakeCalls();
  form.SetActive(true);
  EXPECT_EQ(window.TakeCalls(), Calls{"activate"});
  form.SetActive(false);
  EXPECT_EQ(window.TakeCalls(), Calls{});
}

TEST(FullScreenWhile, LoadingOrWithoutANativeWindowItIsOnlyRemembered) {
  TFormBase form;
  form.BeginLoading();
  form.SetFullScreen(true);
  form.EndLoading();
  EXPECT_TRUE(form.FullScreen());
  form.SetFullScreen(false);
  EXPECT_FALSE(form.FullScreen());
  form.SetFullScreen(true);
  EXPECT_TRUE(form.FullScreen());
  EXPECT_EQ(WindowService().FullScreenParams(form), nullptr);
}

TEST(FullScreenWhile, HiddenTheWindowIsShownFirstAndPlacedAsAtItsFirstShow) {
  TWindowUnderTest main(false);
  main.Form.SetFullScreen(true);
  EXPECT_EQ(main.Window->TakeCalls(),
            (Calls{"create", "frame Sizeable", "bounds 286,86 1348x868", "frame None",
                   "state maximized", "show maximized", "activate"}));
  EXPECT_TRUE(main.Form.FullScreen());
  EXPECT_EQ(main.Params().Position, (TIntPoint{286, 86}));
}

// A first entry made maximised or minimised records no bounds: leaving gives the window its
// frame and recorded state back and leaves the bounds it returns to as they were.
TEST(FullScreenFirstEntered, MaximisedOrMinimisedLeavesToThatStateWithItsFrame) {
  for (TWindowState state : {wsMaximized, wsMinimized}) {
    SCOPED_TRACE(testing::StateName(state));
    TWindowUnderTest main(false);
    TFormBase& form = main.Form;
    form.Show();
    form.SetWindowState(state);
    form.SetFullScreen(true);
    EXPECT_EQ(main.Params(), (TFullScreenParams{TFormBorderStyle::Sizeable, state, {}, {}}));
    EXPECT_EQ(form.Bounds(), Screen);
    EXPECT_EQ(form.WindowState(), wsMaximized);
    main.Window->TakeCalls();
    form.SetFullScreen(false);
    EXPECT_EQ(main.Window->TakeCalls(),
              (Calls{"frame Sizeable", "state " + testing::StateName(state)}));
    EXPECT_FALSE(form.FullScreen());
    EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::Sizeable);
    EXPECT_EQ(form.WindowState(), state);
    EXPECT_EQ(main.Window->Normal, Centred);
    form.SetWindowState(wsNormal);
    EXPECT_EQ(form.Bounds(), Centred);
  }
}

TEST(ScreenRemoved, TheWindowCoversOrStaysInsideTheScreenItIsOnNow) {
  // The remaining screen lies left of where the removed one was.
  constexpr TWindowBounds Left{-1280, 0, 1280, 1024}, LeftWork{-1280, 0, 1280, 984};
  struct TCase {
    const char* Name;
    bool FullScreen;
    TWindowState State;
    TWindowBounds Normal, Expected;
  } cases[] = {
      {"full screen", true, wsNormal, Centred, Left},
      {"maximised", false, wsMaximized, Centred, LeftWork},
      {"normal, off the screen", false, wsNormal, {286, 86, 1000, 700}, {-1000, 86, 1000, 700}},
      {"normal, larger", false, wsNormal, {286, 86, 1348, 868}, {-1280, 86, 1348, 868}},
      {"normal, inside", false, wsNormal, {-900, 10, 500, 400}, {-900, 10, 500, 400}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TWindowUnderTest main(false);
    TFormBase& form = main.Form;
    form.Show();
    form.SetBounds(c.Normal);
    form.SetWindowState(c.State);
    form.SetFullScreen(c.FullScreen);
    main.Window->Screen = Left;
    main.Window->Work = LeftWork;
    WindowService().ScreenRemoved(form);
    EXPECT_EQ(form.Bounds(), c.Expected);
    EXPECT_EQ(form.FullScreen(), c.FullScreen);
  }
}

TEST(WindowService, ForgetsAFreedForm) {
  auto main = std::make_unique<TWindowUnderTest>(true);
  main->Form.Show();
  EXPECT_EQ(WindowService().MainForm(), &main->Form);
  main.reset();
  EXPECT_EQ(WindowService().MainForm(), nullptr);
}

}  // namespace
}  // namespace ui
