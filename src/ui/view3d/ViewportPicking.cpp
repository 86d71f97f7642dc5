// What a 3D view finds under the pointer: its 3D objects by pick ray, then its 2D children
// and itself.
#include "scene/objects/Camera.h"
#include "scene/picking/ObjectPick.h"
#include "ui/view3d/Viewport3D.h"
#include "ui/window/Form.h"

namespace ui {

scene::TPickRay TViewport3D::RayAt(TPointF local, scene::TProjectionKind projection) const {
  const TFormBase* form = Form();
  const float scale = form ? form->Scale() : 1.0f;
  const float x = local.X * scale, y = local.Y * scale;
  if (projection == scene::TProjectionKind::Screen) return scene::ScreenRay(x, y);
  return scene::ViewRay(CurrentCamera(), x, y, PixelWidth(), PixelHeight());
}

bool TViewport3D::PointAndRayAt(float clientX, float clientY, scene::TProjectionKind projection,
                                float& viewX, float& viewY, scene::TPickRay& ray) const {
  const TPointF local = ClientToLocal({clientX, clientY});
  viewX = local.X;
  viewY = local.Y;
  ray = RayAt(local, projection);
  return true;
}

scene::TSceneNode* TViewport3D::ObjectAtPoint(TPointF point) {
  if (!TControl::ObjectAtPoint(point)) return nullptr;
  if (Context()) {
    const TPointF local = ClientToLocal(point);
    const auto& children = Children();
    for (scene::TProjectionKind pass :
         {scene::TProjectionKind::Screen, scene::TProjectionKind::Camera}) {
      scene::TPick pick{RayAt(local, pass), pass};
      scene::TSceneNode* found = nullptr;
      for (auto i = children.size(); i-- > 0;) {
        scene::TSceneNode* answer = nullptr;
        if (auto* object = scene::As3DObject(children[i]))
          answer = scene::PickObject(*object, pick);
        else if (auto* control = dynamic_cast<TControl*>(children[i]);
                 control && control->Visible())
          answer = control->ObjectAtPoint(point);
        if (answer) found = answer;
      }
      if (found) return found;
    }
  }
  return TControl::ObjectAtPoint(point);
}

}  // namespace ui
