// Context menus: what Popup shows and when, that a chosen item's click waits for its timer
// until after the menu has closed, one menu at a time, and Shift+F10 and the menu key.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gestures/GestureFakes.h"
#include "support/FakeWindowHost.h"
#include "support/RecordingMenuPresenter.h"
#include "ui/menu/PopupMenu.h"
#include "ui/style/TextControls.h"
#include "ui/view3d/Viewport3D.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

using Lines = std::vector<std::string>;
using scene::ssAlt;
using scene::ssCtrl;
using scene::ssShift;

// A menu with the items "One" (checked), "Two" (hidden), "Three" and "Four" (AutoCheck), on
// the recording presenter and hand-fired timers. Clicks and OnPopup write to `log`.
struct Menus : ::testing::Test {
  testing::TRecordingMenuPresenter presenter;
  testing::TManualTimers timers;
  scene::TServiceInstallation<IMenuPresenter> presenterInstallation{presenter};
  scene::TServiceInstallation<IOneShotTimerSource> timersInstallation{timers};
  std::unique_ptr<TPopupMenu> menu = std::make_unique<TPopupMenu>();
  TMenuItem *one = nullptr, *two = nullptr, *three = nullptr, *four = nullptr;
  Lines log;

  Menus() {
    menu->OnPopup = [this](TPopupMenu&, int x, int y) {
      log.push_back("popup " + std::to_string(x) + "," + std::to_string(y));
    };
    TMenuItem** items[] = {&one, &two, &three, &four};
    const char* texts[] = {"One", "Two", "Three", "Four"};
    for (int i = 0; i < 4; ++i) {
      auto* item = new TMenuItem;
      item->SetText(texts[i]);
      item->OnClick = [this](scene::TSceneNode& sender) {
        auto& item = static_cast<TMenuItem&>(sender);
        log.push_back(item.Text() + " click, checked " + (item.IsChecked() ? "yes" : "no") +
                      (TPopupMenu::IsAnyMenuOpen() ? ", menu open" : ""));
      };
      menu->AddChild(item);
      *items[i] = item;
    }
    one->SetIsChecked(true);
    two->SetVisible(false);
    four->SetAutoCheck(true);
  }
};

TEST_F(Menus, ItemsStartUncheckedVisibleAndWithoutAutoCheck) {
  const TMenuItem item;
  EXPECT_EQ(item.Text(), "");
  EXPECT_FALSE(item.IsChecked());
  EXPECT_TRUE(item.Visible());
  EXPECT_FALSE(item.AutoCheck());
  EXPECT_EQ(menu->Items(), (std::vector<TMenuItem*>{one, two, three, four}));
}

TEST_F(Menus, PopupShowsTheVisibleItemsInOrderWithTheirMarksAtThePoint) {
  menu->Popup(1500, 150);
  ASSERT_EQ(presenter.Shown.size(), 1u);
  EXPECT_EQ(presenter.Shown[0].At, (TScreenPoint{1500, 150}));
  EXPECT_EQ(presenter.LastLines(), (Lines{"[x] One", "[ ] Three", "[ ] Four"}));
  EXPECT_EQ(menu->PopupPoint(), (TPointF{1500, 150}));
  EXPECT_EQ(log, Lines{"popup 1500,150"});
  EXPECT_FALSE(TPopupMenu::IsAnyMenuOpen());
  // Dismissed: nothing is queued.
  EXPECT_EQ(timers.Running(), 0);
}

TEST_F(Menus, WithoutAVisibleItemOnlyThePopupEventIsRaised) {
  menu->Popup(10, 20);
  presenter.Shown.clear();
  log.clear();
  const struct {
    const char* name;
    std::function<void()> arrange;
  } cases[] = {
      {"every item hidden",
       [&] {
         for (TMenuItem* item : {one, three, four})
           item->SetVisible(false);
       }},
      {"no items", [&] { menu = std::make_unique<TPopupMenu>(); }},
      {"only other children", [&] { menu->AddChild(new scene::TSceneNode); }},
  };
  for (const auto& c : cases) {
    c.arrange();
    menu->OnPopup = [this](TPopupMenu&, int x, int y) {
      log.push_back("popup " + std::to_string(x) + "," + std::to_string(y));
    };
    menu->Popup(700, 800);
    EXPECT_EQ(log, Lines{"popup 700,800"}) << c.name;
    EXPECT_TRUE(presenter.Shown.empty()) << c.name;
    EXPECT_NE(menu->PopupPoint(), (TPointF{700, 800})) << c.name << ": the point is not kept";
    log.clear();
  }
}

