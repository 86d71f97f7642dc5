// The ray that finds what lies under a point of the view.
//
// Origin is the eye in scene coordinates; Direction is a unit vector from the eye through the
// point one unit in front of it that the camera and the view's projection draw at the given
// pixel, so it points into the scene. The projection is the one the render pass uses for a
// view of that pixel size (see PerspectiveProjection), so the ray and the picture agree.
#pragma once

#include "scene/math/Matrix3D.h"
#include "scene/math/Ray.h"

namespace scene {

class TCamera;

// The ray through pixel (x, y) (top-left origin, y down) of a view `width` x `height` pixels
// seen through `cameraMatrix` with a vertical angle of view in degrees.
TPickRay ViewRay(const TMatrix3D& cameraMatrix, float angleOfView, float x, float y, int width,
                 int height);
// The same through `camera` as the render pass sets it up.
TPickRay ViewRay(const TCamera& camera, float x, float y, int width, int height);

}  // namespace scene
