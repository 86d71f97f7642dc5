#include "ui/window/Form.h"

#include "ui/style/StyleBook.h"
#include "ui/style/StyledControl.h"
#include "ui/window/Control.h"
#include "ui/window/TabOrder.h"
#include "ui/window/WindowService.h"

namespace ui {

void TFormBase::SetCaption(std::string caption) {
  FCaption = std::move(caption);
  if (FHost) FHost->SetCaption(FCaption);
}

TFormBase::~TFormBase() {
  WindowService().Forget(*this);
}

void TFormBase::SetClientSize(int width, int height) {
  FClientWidth = width;
  FClientHeight = height;
  FBounds.Width = width;
  FBounds.Height = height;
  if (!FHost) ClientResized(static_cast<float>(width), static_cast<float>(height));
}

bool TFormBase::FullScreen() const {
  return FFullScreen || WindowService().FullScreen(*this);
}

void TFormBase::SetFullScreen(bool v) {
  if (IsLoading())
    FFullScreen = v;
  else
    WindowService().SetFullScreen(*this, v);
}

TWindowBounds TFormBase::Bounds() const {
  return FPlatformWindow ? FPlatformWindow->Bounds() : FBounds;
}

void TFormBase::SetBounds(const TWindowBounds& bounds) {
  FBounds = bounds;
  if (FPlatformWindow)
    FPlatformWindow->SetBounds(bounds);
  else
    SetClientSize(bounds.Width, bounds.Height);
}

void TFormBase::SetBoundsField(int TWindowBounds::*field, int v) {
  TWindowBounds b = Bounds();
  b.*field = v;
  SetBounds(b);
}

TWindowState TFormBase::WindowState() const {
  return FPlatformWindow ? FPlatformWindow->State() : FWindowState;
}

void TFormBase::SetWindowState(TWindowState state) {
  WindowService().SetWindowState(*this, state);
}

void TFormBase::SetBorderStyle(TFormBorderStyle style) {
  FBorderStyle = style;
  ApplyFrame();
}

void TFormBase::SetBorderIcons(TBorderIcons icons) {
  FBorderIcons = icons;
  ApplyFrame();
}

void TFormBase::SetFormStyle(TFormStyle style) {
  FFormStyle = style;
  ApplyFrame();
}

void TFormBase::ApplyFrame() {
  if (FPlatformWindow) FPlatformWindow->SetFrame(FBorderStyle, FBorderIcons, FFormStyle);
}

void TFormBase::Show() {
  WindowService().Show(*this);
}

void TFormBase::Hide() {
  WindowService().Hide(*this);
}

void TFormBase::SetActive(bool v) {
  if (v) WindowService().Activate(*this);
}

void TFormBase::SetStyleBook(TStyleBook* book) {
  if (book == FStyleBook) return;
  if (FStyleBook) FStyleBook->RemoveFreeObserver(this);
  FStyleBook = book;
  if (FStyleBook) FStyleBook->AddFreeObserver(this);
  NotifyStyleChanged();
}

void TFormBase::ObservedFreed(scene::TSceneNode* dying) {
  if (dying == FStyleBook) FStyleBook = nullptr;
}

void TFormBase::SetHost(IWindowHost* host) {
  FHost = host;
  if (FHost) FHost->SetCaption(FCaption);
}

void TFormBase::Invalidate(const TWindowRect& rect) {
  if (FHost) FHost->Invalidate(rect);
}

namespace {

// The first control of `owner`'s tree, depth first in child order, that is shown and enabled
// and has a context menu; hidden and disabled controls are skipped with what they hold.
TControl* FirstControlWithMenu(const scene::TSceneNode& owner) {
  for (scene::TSceneNode* child : owner.Children()) {
    auto* control = dynamic_cast<TControl*>(child);
    if (!control || !control->Visible() || !control->Enabled()) continue;
    if (control->PopupMenu()) return control;
    if (TControl* inner = FirstControlWithMenu(*control)) return inner;
  }
  return nullptr;
}

}  // namespace

scene::IPointerTarget* TFormBase::TargetAt(TPointF client) {
  const auto& children = Children();
  for (auto i = children.size(); i-- > 0;) {
    auto* control = dynamic_cast<TControl*>(children[i]);
    if (!control || !control->Visible()) continue;
    if (scene::TSceneNode* found = control->ObjectAtPoint(client)) return found->PointerTarget();
  }
  return nullptr;
}

scene::IPointerTarget* TFormBase::FirstTargetWithMenu() {
  return FirstControlWithMenu(*this);
}

namespace {
void Paint3DIn(scene::TSceneNode& owner, TPaintTarget3D& target) {
  for (scene::TSceneNode* child : owner.Children()) {
    auto* c = dynamic_cast<TControl*>(child);
    if (!c || !c->Visible()) continue;
    // A view drawn over the window's clear hides it from the views after it.
    if (c->PaintTo(target)) target.OpaqueBackdrop = false;
    Paint3DIn(*c, target);
  }
}
}  // namespace

void TFormBase::Paint3D(const TPaintTarget3D& target) {
  TPaintTarget3D views = target;
  Paint3DIn(*this, views);
}

void TFormBase::SetFill(const TFill& fill) {
  if (fill == FFill) return;
  FFill = fill;
  Invalidate({0, 0, FAreaWidth, FAreaHeight});
}

void TFormBase::SetFillColor(TAlphaColor c) {
  TFill fill = FFill;
  fill.Color = c;
  SetFill(fill);
}

void TFormBase::Paint2D(IPainter& painter) {
  if (FFill.Kind == TBrushKind::Gradient)
    painter.FillGradient({0, 0, static_cast<float>(Width()), static_cast<float>(Height())},
                         FFill.Gradient, 1);
  for (scene::TSceneNode* child : Children())
    if (auto* c = dynamic_cast<TControl*>(child)) c->PaintTree(painter);
}

void TFormBase::KeyDown(TKeyCode key, char32_t keyChar, scene::TShiftState shift) {
  SetFocusRingShown(true);
  // A focused control that cannot be seen or used (a button of a hidden panel) takes no keys.
  auto* focused = dynamic_cast<TControl*>(FPointer.Focused());
  if (focused && focused->IsShownAndEnabled()) {
    focused->KeyDown(key, keyChar, shift);
    if (key == 0 && keyChar == 0) return;
  }
  if (key == vkTab && !(shift & (scene::ssCtrl | scene::ssAlt))) {
    if (TControl* next = NextTabStop(*this, FPointer.Focused(), (shift & scene::ssShift) != 0))
      FPointer.SetFocus(next);
    return;
  }
  if (FPointer.KeyboardContextMenu(key, shift)) return;
  if (OnKeyDown) OnKeyDown(*this, key, keyChar, shift);
}

void TFormBase::SetFocusRingShown(bool v) {
  if (v == FFocusRingShown) return;
  FFocusRingShown = v;
  if (auto* focused = dynamic_cast<TControl*>(FPointer.Focused())) focused->Repaint();
}

TCursorShape TFormBase::PointerCursor() const {
  scene::TSceneNode* target = FPointer.Captured() ? FPointer.Captured() : FPointer.Hovered();
  for (const TControl* c = dynamic_cast<const TControl*>(target); c; c = c->ParentControl())
    if (c->Cursor() != TCursorShape::Default) return c->Cursor();
  return TCursorShape::Default;
}

void TFormBase::ClientResized(float width, float height) {
  FAreaWidth = width;
  FAreaHeight = height;
  AlignControls(*this, width, height);
  Invalidate({0, 0, width, height});
  if (OnResize && !IsLoading()) OnResize(*this);
}

}  // namespace ui