TEST_F(Menus, AChosenItemClicksFromA40MsTimerAfterTheMenuHasClosed) {
  const struct {
    const char* name;
    std::size_t choice;
    const char* clicked;
  } cases[] = {
      {"a checked item", 0, "One click, checked yes"},
      {"an unchecked item behind a hidden one", 1, "Three click, checked no"},
      {"AutoCheck inverts the mark before OnClick", 2, "Four click, checked yes"},
      {"and back again", 2, "Four click, checked no"},
  };
  for (const auto& c : cases) {
    presenter.Choice = c.choice;
    // While the menu is open the presenter's loop may fire timers: none is running yet.
    presenter.WhileOpen = [&] { timers.FireAll(); };
    menu->Popup(5, 5);
    EXPECT_EQ(log, Lines{"popup 5,5"}) << c.name << ": nothing runs inside Popup";
    ASSERT_EQ(timers.Started, std::vector<int>{40}) << c.name;
    EXPECT_NE(menu->QueuedItem(), nullptr) << c.name;
    timers.FireAll();
    EXPECT_EQ(log, (Lines{"popup 5,5", c.clicked})) << c.name;
    EXPECT_EQ(menu->QueuedItem(), nullptr) << c.name;
    log.clear();
    timers.Started.clear();
  }
}

TEST_F(Menus, ASecondMenuWhileOneIsOpenIsRefused) {
  TPopupMenu other;
  auto* item = new TMenuItem;
  other.AddChild(item);
  bool otherPopup = false;
  other.OnPopup = [&](TPopupMenu&, int, int) { otherPopup = true; };
  TControl component;
  presenter.WhileOpen = [&] {
    EXPECT_TRUE(TPopupMenu::IsAnyMenuOpen());
    other.Popup(1, 2);
    other.PopupFor(component, {3, 4});
    menu->Popup(5, 6);
  };
  presenter.Choice = 0;
  menu->Popup(100, 200);
  EXPECT_EQ(presenter.Shown.size(), 1u);
  EXPECT_FALSE(otherPopup);
  EXPECT_EQ(other.PopupComponent(), nullptr);
  EXPECT_EQ(log, Lines{"popup 100,200"});
  EXPECT_EQ(menu->PopupPoint(), (TPointF{100, 200}));
  // Once it has closed, the other opens.
  presenter.WhileOpen = nullptr;
  other.Popup(1, 2);
  EXPECT_TRUE(otherPopup);
  EXPECT_EQ(presenter.Shown.size(), 2u);
  EXPECT_EQ(presenter.Shown[1].At, (TScreenPoint{1, 2}));
}

TEST_F(Menus, AnItemOrMenuFreedBeforeTheTimerClicksNothing) {
  presenter.Choice = 1;  // "Three"
  menu->Popup(0, 0);
  delete three;
  EXPECT_EQ(timers.Running(), 0) << "the timer went with the item";
  timers.FireAll();
  // Freed while the menu is open: the choice is dropped.
  presenter.WhileOpen = [&] { delete four; };
  presenter.Choice = 1;  // what was "Four"
  menu->Popup(0, 0);
  EXPECT_EQ(timers.Running(), 0);
  // The menu freed with a click waiting.
  presenter.WhileOpen = nullptr;
  presenter.Choice = 0;
  menu->Popup(0, 0);
  EXPECT_EQ(timers.Running(), 1);
  menu.reset();
  EXPECT_EQ(timers.Running(), 0);
  EXPECT_EQ(log, (Lines{"popup 0,0", "popup 0,0", "popup 0,0"}));
}

TEST(MenusWithoutAPresenter, PopupRaisesTheEventAndShowsNothing) {
  TPopupMenu menu;
  menu.AddChild(new TMenuItem);
  int popups = 0;
  menu.OnPopup = [&](TPopupMenu&, int, int) { ++popups; };
  menu.Popup(3, 4);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(menu.PopupPoint(), (TPointF{3, 4}));
  EXPECT_FALSE(TPopupMenu::IsAnyMenuOpen());
}

