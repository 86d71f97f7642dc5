// The main window's context menu: its seven items and their starting marks, each handler's
// effect, and the menu opened by a right click or from the keyboard with a chosen item acting
// once its timer has fired.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "gestures/GestureFakes.h"
#include "support/RecordingMenuPresenter.h"

namespace app {
namespace {

using Lines = std::vector<std::string>;

struct Menu : testing::TMainWindowFixture {
  ui::testing::TRecordingMenuPresenter Presenter;
  ui::testing::TManualTimers Timers;
  scene::TServiceInstallation<ui::IMenuPresenter> Menus{Presenter};
  scene::TServiceInstallation<ui::IOneShotTimerSource> MenuTimers{Timers};

  // The planet's spin and every orbit: the angles they have turned the bodies to.
  std::vector<float> Angles() const {
    std::vector<float> angles;
    for (const TOrbitAnimation* animation : form->FloatAnimations)
      angles.push_back(
          static_cast<const scene::TControl3D*>(animation->Parent())->RotationAngle().Y());
    return angles;
  }
  bool AllRunning(bool running) const {
    for (const TOrbitAnimation* animation : form->FloatAnimations)
      if (animation->Running() != running) return false;
    return true;
  }
};

TEST_F(Menu, HoldsSevenItemsInOrderWithTheirStartingMarks) {
  Lines names;
  for (const ui::TMenuItem* item : form->PopupMenu1->Items()) {
    names.push_back(item->Name());
    EXPECT_FALSE(item->AutoCheck()) << item->Name();
    EXPECT_TRUE(item->Visible()) << item->Name();
    EXPECT_TRUE(item->OnClick) << item->Name();
  }
  EXPECT_EQ(names, (Lines{"MenuItem1", "MenuItem2", "MenuItem3", "MenuItem5", "MenuItem7",
                          "MenuItem6", "MenuItem4"}));
  EXPECT_EQ(form->PopupMenu1->Items(),
            (std::vector<ui::TMenuItem*>{form->MenuItem1, form->MenuItem2, form->MenuItem3,
                                         form->MenuItem5, form->MenuItem7, form->MenuItem6,
                                         form->MenuItem4}));
  // As a right click on empty space shows it, at the pointer.
  EXPECT_TRUE(form->ContextMenuRequest({1200, 150}, form->ClientToScreen({1200, 150})));
  ASSERT_EQ(Presenter.Shown.size(), 1u);
  EXPECT_EQ(Presenter.Shown[0].At, (ui::TScreenPoint{2200, 650}));
  EXPECT_EQ(Presenter.LastLines(),
            (Lines{"[x] Auto-rotate", "[x] Show names", "[ ] Show info", "[x] Full screen",
                   "[ ] Screenshot", "[ ] About", "[ ] Exit"}));
}

TEST_F(Menu, EachMarkedItemInvertsItsMarkAndFollowsIt) {
  const struct {
    ui::TMenuItem* item;
    std::function<void()> click;
    std::function<bool()> state;
  } rows[] = {
      {form->MenuItem1, [&] { form->MenuItem1Click(*form->MenuItem1); },
       [&] { return AllRunning(true); }},
      {form->MenuItem2, [&] { form->MenuItem2Click(*form->MenuItem2); },
       [&] { return form->Label1->Visible(); }},
      {form->MenuItem3, [&] { form->MenuItem3Click(*form->MenuItem3); },
       [&] {
         EXPECT_EQ(form->Text1->Visible(), form->Text2->Visible());
         return form->Text1->Visible();
       }},
      {form->MenuItem5, [&] { form->MenuItem5Click(*form->MenuItem5); },
       [&] { return form->FullScreen(); }},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.state(), row.item->IsChecked()) << row.item->Name() << " at start";
    for (int i = 0; i < 2; ++i) {
      const bool before = row.item->IsChecked();
      row.click();
      EXPECT_EQ(row.item->IsChecked(), !before) << row.item->Name();
      EXPECT_EQ(row.state(), row.item->IsChecked()) << row.item->Name();
    }
  }
}

TEST_F(Menu, AutoRotateStopsTheBodiesWhereTheyStandAndResumesFromThere) {
  ASSERT_TRUE(AllRunning(true));
  Clock.Platform.Tick(0.1);
  Clock.Platform.Tick(1);
  const std::vector<float> turning = Angles();
  form->MenuItem1Click(*form->MenuItem1);
  EXPECT_TRUE(AllRunning(false));
  EXPECT_EQ(Angles(), turning) << "stopped where they stood";
  Clock.Platform.Tick(5);
  EXPECT_EQ(Angles(), turning);
  form->MenuItem1Click(*form->MenuItem1);
  EXPECT_TRUE(AllRunning(true));
  EXPECT_EQ(Angles(), turning) << "no jump on resuming";
  Clock.Platform.Tick(0.5);
  const std::vector<float> resumed = Angles();
  // The planet turns once in 30 s: 6 degrees in half a second, less for the moons.
  EXPECT_NEAR(resumed[0], turning[0] - 6, 0.5f);
  for (size_t i = 1; i < resumed.size(); ++i) {
    EXPECT_LT(resumed[i], turning[i]) << i;
    EXPECT_GT(resumed[i], turning[i] - 3) << i;
  }
}

TEST_F(Menu, AboutShowsTheAboutWindowAndExitEndsTheLoop) {
  const size_t shownAtStart = Platform.Shown.size();

  form->MenuItem6Click(*form->MenuItem6);
  ASSERT_EQ(Platform.Shown.size(), shownAtStart + 1);
  EXPECT_EQ(Platform.Shown.back(), Form1);
  EXPECT_FALSE(form->MenuItem6->IsChecked());
  EXPECT_FALSE(Application->Terminated());

  form->MenuItem4Click(*form->MenuItem4);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(Platform.Quits, 1);
}

TEST_F(Menu, AChosenItemActsOnlyWhenItsTimerFires) {
  // "Show info", then "Show names", each chosen from the menu opened on a body.
  const ui::TPointF body = OnABody();
  form->MouseMove(0, body.X, body.Y);
  for (size_t choice : {2u, 1u}) {
    Presenter.Choice = choice;
    form->MouseDown(scene::mbRight, 0, body.X, body.Y);
    EXPECT_FALSE(form->Text1->Visible());
    EXPECT_TRUE(form->Label1->Visible());
  }
  EXPECT_EQ(Timers.Started, (std::vector<int>{40, 40}));
  EXPECT_EQ(form->PopupMenu1->PopupComponent(), form->Sphere5);
  Timers.FireAll();
  // The second choice replaced the first while it waited.
  EXPECT_FALSE(form->Text1->Visible());
  EXPECT_FALSE(form->Label1->Visible());
  EXPECT_FALSE(form->MenuItem2->IsChecked());

  Presenter.Choice = 2;
  form->MouseDown(scene::mbRight, 0, body.X, body.Y);
  Timers.FireAll();
  EXPECT_TRUE(form->Text1->Visible());
  EXPECT_TRUE(form->Text2->Visible());
  EXPECT_TRUE(form->MenuItem3->IsChecked());
  EXPECT_EQ(Presenter.LastLines()[1], "[ ] Show names");
}

TEST_F(Menu, ShiftF10AndTheMenuKeyOpenTheMenuAtTheViewsCentre) {
  const struct {
    ui::TKeyCode key;
    scene::TShiftState shift;
  } keys[] = {{ui::vkF10, scene::ssShift}, {ui::vkApps, 0}};
  for (auto [key, shift] : keys) {
    Presenter.Shown.clear();
    form->KeyDown(key, 0, shift);
    ASSERT_EQ(Presenter.Shown.size(), 1u) << key;
    // The view's centre (666, 414.5) at (1000, 500) on the screen, halves to even.
    EXPECT_EQ(Presenter.Shown[0].At, (ui::TScreenPoint{1666, 914})) << key;
    EXPECT_EQ(form->PopupMenu1->PopupComponent(), form->Viewport3D1) << key;
  }
}

}  // namespace
}  // namespace app
