#include "scene/picking/PickRay.h"

#include "scene/objects/Camera.h"
#include "scene/render/Context3D.h"

namespace scene {

TPickRay ViewRay(const TMatrix3D& cameraMatrix, float angleOfView, float x, float y, int width,
                 int height) {
  const TMatrix3D projection = PerspectiveProjection(angleOfView, width, height);
  // The pixel in normalised device coordinates, then the camera-space point at depth 1 in
  // front of the eye (the camera looks along -Z) that the projection maps there.
  const float w = width > 0 ? static_cast<float>(width) : 1.0f;
  const float h = height > 0 ? static_cast<float>(height) : 1.0f;
  const float nx = 2.0f * x / w - 1.0f;
  const float ny = 1.0f - 2.0f * y / h;
  const TPoint3D inCamera{nx / projection.m11, ny / projection.m22, -1.0f};
  const TMatrix3D toScene = cameraMatrix.Inverse();
  const TPoint3D eye = TransformPoint({}, toScene);
  const TPoint3D through = TransformPoint(inCamera, toScene);
  return {eye, Normalize(through - eye)};
}

TPickRay ViewRay(const TCamera& camera, float x, float y, int width, int height) {
  return ViewRay(camera.CameraMatrix(), camera.AngleOfView(), x, y, width, height);
}

}  // namespace scene