// A window of 400 x 300 at (1000, 500) on the screen, filled by a 3D view with the window's
// menu, with a button that has a menu of its own (10, 10, 80 x 26) and one that has none
// (10, 50). Opened menus and the window's keys are written to `log`.
struct KeyboardMenus : ::testing::Test {
  testing::TFakeHost host;
  TFormBase form;
  TViewport3D* view = new TViewport3D;
  TButton* withMenu = new TButton;
  TButton* withoutMenu = new TButton;
  TPopupMenu* windowMenu = new TPopupMenu;
  TPopupMenu* buttonMenu = new TPopupMenu;
  Lines log;

  KeyboardMenus() {
    form.SetHost(&host);
    form.AddChild(view);
    view->SetName("view");
    view->SetAlign(TControlAlign::Client);
    form.ClientResized(400, 300);
    for (auto [button, name, y] : {std::tuple{withMenu, "with menu", 10.0f},
                                   std::tuple{withoutMenu, "without menu", 50.0f}}) {
      form.AddChild(button);
      button->SetName(name);
      button->SetBounds(10, y, 80, 26);
    }
    for (auto [menu, name] : {std::pair{windowMenu, "window menu"}, {buttonMenu, "button menu"}}) {
      form.AddChild(menu);
      menu->SetName(name);
      menu->OnPopup = [this](TPopupMenu& m, int x, int y) {
        log.push_back(m.Name() + " for " + m.PopupComponent()->Name() + " at " + std::to_string(x) +
                      "," + std::to_string(y));
      };
    }
    view->SetPopupMenu(windowMenu);
    withMenu->SetPopupMenu(buttonMenu);
    form.OnKeyDown = [this](scene::TSceneNode&, TKeyCode& key, char32_t&, TShiftState shift) {
      log.push_back("window key " + std::to_string(key) + " shift " + std::to_string(shift));
    };
  }
  void Focus(TControl* control) {
    form.Pointer().SetFocus(control);
    ASSERT_EQ(form.Pointer().Focused(), control);
  }
};

TEST_F(KeyboardMenus, ShiftF10AndTheMenuKeyOpenTheFocusedControlsMenuOrTheWindowsAtTheCentre) {
  // The view's centre (200, 150) and the first button's (50, 23), on the screen.
  const std::string atTheView = "window menu for view at 1200,650";
  const std::string atTheButton = "button menu for with menu at 1050,523";
  const struct {
    const char* name;
    TButton* focused;
    TKeyCode key;
    TShiftState shift;
    std::string expected;
  } cases[] = {
      {"Shift+F10, nothing focused", nullptr, vkF10, ssShift, atTheView},
      {"menu key, nothing focused", nullptr, vkApps, 0, atTheView},
      {"Shift+menu key", nullptr, vkApps, ssShift, atTheView},
      {"Shift+F10 on a button with a menu", withMenu, vkF10, ssShift, atTheButton},
      {"menu key on a button with a menu", withMenu, vkApps, 0, atTheButton},
      {"Shift+F10 on a button without one", withoutMenu, vkF10, ssShift, atTheView},
      {"F10 alone", nullptr, vkF10, 0, "window key 121 shift 0"},
      {"Ctrl+Shift+F10", nullptr, vkF10, ssShift | ssCtrl, "window key 121 shift 5"},
      {"Alt+menu key", withMenu, vkApps, ssAlt, "window key 93 shift 2"},
  };
  for (const auto& c : cases) {
    if (c.focused) Focus(c.focused);
    form.KeyDown(c.key, 0, c.shift);
    EXPECT_EQ(log, Lines{c.expected}) << c.name;
    log.clear();
  }
}

TEST_F(KeyboardMenus, HiddenControlsAreSkipped) {
  Focus(withMenu);
  withMenu->SetVisible(false);
  view->SetVisible(false);
  // Neither the hidden focused button nor the hidden view: nothing else has a menu.
  form.KeyDown(vkApps, 0, 0);
  EXPECT_EQ(log, Lines{"window key 93 shift 0"});
  log.clear();
  // A menu on a control inside a shown one is found too.
  auto* panel = new TControl;
  form.AddChild(panel);
  panel->SetBounds(100, 100, 200, 100);
  auto* inner = new TControl;
  inner->SetName("inner");
  panel->AddChild(inner);
  inner->SetBounds(10, 10, 20, 40);
  inner->SetPopupMenu(windowMenu);
  form.KeyDown(vkApps, 0, 0);
  EXPECT_EQ(log, Lines{"window menu for inner at 1120,630"});
}

}  // namespace
}  // namespace ui
