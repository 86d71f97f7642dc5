#include "ui/pointer/PointerRouting.h"

namespace ui {

namespace {

using scene::IPointerTarget;
using scene::TPointerEvent;

bool IsContextMenuKey(TKeyCode key, scene::TShiftState shift) {
  const scene::TShiftState modifiers =
      shift & (scene::ssShift | scene::ssAlt | scene::ssCtrl | scene::ssCommand);
  return (key == vkF10 && modifiers == scene::ssShift) ||
         (key == vkApps && (modifiers & ~scene::ssShift) == 0);
}

TPointerEvent EventAt(IPointerTarget& target, TPointF client, scene::TMouseButton button,
                      scene::TShiftState shift) {
  TPointerEvent e = target.PointerEventAt(client.X, client.Y);
  e.Button = button;
  e.Shift = shift;
  return e;
}

// The next target up from `target` for a wheel turn: its parent, while that takes the pointer.
IPointerTarget* ParentTarget(IPointerTarget& target) {
  scene::TSceneNode* parent = target.PointerNode().Parent();
  return parent ? parent->PointerTarget() : nullptr;
}

}  // namespace

scene::TSceneNode* TPointerRouting::ObjectAtPoint(TPointF point) const {
  IPointerTarget* target = FWindow.TargetAt(point);
  return target ? &target->PointerNode() : nullptr;
}

void TPointerRouting::MouseDown(scene::TMouseButton button, scene::TShiftState shift, float x,
                                float y) {
  PressOn(FWindow.TargetAt({x, y}), button, shift, {x, y});
}

void TPointerRouting::Press(scene::TMouseButton button, scene::TShiftState shift, float x, float y,
                            TPointF screen) {
  IPointerTarget* target = FWindow.TargetAt({x, y});
  if (button == scene::mbRight && target) {
    SetFocus(target);
    if (target->OpenContextMenu(screen.X, screen.Y)) return;
  }
  PressOn(target, button, shift, {x, y});
}

void TPointerRouting::PressOn(IPointerTarget* target, scene::TMouseButton button,
                              scene::TShiftState shift, TPointF point) {
  FMousePos = point;
  if (!target) return;
  SetFocus(target);
  target->PointerDown(EventAt(*target, FMousePos, button, shift));
  // Captured after the handler ran, so a handler sees the state before the press.
  if (target->CapturesPointer()) Capture(target);
}

void TPointerRouting::MouseMove(scene::TShiftState shift, float x, float y) {
  FMousePos = {x, y};
  IPointerTarget* target = FCaptured.Target;
  if (!target) {
    target = FWindow.TargetAt(FMousePos);
    SetHovered(target);
  }
  if (target) target->PointerMove(EventAt(*target, FMousePos, scene::mbLeft, shift));
}

void TPointerRouting::MouseUp(scene::TMouseButton button, scene::TShiftState shift, float x,
                              float y, bool doClick) {
  FMousePos = {x, y};
  IPointerTarget* target = FCaptured.Target ? FCaptured.Target : FWindow.TargetAt(FMousePos);
  if (target) {
    const TPointerEvent e = EventAt(*target, FMousePos, button, shift);
    if (doClick) target->PointerClick(e);
    // The release handler already sees the pointer free.
    if (target == FCaptured.Target) ReleaseCapture();
    target->PointerUp(e);
  }
  ReleaseCapture();
}

void TPointerRouting::MouseWheel(scene::TShiftState shift, int wheelDelta, float x, float y,
                                 bool& handled) {
  FMousePos = {x, y};
  if (FCaptured.Target) {
    FCaptured.Target->PointerWheel(shift, wheelDelta, handled);
    return;
  }
  // From the target under the pointer up through its parents, while they take the pointer.
  for (IPointerTarget* target = FWindow.TargetAt(FMousePos); !handled && target;
       target = ParentTarget(*target))
    target->PointerWheel(shift, wheelDelta, handled);
}

bool TPointerRouting::ContextMenuRequest(TPointF client, TPointF screen) {
  IPointerTarget* target = FWindow.TargetAt(client);
  if (!target) return false;
  SetFocus(target);
  return target->OpenContextMenu(screen.X, screen.Y);
}

bool TPointerRouting::KeyboardContextMenu(TKeyCode key, scene::TShiftState shift) {
  if (!IsContextMenuKey(key, shift)) return false;
  IPointerTarget* target = FFocused.Target;
  if (!target || !target->HasContextMenu()) target = FWindow.FirstTargetWithMenu();
  return target && target->OpenContextMenuAtCentre();
}

void TPointerRouting::Capture(IPointerTarget* target) {
  Observe(FCaptured, target);
}

void TPointerRouting::SetFocus(IPointerTarget* target) {
  // Only controls that take the keyboard focus do (a button); a press elsewhere (the 3D view,
  // a body, the panel) leaves the focus where it was.
  if (!target || !target->TakesFocus() || target == FFocused.Target) return;
  if (FFocused.Target) FFocused.Target->FocusChanged(false);
  Observe(FFocused, target);
  target->FocusChanged(true);
}

void TPointerRouting::SetHovered(IPointerTarget* target) {
  if (target == FHovered.Target) return;
  IPointerTarget* old = FHovered.Target;
  Observe(FHovered, target);
  if (old) old->PointerHover(false);
  if (target) target->PointerHover(true);
}

void TPointerRouting::Observe(TSlot& slot, IPointerTarget* target) {
  if (slot.Target == target) return;
  scene::TSceneNode* old = slot.Node;
  slot = {target, target ? &target->PointerNode() : nullptr};
  // One object may fill several slots: stop watching it only when it fills none.
  if (old && old != FCaptured.Node && old != FHovered.Node && old != FFocused.Node)
    old->RemoveFreeObserver(this);
  if (slot.Node) slot.Node->AddFreeObserver(this);
}

void TPointerRouting::ObservedFreed(scene::TSceneNode* dying) {
  for (TSlot* slot : {&FCaptured, &FHovered, &FFocused})
    if (slot->Node == dying) *slot = {};
}

}  // namespace ui
