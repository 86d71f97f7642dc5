// How a window hands pointer input to the one object it is meant for.
//
// The window calls the entry points with client coordinates in window units (whole numbers)
// and the keys and buttons held. Each press, move and release goes to exactly one target, a 2D
// control or a 3D object alike (scene::IPointerTarget), and no further: the target under the
// pointer, or the captured one while one holds the pointer. Only wheel turns go on to the
// target's parents until one handles them. A right press first asks the target for its context
// menu and is consumed when a menu opened.
//
// Capture: a target that captures (the 3D view) holds the pointer from its press until the
// release ends; moves, the release and wheel turns go to it wherever the pointer is, and hover
// does not change meanwhile. Hover changes only on uncaptured moves: the previous target is
// told the pointer left, the new one that it entered. Captured, hovered and focused objects are
// forgotten when they are freed.
#pragma once

#include "scene/input/PointerEvent.h"
#include "scene/tree/SceneNode.h"
#include "ui/basics/Keys.h"
#include "ui/basics/PointF.h"

namespace ui {

// What the routing asks of the window it serves.
class IPointerWindow {
 public:
  // The target under a client point: the window's visible controls from the last to the first,
  // the first answer wins; null when none.
  virtual scene::IPointerTarget* TargetAt(TPointF client) = 0;
  // For the menu key when the focused target has no menu: the window's first shown and enabled
  // control, depth first in child order, that has one; null when none has.
  virtual scene::IPointerTarget* FirstTargetWithMenu() = 0;

 protected:
  ~IPointerWindow() = default;
};

class TPointerRouting : private scene::TFreeObserver {
 public:
  explicit TPointerRouting(IPointerWindow& window) : FWindow(window) {}

  void MouseDown(scene::TMouseButton button, scene::TShiftState shift, float x, float y);
  // A press as the platform reports it: a right press first asks the target under it for its
  // context menu at `screen` (as ContextMenuRequest) and goes on as a press (MouseDown) only
  // when no menu opened. The target is found once for both.
  void Press(scene::TMouseButton button, scene::TShiftState shift, float x, float y,
             TPointF screen);
  void MouseMove(scene::TShiftState shift, float x, float y);
  void MouseUp(scene::TMouseButton button, scene::TShiftState shift, float x, float y,
               bool doClick);
  // A wheel turn with the pointer at (x, y): the target is what lies there, whatever the last
  // move reported (the window may have moved under a still pointer).
  void MouseWheel(scene::TShiftState shift, int wheelDelta, float x, float y, bool& handled);
  // A right press (or right double-click) at `client`: the target under it is focused and asked
  // to open its menu at `screen` (pixels). True when a menu opened: the press is then consumed.
  bool ContextMenuRequest(TPointF client, TPointF screen);
  // Shift+F10 or the menu key opens a context menu from the keyboard, at the centre of the
  // control it belongs to: the focused control's own menu, or, when that control has none or
  // nothing is focused, the menu of the window's first shown control that has one (the 3D view
  // never takes the focus, and a person with only a keyboard must still reach its menu). True
  // when the key asked for a menu and a control had one; other keys return false.
  bool KeyboardContextMenu(TKeyCode key, scene::TShiftState shift);

  // The object under a client point (see IPointerWindow::TargetAt); null when none.
  scene::TSceneNode* ObjectAtPoint(TPointF point) const;

  scene::TSceneNode* Captured() const { return FCaptured.Node; }
  scene::TSceneNode* Hovered() const { return FHovered.Node; }
  scene::TSceneNode* Focused() const { return FFocused.Node; }
  void Capture(scene::IPointerTarget* target);
  void ReleaseCapture() { Capture(nullptr); }
  // The window lost the pointer (deactivated, hidden): whatever held it lets go.
  void PointerLost() { ReleaseCapture(); }
  // Makes `target` the focused control when it can take the focus; otherwise nothing changes.
  void SetFocus(scene::IPointerTarget* target);

  TPointF MousePos() const { return FMousePos; }

 private:
  // A target the routing holds, with its object: a freed object is recognised by the object
  // alone, as its target part is gone by then.
  struct TSlot {
    scene::IPointerTarget* Target = nullptr;
    scene::TSceneNode* Node = nullptr;
  };
  void ObservedFreed(scene::TSceneNode* dying) override;
  void Observe(TSlot& slot, scene::IPointerTarget* target);
  void SetHovered(scene::IPointerTarget* target);
  void PressOn(scene::IPointerTarget* target, scene::TMouseButton button, scene::TShiftState shift,
               TPointF point);

  IPointerWindow& FWindow;
  TSlot FCaptured, FHovered, FFocused;
  TPointF FMousePos;
};

}  // namespace ui
