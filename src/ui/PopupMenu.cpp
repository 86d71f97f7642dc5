#include "ui/PopupMenu.h"

#include "ui/Viewport3D.h"

namespace ui {

void TPopupMenu::SetPopupComponent(scene::TSceneNode* component) {
  if (component == FPopupComponent) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeObserver(this);
  FPopupComponent = component;
  if (FPopupComponent) FPopupComponent->AddFreeObserver(this);
}

void TPopupMenu::Popup(int x, int y) {
  FPopupPoint = {static_cast<float>(x), static_cast<float>(y)};
  if (OnPopup) OnPopup(*this, x, y);
}

void TPopupMenu::PopupFor(scene::TSceneNode& component, TPointF screenPoint) {
  SetPopupComponent(&component);
  Popup(RoundHalfEven(screenPoint.X), RoundHalfEven(screenPoint.Y));
}

void TPopupMenu::ObservedFreed(scene::TSceneNode* dying) {
  if (dying == FPopupComponent) FPopupComponent = nullptr;
}

}  // namespace ui
