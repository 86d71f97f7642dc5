// A window's context menu: a control with a PopupMenu opens it at the pointer on a right press,
// and at its centre on Shift+F10 or the menu key (see TPointerRouting::KeyboardContextMenu).
//
// The menu's items are its TMenuItem children, shown in their order. Popup raises OnPopup,
// then hands the visible items to the installed menu presenter (ui/MenuPresenter.h), which
// shows them and returns once the menu has closed. A chosen item does not run at once: its
// click runs from a one-shot timer 40 ms after the menu has closed, so that its handler never
// runs inside the platform's menu loop and the menu is off the screen before it acts. Only one
// menu is open at a time in the process; a request while one is open opens nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scene/tree/SceneNode.h"
#include "ui/basics/PointF.h"
#include "ui/services/OneShotTimer.h"

namespace ui {

class TMenuItem : public scene::TSceneNode {
 public:
  const std::string& Text() const { return FText; }
  void SetText(std::string text) { FText = std::move(text); }
  // The check mark beside the text.
  bool IsChecked() const { return FIsChecked; }
  void SetIsChecked(bool v) { FIsChecked = v; }
  // When set, a click inverts IsChecked before OnClick runs.
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool v) { FAutoCheck = v; }
  // A hidden item is left out of the menu.
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }

  // The item was chosen: inverts IsChecked when AutoCheck is set, then raises OnClick.
  virtual void Click();
  std::function<void(scene::TSceneNode& sender)> OnClick;

 private:
  std::string FText;
  bool FIsChecked = false;
  bool FAutoCheck = false;
  bool FVisible = true;
};

class TPopupMenu : public scene::TSceneNode {
 public:
  // How long after the menu has closed a chosen item's click runs.
  static constexpr int ClickDelayMs = 40;

  ~TPopupMenu() override;

  // The items, in their order (children that are not items are left out).
  std::vector<TMenuItem*> Items() const;

  // The control that asked for the menu last, or null (forgotten when it is freed).
  scene::TSceneNode* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(scene::TSceneNode* component);
  // The screen point (whole units) the menu was last opened at.
  TPointF PopupPoint() const { return FPopupPoint; }

  // Opens the menu at a screen point and returns once it has closed: raises OnPopup; when an
  // item is visible, remembers the point and shows the visible items. A chosen item's click is
  // queued (ClickDelayMs). Does nothing while any menu is open.
  void Popup(int x, int y);
  // Opens the menu for `component` at a screen point, rounded to whole units (halves to even).
  void PopupFor(scene::TSceneNode& component, TPointF screenPoint);
  // Raised first by every Popup, before the menu shows.
  std::function<void(TPopupMenu& menu, int x, int y)> OnPopup;

  // True while some menu of the process is on the screen.
  static bool IsAnyMenuOpen();
  // The item whose click waits for its timer, or null.
  TMenuItem* QueuedItem() const { return FQueued; }

 protected:
  void ObservedFreed(scene::TSceneNode* dying) override;
  void ChildRemoved(scene::TSceneNode* child) override;

 private:
  void Queue(TMenuItem* item);
  void RunQueuedClick();

  scene::TSceneNode* FPopupComponent = nullptr;
  TPointF FPopupPoint;
  // The items on the screen while the menu is open (an entry is nulled when its item goes).
  std::vector<TMenuItem*> FShown;
  TMenuItem* FQueued = nullptr;
  std::unique_ptr<IOneShotTimer> FClickTimer;
  // Tells a Popup still inside the menu loop that the menu has been freed meanwhile.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace ui
