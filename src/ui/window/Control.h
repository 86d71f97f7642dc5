// A 2D control of a window: a rectangle in its parent with alignment, visibility and opacity.
//
// Controls live in the same object tree as 3D objects; a control's children that are
// controls are laid out and painted inside it. Position is relative to the parent's top-left,
// in window units.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "scene/input/PointerEvent.h"
#include "scene/tree/SceneNode.h"
#include "ui/basics/CursorShape.h"
#include "ui/basics/GestureEvent.h"
#include "ui/basics/Keys.h"
#include "ui/basics/PointF.h"
#include "ui/basics/TouchSettings.h"
#include "ui/paint/Bitmap.h"
#include "ui/paint/Painter.h"
#include "ui/window/PaintTarget3D.h"
#include "ui/window/WindowHost.h"

namespace ui {

class TFormBase;
class TPopupMenu;

using scene::TMouseButton;
using scene::TMouseWheelEvent;
using scene::TSenderEvent;
using scene::TShiftState;
using TMouseEvent = std::function<void(scene::TSceneNode& sender, TMouseButton button,
                                       TShiftState shift, float x, float y)>;
using TMouseMoveEvent =
    std::function<void(scene::TSceneNode& sender, TShiftState shift, float x, float y)>;

// How a control is placed in its parent: None keeps its own bounds; Top takes the parent's
// width at the top (stacked in child order), Left its height at the left; Client fills what
// the Top and Left children leave; Center keeps its size in the middle; Contents fills the
// whole parent whatever the others do. Aligned bounds are reduced by the control's margins.
enum class TControlAlign { None, Client, Top, Contents, Left, Center };

struct TMargins {
  float Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TMargins&, const TMargins&) = default;
};

class TControl : public scene::TSceneNode, public scene::IPointerTarget {
 public:
  // The class's name, from which a styled control's default style element name is formed.
  virtual std::string_view ClassName() const { return "TControl"; }

  TPointF Position() const { return FPosition; }
  void SetPosition(TPointF p);
  float Width() const { return FWidth; }
  float Height() const { return FHeight; }
  void SetSize(float width, float height);
  void SetBounds(float x, float y, float width, float height);

  TControlAlign Align() const { return FAlign; }
  void SetAlign(TControlAlign align);
  const TMargins& Margins() const { return FMargins; }
  void SetMargins(const TMargins& m);

  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  bool HitTest() const { return FHitTest; }
  void SetHitTest(bool v) { FHitTest = v; }
  float Opacity() const { return FOpacity; }
  // Values outside 0..1 are taken as the nearest of the two (not a number as 1).
  void SetOpacity(float v);
  float DisabledOpacity() const { return FDisabledOpacity; }
  void SetDisabledOpacity(float v);
  // Opacity (times DisabledOpacity when disabled) times the parent control's absolute opacity.
  float AbsoluteOpacity() const;

  // The name a style element is found by (empty for ordinary controls).
  const std::string& StyleName() const { return FStyleName; }
  void SetStyleName(std::string name) { FStyleName = std::move(name); }
  // A locked control (a style's copy inside the control it draws) never takes the pointer,
  // nor does anything inside it.
  bool Locked() const { return FLocked; }
  void SetLocked(bool v) { FLocked = v; }

  TWindowRect LocalRect() const { return {0, 0, FWidth, FHeight}; }
  // The control's rectangle in the window's client area.
  TWindowRect AbsoluteRect() const;
  TControl* ParentControl() const;
  TFormBase* Form() const;

  // Asks the window to paint this control's area again at its next paint.
  void Repaint();
  // Tells the platform window that what assistive technology reads of this control changed
  // (see IWindowHost::AccessibleChanged); nothing while loading or outside a shown window.
  void AccessibleChanged(TAccessibleChange change);
  // Lays out the aligned children after this control's size changed.
  virtual void ArrangeChildren();

  // Draws the control's 3D content straight into the window's framebuffer during a paint,
  // before the 2D layer is painted; only 3D views do.
  // Answers whether it drew anything into the window.
  virtual bool PaintTo(const TPaintTarget3D& /*target*/) { return false; }
  // Draws the control's own content into a screenshot's picture of its pixel size, before the
  // 2D layer is painted over it; only 3D views have such content.
  virtual void DrawScreenshotContent(scene::TTextureImage& /*picture*/) {}

  // Paints the control (when visible) and then its child controls in order, each with its
  // absolute opacity; no group is composited. The shadows of the control's shadow effects
  // (ShadowEffect.h) are painted first.
  void PaintTree(IPainter& painter);

  // A new picture of the control as it is now, owned by the caller: Round(Width x s) by
  // Round(Height x s) pixels (halves to even; s the window's scale, 1 outside a window) with
  // that scale, cleared to transparent black; the control's own content drawn in (a 3D view
  // renders its scene again), then the control and its children painted over it as at (0, 0).
  // Nothing else of the window is in it: its fill, other controls, menus.
  std::unique_ptr<TBitmap> MakeScreenshot();

