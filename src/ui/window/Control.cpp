#include "ui/window/Control.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "ui/services/ErrorReport.h"
#include "ui/window/Form.h"
#include "ui/window/ShadowEffect.h"
#include "ui/window/WindowHost.h"

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
  AccessibleChanged(TAccessibleChange::Visibility);
}

void TControl::AccessibleChanged(TAccessibleChange change) {
  if (IsLoading() || IsDestroying()) return;
  if (TFormBase* form = Form())
    if (IWindowHost* host = form->Host()) host->AccessibleChanged(*this, change);
}

void TControl::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  Repaint();
}

namespace {
float ClampUnit(float v) {
  if (std::isnan(v)) return 1;
  return std::clamp(v, 0.0f, 1.0f);
}
}  // namespace

void TControl::SetOpacity(float v) {
  v = ClampUnit(v);
  if (v == FOpacity) return;
  FOpacity = v;
  Repaint();
}

void TControl::SetDisabledOpacity(float v) {
  v = ClampUnit(v);
  if (v == FDisabledOpacity) return;
  FDisabledOpacity = v;
  if (!FEnabled) Repaint();
}

float TControl::AbsoluteOpacity() const {
  const float own = FEnabled ? FOpacity : FOpacity * FDisabledOpacity;
  const TControl* parent = ParentControl();
  return parent ? own * parent->AbsoluteOpacity() : own;
}

void TControl::SetMargins(const TMargins& m) {
  if (m == FMargins) return;
  FMargins = m;
  if (FAlign == TControlAlign::None) return;
  if (TControl* parent = ParentControl()) parent->ArrangeChildren();
}

bool TControl::IsShownAndEnabled() const {
  for (const TControl* c = this; c; c = c->ParentControl())
    if (!c->FVisible || !c->FEnabled) return false;
  return true;
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
  for (scene::TSceneNode* child : Children())
    if (auto* shadow = dynamic_cast<TShadowEffect*>(child); shadow && shadow->Enabled())
      painter.DrawShadow(shadow->ShadowOf(*this), [this](IPainter& p) { PaintContent(p); });
  PaintContent(painter);
}

void TControl::PaintContent(IPainter& painter) {
  Paint(painter);
  for (scene::TSceneNode* child : Children())
    if (auto* c = dynamic_cast<TControl*>(child)) c->PaintTree(painter);
  PaintOverChildren(painter);
}

std::unique_ptr<TBitmap> TControl::MakeScreenshot() {
  TFormBase* form = Form();
  IWindowHost* host = form ? form->Host() : nullptr;
  const float scale = form ? form->Scale() : 1.0f;
  scene::TTextureImage picture(RoundHalfEven(static_cast<double>(Width()) * scale),
                               RoundHalfEven(static_cast<double>(Height()) * scale));
  if (host) {
    host->WithDevice([&] { DrawScreenshotContent(picture); });
    const TWindowRect r = AbsoluteRect();
    host->PaintOnto(picture, scale, {r.Left, r.Top}, [this](IPainter& p) { PaintTree(p); });
  }
  return std::make_unique<TBitmap>(std::move(picture), scale);
}

void TControl::Repaint() {
  if (!FVisible || IsDestroying()) return;
  if (TFormBase* form = Form()) form->Invalidate(AbsoluteRect());
}

namespace {
// Places `c` in the rectangle (x, y, w, h) less its margins; never a negative size.
void PlaceWithin(TControl& c, float x, float y, float w, float h) {
  const TMargins& m = c.Margins();
  c.SetBounds(x + m.Left, y + m.Top, std::max(0.0f, w - m.Left - m.Right),
              std::max(0.0f, h - m.Top - m.Bottom));
}
}  // namespace

void AlignControls(scene::TSceneNode& owner, float width, float height) {
  // The edges first, in child order, each taking its strip of what is left; then the rest.
  float left = 0, top = 0;
  std::vector<TControl*> rest;
  for (scene::TSceneNode* child : owner.Children()) {
    auto* c = dynamic_cast<TControl*>(child);
    if (!c || !c->Visible()) continue;
    const TMargins& m = c->Margins();
    switch (c->Align()) {
      case TControlAlign::None:
        break;
      case TControlAlign::Top: {
        const float h = c->Height() + m.Top + m.Bottom;
        PlaceWithin(*c, left, top, width - left, h);
        top += h;
        break;
      }
      case TControlAlign::Left: {
        const float w = c->Width() + m.Left + m.Right;
        PlaceWithin(*c, left, top, w, height - top);
        left += w;
        break;
      }
      case TControlAlign::Client:
      case TControlAlign::Center:
      case TControlAlign::Contents:
        rest.push_back(c);
        break;
    }
  }
  for (TControl* c : rest) {
    switch (c->Align()) {
      case TControlAlign::Client:
        PlaceWithin(*c, left, top, std::max(0.0f, width - left), std::max(0.0f, height - top));
        break;
      case TControlAlign::Center:
        c->SetPosition(
            {left + (width - left - c->Width()) / 2, top + (height - top - c->Height()) / 2});
        break;
      default:
        PlaceWithin(*c, 0, 0, width, height);
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
