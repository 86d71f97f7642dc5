// How a window hands pointer input to the one object it is meant for.
//
// The platform window calls the entry points with client coordinates in window units (whole
// numbers) and the keys and buttons held. Each press, move and release goes to exactly one
// target, a 2D control or a 3D object, and no further: the target under the pointer
// (ObjectAtPoint), or the captured control while one holds the pointer. Only wheel turns go on
// to the target's parents until one handles them. A right press first asks the target for its
// context menu and is consumed when a menu opened.
//
// Capture: a control with AutoCapture (the 3D view) holds the pointer from its press until
// the release ends; moves, the release and wheel turns go to it wherever the pointer is, and
// hover does not change meanwhile. Hover changes only on uncaptured moves: the previous
// target is told the pointer left, the new one that it entered (IsMouseOver). Captured,
// hovered and focused objects are forgotten when they are freed.
#pragma once

#include "scene/input/PointerEvent.h"
#include "scene/tree/SceneNode.h"
#include "ui/basics/Keys.h"
#include "ui/basics/PointF.h"

namespace ui {

class TFormBase;

class TPointerRouting : public scene::TSceneNode {
 public:
  explicit TPointerRouting(TFormBase& form) : FForm(form) {}

  void MouseDown(scene::TMouseButton button, scene::TShiftState shift, float x, float y);
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

  // The target under a client point: the window's visible controls from the last to the
  // first, the first answer wins; null when none.
  scene::TSceneNode* ObjectAtPoint(TPointF point) const;

  scene::TSceneNode* Captured() const { return FCaptured; }
  scene::TSceneNode* Hovered() const { return FHovered; }
  scene::TSceneNode* Focused() const { return FFocused; }
  void Capture(scene::TSceneNode* target);
  void ReleaseCapture() { Capture(nullptr); }
  // The window lost the pointer (deactivated, hidden): whatever held it lets go.
  void PointerLost() { ReleaseCapture(); }
  // Makes `target` the focused control when it can take the focus; otherwise nothing changes.
  void SetFocus(scene::TSceneNode* target);

  TPointF MousePos() const { return FMousePos; }

 protected:
  void ObservedFreed(scene::TSceneNode* dying) override;

 private:
  void Observe(scene::TSceneNode*& slot, scene::TSceneNode* target);
  void SetHovered(scene::TSceneNode* target);

  TFormBase& FForm;
  scene::TSceneNode* FCaptured = nullptr;
  scene::TSceneNode* FHovered = nullptr;
  scene::TSceneNode* FFocused = nullptr;
  TPointF FMousePos;
};

}  // namespace ui
