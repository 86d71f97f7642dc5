#include "ui/pointer/PointerRouting.h"

#include "scene/objects/Control3D.h"
#include "ui/view3d/Viewport3D.h"
#include "ui/window/Control.h"
#include "ui/window/Form.h"

namespace ui {

namespace {

using scene::TControl3D;
using scene::TSceneNode;

// A 3D object's event arguments: the point in its viewport's coordinates and the pick ray in
// the object's own. Null viewport when the object is not in a view.
struct TPoint3DEvent {
  TViewport3D* Viewport = nullptr;
  TPointF Local;
  scene::TVector3D RayPos, RayDir;
};

TPoint3DEvent EventFor(TControl3D& object, TPointF client) {
  TPoint3DEvent e;
  e.Viewport = dynamic_cast<TViewport3D*>(object.Viewport());
  if (!e.Viewport) return e;
  e.Local = e.Viewport->ClientToLocal(client);
  const scene::TPickRay ray = scene::ToLocal(e.Viewport->RayAt(e.Local, object.Projection()),
                                             object.InvertAbsoluteMatrix());
  e.RayPos = {ray.Origin.X, ray.Origin.Y, ray.Origin.Z, 1};
  e.RayDir = {ray.Direction.X, ray.Direction.Y, ray.Direction.Z, 0};
  return e;
}

bool IsPointerTarget(const TSceneNode* node) {
  return dynamic_cast<const TControl*>(node) || dynamic_cast<const TControl3D*>(node);
}

void SetMouseOver(TSceneNode* target, bool over) {
  if (auto* c = dynamic_cast<TControl*>(target)) c->SetMouseOver(over);
  if (auto* o = dynamic_cast<TControl3D*>(target)) o->SetMouseOver(over);
}

// The first control of `owner`'s tree, depth first in child order, that is shown and enabled
// and has a context menu; hidden and disabled controls are skipped with what they hold.
TControl* FirstControlWithMenu(const TSceneNode& owner) {
  for (TSceneNode* child : owner.Children()) {
    auto* control = dynamic_cast<TControl*>(child);
    if (!control || !control->Visible() || !control->Enabled()) continue;
    if (control->PopupMenu()) return control;
    if (TControl* inner = FirstControlWithMenu(*control)) return inner;
  }
  return nullptr;
}

bool IsContextMenuKey(TKeyCode key, scene::TShiftState shift) {
  const scene::TShiftState modifiers =
      shift & (scene::ssShift | scene::ssAlt | scene::ssCtrl | scene::ssCommand);
  return (key == vkF10 && modifiers == scene::ssShift) ||
         (key == vkApps && (modifiers & ~scene::ssShift) == 0);
}

void DeliverWheel(TSceneNode* target, scene::TShiftState shift, int wheelDelta, bool& handled) {
  if (auto* control = dynamic_cast<TControl*>(target))
    control->MouseWheel(shift, wheelDelta, handled);
  else if (auto* object = dynamic_cast<TControl3D*>(target))
    object->MouseWheel(shift, wheelDelta, handled);
}

}  // namespace

TSceneNode* TPointerRouting::ObjectAtPoint(TPointF point) const {
  const auto& children = FForm.Children();
  for (auto i = children.size(); i-- > 0;) {
    auto* control = dynamic_cast<TControl*>(children[i]);
    if (!control || !control->Visible()) continue;
    if (TSceneNode* found = control->ObjectAtPoint(point)) return found;
  }
  return nullptr;
}

void TPointerRouting::MouseDown(scene::TMouseButton button, scene::TShiftState shift, float x,
                                float y) {
  FMousePos = {x, y};
  TSceneNode* target = ObjectAtPoint(FMousePos);
  if (auto* control = dynamic_cast<TControl*>(target)) {
    SetFocus(control);
    const TPointF local = control->ClientToLocal(FMousePos);
    control->MouseDown(button, shift, local.X, local.Y);
  } else if (auto* object = dynamic_cast<TControl3D*>(target)) {
    SetFocus(object);
    const TPoint3DEvent e = EventFor(*object, FMousePos);
    object->MouseDown(button, shift, e.Local.X, e.Local.Y, e.RayPos, e.RayDir);
    if (object->AutoCapture()) Capture(object);
  }
}

void TPointerRouting::MouseMove(scene::TShiftState shift, float x, float y) {
  FMousePos = {x, y};
  TSceneNode* target = FCaptured;
  if (!target) {
    target = ObjectAtPoint(FMousePos);
    SetHovered(target);
  }
  if (auto* control = dynamic_cast<TControl*>(target)) {
    const TPointF local = control->ClientToLocal(FMousePos);
    control->MouseMove(shift, local.X, local.Y);
  } else if (auto* object = dynamic_cast<TControl3D*>(target)) {
    const TPoint3DEvent e = EventFor(*object, FMousePos);
    object->MouseMove(shift, e.Local.X, e.Local.Y, e.RayPos, e.RayDir);
  }
}

void TPointerRouting::MouseUp(scene::TMouseButton button, scene::TShiftState shift, float x,
                              float y, bool doClick) {
  FMousePos = {x, y};
  TSceneNode* target = FCaptured ? FCaptured : ObjectAtPoint(FMousePos);
  if (auto* control = dynamic_cast<TControl*>(target)) {
    const TPointF local = control->ClientToLocal(FMousePos);
    if (doClick) control->ReleaseClick(local.X, local.Y);
    control->MouseUp(button, shift, local.X, local.Y);
  } else if (auto* object = dynamic_cast<TControl3D*>(target)) {
    const TPoint3DEvent e = EventFor(*object, FMousePos);
    if (doClick) object->ReleaseClick();
    if (object->AutoCapture()) ReleaseCapture();
    object->MouseUp(button, shift, e.Local.X, e.Local.Y, e.RayPos, e.RayDir);
  }
  ReleaseCapture();
}

void TPointerRouting::MouseWheel(scene::TShiftState shift, int wheelDelta, float x, float y,
                                 bool& handled) {
  FMousePos = {x, y};
  if (FCaptured) {
    DeliverWheel(FCaptured, shift, wheelDelta, handled);
    return;
  }
  // From the target under the pointer up through its parents, while they take the pointer.
  for (TSceneNode* target = ObjectAtPoint(FMousePos); !handled && IsPointerTarget(target);
       target = target->Parent())
    DeliverWheel(target, shift, wheelDelta, handled);
}

bool TPointerRouting::ContextMenuRequest(TPointF client, TPointF screen) {
  TSceneNode* target = ObjectAtPoint(client);
  if (!target) return false;
  SetFocus(target);
  auto* control = dynamic_cast<TControl*>(target);
  return control && control->RequestContextMenu(screen);
}

bool TPointerRouting::KeyboardContextMenu(TKeyCode key, scene::TShiftState shift) {
  if (!IsContextMenuKey(key, shift)) return false;
  auto* control = dynamic_cast<TControl*>(FFocused);
  if (!control || !control->IsShownAndEnabled() || !control->PopupMenu())
    control = FirstControlWithMenu(FForm);
  if (!control) return false;
  const TWindowRect r = control->AbsoluteRect();
  return control->RequestContextMenu(
      FForm.ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
}

void TPointerRouting::Capture(TSceneNode* target) {
  Observe(FCaptured, target);
}

void TPointerRouting::SetFocus(TSceneNode* target) {
  // Only controls that take the keyboard focus do (a button); a press elsewhere (the 3D view,
  // a body, the panel) leaves the focus where it was.
  auto* control = dynamic_cast<TControl*>(target);
  if (!control || !control->CanFocus() || target == FFocused) return;
  // Both controls change their look.
  if (auto* old = dynamic_cast<TControl*>(FFocused)) old->Repaint();
  Observe(FFocused, target);
  control->Repaint();
  control->AccessibleChanged(TAccessibleChange::Focus);
}

void TPointerRouting::SetHovered(TSceneNode* target) {
  if (target == FHovered) return;
  TSceneNode* old = FHovered;
  Observe(FHovered, target);
  SetMouseOver(old, false);
  SetMouseOver(target, true);
}

void TPointerRouting::Observe(TSceneNode*& slot, TSceneNode* target) {
  if (slot == target) return;
  TSceneNode* old = slot;
  slot = target;
  // One object may fill several slots: stop watching it only when it fills none.
  if (old && old != FCaptured && old != FHovered && old != FFocused) old->RemoveFreeObserver(this);
  if (target) target->AddFreeObserver(this);
}

void TPointerRouting::ObservedFreed(TSceneNode* dying) {
  if (dying == FCaptured) FCaptured = nullptr;
  if (dying == FHovered) FHovered = nullptr;
  if (dying == FFocused) FFocused = nullptr;
}

}  // namespace ui
