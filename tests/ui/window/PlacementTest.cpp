// Where a window is put at its first show: centred in its screen's work area or over the main
// window, rounding halves to even after the offset is added, and kept where its caption can
// be reached on a screen smaller than the window.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "support/FakePlatformWindow.h"
#include "ui/window/Form.h"
#include "ui/window/WindowService.h"

namespace ui {
namespace {

TEST(CentredBounds, RoundsHalvesToEvenAndKeepsTheCaptionOnTheWorkArea) {
  struct TCase {
    const char* Name;
    TWindowBounds Window, Over, Work;
    TIntPoint Expected;
  } cases[] = {
      // (1920 - 1332) / 2 = 294, (1080 - 829) / 2 = 125.5.
      {"main window, no frame",
       {0, 0, 1332, 829},
       {0, 0, 1920, 1080},
       {0, 0, 1920, 1080},
       {294, 126}},
      {"293.5 up", {0, 0, 1333, 100}, {0, 0, 1920, 1080}, {0, 0, 1920, 1080}, {294, 490}},
      {"292.5 down", {0, 0, 1335, 101}, {0, 0, 1920, 1080}, {0, 0, 1920, 1080}, {292, 490}},
      // 299.5 + 101 = 400.5 and 199.5 + 50 = 249.5: rounded after adding the offset.
      {"work area with an offset",
       {7, 7, 401, 301},
       {101, 50, 1000, 700},
       {101, 50, 1000, 700},
       {400, 250}},
      {"screen left of the primary",
       {0, 0, 641, 300},
       {-1280, 0, 1280, 1024},
       {-1280, 0, 1280, 1024},
       {-960, 362}},
      {"screen smaller than the window",
       {50, 50, 1348, 868},
       {0, 0, 320, 200},
       {0, 0, 320, 200},
       {0, 0}},
      {"smaller screen with an offset",
       {0, 0, 1348, 868},
       {10, 20, 320, 200},
       {10, 20, 320, 200},
       {10, 20}},
      // (800 - 400) / 2 + 100, (600 - 300) / 2 + 100
      {"over the main window",
       {0, 0, 400, 300},
       {100, 100, 800, 600},
       {0, 0, 1920, 1040},
       {300, 250}},
      {"over a main window off the right edge",
       {0, 0, 400, 300},
       {1500, -200, 800, 600},
       {0, 0, 1920, 1040},
       {1520, 0}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TWindowBounds placed = CentredBounds(c.Window, c.Over, c.Work);
    EXPECT_EQ((TIntPoint{placed.Left, placed.Top}), c.Expected);
    EXPECT_EQ(placed.Width, c.Window.Width);
    EXPECT_EQ(placed.Height, c.Window.Height);
  }
}

// The About window: client 515 x 265 in a single frame (521 x 294 outside), shown after the
// main window, which stands normal at (100, 100), 1348 x 868.
TEST(Placement, EachWayOfPlacingAtTheFirstShow) {
  struct TCase {
    const char* Name;
    TWindowPlacement Placement;
    bool HasMain, IsMain;
    TIntPoint Expected;
  } cases[] = {
      // (1348 - 521) / 2 + 100 = 513.5, (868 - 294) / 2 + 100 = 387
      {"over the main window", TWindowPlacement::MainFormCenter, true, false, {514, 387}},
      // (1920 - 521) / 2 = 699.5, (1040 - 294) / 2 = 373
      {"no main window: the screen", TWindowPlacement::MainFormCenter, false, false, {700, 373}},
      {"the main window itself: the screen",
       TWindowPlacement::MainFormCenter,
       true,
       true,
       {700, 373}},
      {"screen centre", TWindowPlacement::ScreenCenter, true, false, {700, 373}},
      {"stored", TWindowPlacement::Stored, true, false, {30, 40}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFormBase main;
    main.SetBounds({100, 100, 1332, 829});
    std::optional<testing::TFakePlatformWindow> mainWindow;
    if (c.HasMain) mainWindow.emplace(main);
    TFormBase about;
    about.SetBounds({30, 40, 515, 265});
    about.SetBorderStyle(TFormBorderStyle::Single);
    about.SetPlacement(c.Placement);
    auto aboutWindow = std::make_unique<testing::TFakePlatformWindow>(about);
    WindowService().SetMainForm(c.IsMain ? &about : c.HasMain ? &main : nullptr);
    about.Show();
    EXPECT_EQ((TIntPoint{about.Left(), about.Top()}), c.Expected);
    EXPECT_EQ(aboutWindow->Client(), (TIntSize{515, 265}));
    aboutWindow.reset();
  }
}

TEST(Placement, OnlyAtTheFirstShow) {
  TFormBase form;
  form.SetClientSize(400, 300);
  form.SetPlacement(TWindowPlacement::ScreenCenter);
  testing::TFakePlatformWindow window(form);
  WindowService().SetMainForm(&form);
  form.Show();
  const TWindowBounds moved{5, 6, 416, 339};
  form.SetBounds(moved);
  form.Hide();
  form.Show();
  EXPECT_EQ(form.Bounds(), moved);
}

}  // namespace
}  // namespace ui