  // Visible and enabled, and so are all its parent controls.
  bool IsShownAndEnabled() const;
  // Whether a press gives this control the keyboard focus.
  virtual bool CanFocus() const { return false; }
  // The control's place among its siblings when Tab moves the focus (ascending; see
  // TabOrder.h). Negative: none given, after the siblings that have one, in child order.
  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int order) { FTabOrder = order; }
  // A key for the focused control: a control that consumes it sets `key` and `keyChar` to 0.
  virtual void KeyDown(TKeyCode& /*key*/, char32_t& /*keyChar*/, TShiftState /*shift*/) {}

  // Pointer input (see pointer/PointerRouting.h). Points are client coordinates of the window
  // unless named local. ObjectAtPoint answers the topmost visible, enabled control under the
  // point that takes the pointer (HitTest), this one included, edges inside; none when the
  // point is outside or the control hidden or disabled. 3D content is asked only by views.
  virtual scene::TSceneNode* ObjectAtPoint(TPointF point);
  TPointF ClientToLocal(TPointF point) const;
  bool ContainsPoint(TPointF point) const;
  // A control that captures holds the pointer from its press to the release.
  bool AutoCapture() const { return FAutoCapture; }
  void SetAutoCapture(bool v) { FAutoCapture = v; }
  // The menu a right press opens (not owned; forgotten when freed).
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu);
  // The pointer's look while it is over this control; Default leaves it to the parent control.
  TCursorShape Cursor() const { return FCursor; }
  void SetCursor(TCursorShape cursor) { FCursor = cursor; }
  bool IsMouseOver() const { return FIsMouseOver; }
  void SetMouseOver(bool v);
  // Pressed with the left button and not yet released.
  bool IsPressed() const { return FPressed; }

  // The steps of an event delivered to this control; x and y are local.
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y);
  void MouseMove(TShiftState shift, float x, float y);
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y);
  void MouseWheel(TShiftState shift, int wheelDelta, bool& handled);
  // The click step of a release, just before MouseUp: a click when this control was pressed
  // with the left button (not a double-click) and the release lies inside it.
  void ReleaseClick(float x, float y);
  // Raises OnClick (a release click, or a button pressed from the keyboard).
  virtual void Click();
  // Opens PopupMenu at the screen point (pixels); false when there is none.
  bool RequestContextMenu(TPointF screenPoint);

  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TSenderEvent OnClick, OnDblClick;

  // As the window's pointer routing sees this control: the steps above with local points,
  // AutoCapture, the focus and the context menu.
  scene::IPointerTarget* PointerTarget() override { return this; }
  scene::TSceneNode& PointerNode() override { return *this; }
  scene::TPointerEvent PointerEventAt(float clientX, float clientY) override;
  void PointerDown(const scene::TPointerEvent& e) override {
    MouseDown(e.Button, e.Shift, e.X, e.Y);
  }
  void PointerMove(const scene::TPointerEvent& e) override { MouseMove(e.Shift, e.X, e.Y); }
  void PointerClick(const scene::TPointerEvent& e) override { ReleaseClick(e.X, e.Y); }
  void PointerUp(const scene::TPointerEvent& e) override { MouseUp(e.Button, e.Shift, e.X, e.Y); }
  void PointerWheel(TShiftState shift, int wheelDelta, bool& handled) override {
    MouseWheel(shift, wheelDelta, handled);
  }
  void PointerHover(bool over) override { SetMouseOver(over); }
  bool CapturesPointer() const override { return FAutoCapture; }
  bool TakesFocus() const override { return CanFocus(); }
  // Both the control losing the focus and the one taking it change their look; assistive
  // technology hears of the one taking it.
  void FocusChanged(bool focused) override;
  bool HasContextMenu() const override { return FPopupMenu && IsShownAndEnabled(); }
  bool OpenContextMenu(float screenX, float screenY) override {
    return RequestContextMenu({screenX, screenY});
  }
  bool OpenContextMenuAtCentre() override;

  bool IsVisualObject() const override { return true; }
  bool IsVisibleObject() const override { return FVisible; }

  // Touch gestures. Touch().InteractiveGestures are the gestures this control takes.
  TTouchSettings& Touch() { return FTouch; }
  const TTouchSettings& Touch() const { return FTouch; }
  // This control when it takes `gesture`, else the nearest parent control that does; null
  // when none does.
  TControl* FindGestureTarget(TInteractiveGesture gesture);
  // Hands a gesture event to this control: OnGesture first (an error it raises is reported
  // and the event counts as unhandled), then, while the event is unhandled, the control's own
  // handling, then the parent control (only for events with a GestureID).
  void DeliverGesture(const TGestureEventInfo& eventInfo);
  TGestureEvent OnGesture;

 protected:
  // Draws the control's own content (below its children); nothing by default.
  virtual void Paint(IPainter& /*painter*/) {}
  // Draws over the control's children (a focus ring over a button's face); nothing by default.
  virtual void PaintOverChildren(IPainter& /*painter*/) {}
  // The control's own content, then its children, then what lies over them.
  void PaintContent(IPainter& painter);
  // Runs before the control is painted (a styled control applies its style here).
  virtual void PrepareToPaint() {}
  virtual void Resized() {}
  // The pointer entered or left the control, or a press on it began or ended.
  virtual void PointerStateChanged() {}
  // The control's own handling of a gesture that OnGesture left unhandled; none by default.
  virtual void HandleGesture(const TGestureEventInfo& /*eventInfo*/, bool& /*handled*/) {}
  void ChildAdded(scene::TSceneNode* child) override;
  void ObservedFreed(scene::TSceneNode* dying) override;

 private:
  TPointF FPosition;
  float FWidth = 0, FHeight = 0;
  TControlAlign FAlign = TControlAlign::None;
  TMargins FMargins;
  std::string FStyleName;
  bool FLocked = false;
  float FDisabledOpacity = 0.6f;
  bool FVisible = true;
  bool FEnabled = true;
  bool FHitTest = true;
  float FOpacity = 1;
  bool FAutoCapture = false;
  TCursorShape FCursor = TCursorShape::Default;
  bool FIsMouseOver = false;
  bool FPressed = false;
  bool FDoubleClick = false;
  int FTabOrder = -1;
  TPopupMenu* FPopupMenu = nullptr;
  TTouchSettings FTouch;
};

// Places the aligned child controls of `owner` within a client area of the given size.
void AlignControls(scene::TSceneNode& owner, float width, float height);

}  // namespace ui
