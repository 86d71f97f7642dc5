// How a 2D control answers the pointer: hit testing and the steps of each event.
#include "ui/menu/PopupMenu.h"
#include "ui/window/Control.h"
#include "ui/window/Form.h"

namespace ui {

TPointF TControl::ClientToLocal(TPointF point) const {
  const TWindowRect r = AbsoluteRect();
  return {point.X - r.Left, point.Y - r.Top};
}

bool TControl::ContainsPoint(TPointF point) const {
  const TWindowRect r = AbsoluteRect();
  return point.X >= r.Left && point.X <= r.Right && point.Y >= r.Top && point.Y <= r.Bottom;
}

scene::TSceneNode* TControl::ObjectAtPoint(TPointF point) {
  if (!FVisible || !FEnabled || FLocked) return nullptr;
  const auto& children = Children();
  for (auto i = children.size(); i-- > 0;) {
    auto* child = dynamic_cast<TControl*>(children[i]);
    if (!child || !child->Visible()) continue;
    if (scene::TSceneNode* found = child->ObjectAtPoint(point)) return found;
  }
  return FHitTest && ContainsPoint(point) ? this : nullptr;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == FPopupMenu) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeObserver(this);
  FPopupMenu = menu;
  if (FPopupMenu) FPopupMenu->AddFreeObserver(this);
}

void TControl::ObservedFreed(scene::TSceneNode* dying) {
  if (dying == FPopupMenu) FPopupMenu = nullptr;
}

scene::TPointerEvent TControl::PointerEventAt(float clientX, float clientY) {
  const TPointF local = ClientToLocal({clientX, clientY});
  scene::TPointerEvent e;
  e.X = local.X;
  e.Y = local.Y;
  return e;
}

void TControl::FocusChanged(bool focused) {
  Repaint();
  if (focused) AccessibleChanged(TAccessibleChange::Focus);
}

bool TControl::OpenContextMenuAtCentre() {
  TFormBase* form = Form();
  if (!form) return false;
  const TWindowRect r = AbsoluteRect();
  return RequestContextMenu(form->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
  if (shift & scene::ssDouble) {
    if (OnDblClick) OnDblClick(*this);
    FDoubleClick = true;
  } else if (button == scene::mbLeft) {
    FPressed = true;
    PointerStateChanged();
  }
}

void TControl::SetMouseOver(bool v) {
  if (v == FIsMouseOver) return;
  FIsMouseOver = v;
  PointerStateChanged();
}

void TControl::MouseMove(TShiftState shift, float x, float y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
  const bool wasPressed = FPressed;
  FPressed = false;
  FDoubleClick = false;
  if (wasPressed) PointerStateChanged();
}

void TControl::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  if (OnMouseWheel) OnMouseWheel(*this, shift, wheelDelta, handled);
}

void TControl::ReleaseClick(float x, float y) {
  if (!FEnabled || !FPressed || FDoubleClick) return;
  if (!(x >= 0 && x <= FWidth && y >= 0 && y <= FHeight)) return;
  FPressed = false;
  Click();
}

void TControl::Click() {
  if (OnClick) OnClick(*this);
}

bool TControl::RequestContextMenu(TPointF screenPoint) {
  if (!FPopupMenu) return false;
  FPopupMenu->PopupFor(*this, screenPoint);
  return true;
}

}  // namespace ui
