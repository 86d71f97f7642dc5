// A window's context menu as the controls see it: a control with a PopupMenu opens it at the
// pointer on a right press.
//
// Popup records the control that asked (PopupComponent) and the screen point, then hands the
// request to OnPopup, which shows the menu and returns when it has closed; without one the
// request is only recorded.
#pragma once

#include <functional>

#include "scene/tree/SceneNode.h"
#include "ui/PointF.h"

namespace ui {

class TPopupMenu : public scene::TSceneNode {
 public:
  // The control that asked for the menu last, or null (forgotten when it is freed).
  scene::TSceneNode* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(scene::TSceneNode* component);
  // The screen point (pixels) the menu was last opened at.
  TPointF PopupPoint() const { return FPopupPoint; }

  void Popup(int x, int y);
  // Opens the menu for `component` at a screen point, rounded to whole pixels (halves to even).
  void PopupFor(scene::TSceneNode& component, TPointF screenPoint);
  std::function<void(TPopupMenu& menu, int x, int y)> OnPopup;

 protected:
  void ObservedFreed(scene::TSceneNode* dying) override;

 private:
  scene::TSceneNode* FPopupComponent = nullptr;
  TPointF FPopupPoint;
};

}  // namespace ui
