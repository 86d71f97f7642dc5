#include "ui/Control.h"

#include <exception>

#include "ui/ErrorReport.h"
#include "ui/Form.h"

namespace ui {

void TControl::SetPosition(TPointF p) {
  if (p == FPosition) return;
  Repaint();
  FPosition = p;
  Repaint();
}

void TControl::SetSize(float width, float height) {
  if (width == FWidth && height == FHeight) return;
  Repaint();
  FWidth = width;
  FHeight = height;
  Resized();
  ArrangeChildren();
  Repaint();
}

void TControl::SetBounds(float x, float y, float width, float height) {
  SetPosition({x, y});
  SetSize(width, height);
}

void TControl::SetAlign(TControlAlign align) {
  if (align == FAlign) return;
  FAlign = align;
  if (TControl* parent = ParentControl())
    parent->ArrangeChildren();
  else if (TFormBase* form = Form())
    form->ClientResized(form->ClientAreaWidth(), form->ClientAreaHeight());
}

void TControl::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  if (FVisible)
    Repaint();
  else if (TFormBase* form = Form())
    form->Invalidate(AbsoluteRect());
}

void TControl::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  Repaint();
}

void TControl::SetOpacity(float v) {
  if (v == FOpacity) return;
  FOpacity = v;
  Repaint();
}

float TControl::AbsoluteOpacity() const {
  const TControl* parent = ParentControl();
  return parent ? FOpacity * parent->AbsoluteOpacity() : FOpacity;
}

TControl* TControl::ParentControl() const {
  return dynamic_cast<TControl*>(Parent());
}

TFormBase* TControl::Form() const {
  for (scene::TSceneNode* o = Parent(); o; o = o->Parent())
    if (auto* form = dynamic_cast<TFormBase*>(o)) return form;
  return nullptr;
}

TWindowRect TControl::AbsoluteRect() const {
  float x = FPosition.X, y = FPosition.Y;
  for (const TControl* p = ParentControl(); p; p = p->ParentControl()) {
    x += p->FPosition.X;
    y += p->FPosition.Y;
  }
  return {x, y, x + FWidth, y + FHeight};
}

void TControl::PaintTree(IPainter& painter) {
  if (!FVisible) return;
  PrepareToPaint();
  Paint(painter);
  for (scene::TSceneNode* child : Children())
    if (auto* c = dynamic_cast<TControl*>(child)) c->PaintTree(painter);
}

void TControl::Repaint() {
  if (!FVisible || IsDestroying()) return;
  if (TFormBase* form = Form()) form->Invalidate(AbsoluteRect());
}

void AlignControls(scene::TSceneNode& owner, float width, float height) {
  float top = 0;
  for (scene::TSceneNode* child : owner.Children()) {
    auto* c = dynamic_cast<TControl*>(child);
    if (!c || !c->Visible()) continue;
    switch (c->Align()) {
      case TControlAlign::None:
        break;
      case TControlAlign::Top:
        c->SetBounds(0, top, width, c->Height());
        top += c->Height();
        break;
      case TControlAlign::Client:
      case TControlAlign::Contents:
        c->SetBounds(0, 0, width, height);
        break;
    }
  }
}

void TControl::ArrangeChildren() {
  AlignControls(*this, FWidth, FHeight);
}

void TControl::ChildAdded(scene::TSceneNode* child) {
  if (dynamic_cast<TControl*>(child)) ArrangeChildren();
}

TControl* TControl::FindGestureTarget(TInteractiveGesture gesture) {
  for (TControl* c = this; c; c = c->ParentControl())
    if (c->FTouch.InteractiveGestures().Contains(gesture)) return c;
  return nullptr;
}

void TControl::DeliverGesture(const TGestureEventInfo& eventInfo) {
  bool handled = false;
  if (OnGesture) {
    try {
      OnGesture(*this, eventInfo, handled);
    } catch (...) {
      ReportHandlerError(std::current_exception());
      handled = false;
    }
  }
  if (!handled) HandleGesture(eventInfo, handled);
  if (handled || eventInfo.GestureID == 0) return;
  if (TControl* parent = ParentControl()) parent->DeliverGesture(eventInfo);
}

}  // namespace ui
