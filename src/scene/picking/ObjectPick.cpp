#include "scene/picking/ObjectPick.h"

#include "scene/render/Context3D.h"

namespace scene {

TControl3D* PickObject(TControl3D& object, TPick& pick) {
  if (!object.Visible()) return nullptr;
  TControl3D* found = nullptr;
  const auto& children = object.Children();
  for (auto i = children.size(); i-- > 0;)
    if (auto* child = As3DObject(children[i]))
      if (TControl3D* answer = PickObject(*child, pick)) found = answer;
  if (found) return found;
  if (!object.HitTest() || object.Projection() != pick.Pass) return nullptr;
  const TPickRay local = ToLocal(pick.Ray, object.InvertAbsoluteMatrix());
  TVector3D hit;
  if (!object.RayCastIntersect({local.Origin.X, local.Origin.Y, local.Origin.Z, 1},
                               {local.Direction.X, local.Direction.Y, local.Direction.Z, 0}, hit))
    return nullptr;
  const float distance = Length(hit.ToPoint() - pick.Ray.Origin);
  if (!(distance < pick.Nearest)) return nullptr;
  pick.Nearest = distance;
  return &object;
}

TPickRay ScreenRay(float x, float y) {
  return {{x, y, -TContext3D::FarPlane}, {0, 0, 1}};
}

}  // namespace scene
