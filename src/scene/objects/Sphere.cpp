#include "scene/objects/Sphere.h"

#include <algorithm>
#include <cmath>

#include "scene/math/ShapeHits.h"
#include "scene/objects/MeshAngles.h"
#include "scene/render/Context3D.h"

namespace scene {

using namespace meshangles;

void BuildSphereMesh(int axes, int bands, TMeshData& data) {
  const int a = axes, h = bands, j = a + 1;
  std::vector<TMeshVertex> vertices(static_cast<size_t>(j * (h + 1) - 1));
  const float dTheta = TwoPi / static_cast<float>(a);
  const float dPhi = Pi / static_cast<float>(h);
  auto at = [&](int i, int k) -> TMeshVertex& { return vertices[static_cast<size_t>(i * j + k)]; };

  float phi = -1.5707964f;
  for (int i = 0; i < h; ++i) {
    float theta = 0;
    const float cp = Cos(phi), sp = Sin(phi);
    for (int k = 0; k < a; ++k) {
      const float ct = Cos(theta), st = Sin(theta);
      TMeshVertex& v = at(i, k);
      v.Position = {0.5f * cp * ct, 0.5f * sp, 0.5f * cp * st};
      v.Normal = Normalize({cp * ct, sp, cp * st});
      v.TexCoord0 = {static_cast<float>(k) / static_cast<float>(a),
                     static_cast<float>(i) / static_cast<float>(h)};
      if (i == 0) v.TexCoord0 = {(static_cast<float>(k) + 0.5f) / static_cast<float>(a), 0};
      if (k == 0) {
        TMeshVertex& seam = at(i, a);
        seam.Position = v.Position;
        seam.Normal = v.Normal;
        seam.TexCoord0 = {1, static_cast<float>(i) / static_cast<float>(h)};
      }
      theta += dTheta;
    }
    phi += dPhi;
  }
  for (int k = 0; k < a; ++k) {
    TMeshVertex& v = at(h, k);
    v.Position = {0, 0.5f, 0};
    v.Normal = {0, 1, 0};
    v.TexCoord0 = {(static_cast<float>(k) + 0.5f) / static_cast<float>(a), 1};
  }

  std::vector<std::uint32_t> indices;
  indices.reserve(static_cast<size_t>(6 * a * (h - 2) + 6 * a));
  auto p = [j](int i, int k) { return static_cast<std::uint32_t>(i * j + k); };
  for (int i = 0; i < h; ++i) {
    for (int k = 0; k < a; ++k) {
      if (i == 0) {
        indices.insert(indices.end(), {p(0, k), p(1, k + 1), p(1, k)});
      } else if (i == h - 1) {
        indices.insert(indices.end(), {p(i, k), p(i, k + 1), p(h, k)});
      } else {
        indices.insert(indices.end(), {p(i, k), p(i + 1, k + 1), p(i + 1, k)});
        indices.insert(indices.end(), {p(i, k), p(i, k + 1), p(i + 1, k + 1)});
      }
    }
  }
  data.Assign(std::move(vertices), std::move(indices));
}

TSphere::TSphere() {
  RebuildMesh();
}

void TSphere::SetSubdivisionsAxes(int v) {
  if (v == FSubdivisionsAxes) return;
  FSubdivisionsAxes = std::clamp(v, 3, 50);
  RebuildMesh();
}

void TSphere::SetSubdivisionsHeight(int v) {
  if (v == FSubdivisionsHeight) return;
  FSubdivisionsHeight = std::clamp(v, 2, 50);
  RebuildMesh();
}

void TSphere::RebuildMesh() {
  BuildSphereMesh(FSubdivisionsAxes, FSubdivisionsHeight, MutableData());
  FCoarser.clear();
  Repaint();
}

void TSphere::SetFitDetailToView(bool v) {
  if (v == FFitDetailToView) return;
  FFitDetailToView = v;
  Repaint();
}

int TSphere::AxesOnScreen(float radius) const {
  const int full = FSubdivisionsAxes;
  if (!FFitDetailToView || !(radius > 0)) return full;
  // A polygon of n sides in a circle of r pixels lies up to r (1 - cos(pi / n)) inside it:
  // the fewest columns whose outline lies within a tenth of a pixel of the full mesh's.
  const float allowed = 0.1f + radius * (1 - std::cos(Pi / static_cast<float>(full)));
  const float sides = allowed >= radius ? 0 : Pi / std::acos(1 - allowed / radius);
  // A multiple of four, so that the outline keeps the poles and the equator's quarter points.
  const int axes = std::max(8, (static_cast<int>(std::ceil(sides)) + 3) / 4 * 4);
  return axes < full ? axes : full;
}

void TSphere::Render(TContext3D& context) {
  const TMatrix3D matrix = MeshMatrix() * AbsoluteMatrix();
  context.SetMatrix(matrix);
  int axes = FSubdivisionsAxes;
  if (FFitDetailToView) {
    // The radius on screen: the sphere's (0.5 in mesh units) in camera space over the distance
    // of its nearest point, in pixels, stretched as a sphere seen off the view's centre is (by
    // less than 1 / cos^2 of the angle off the centre).
    const TMatrix3D view = matrix * context.CurrentCameraMatrix();
    const float radius = 0.5f * std::max({Length(TPoint3D{view.m11, view.m12, view.m13}),
                                          Length(TPoint3D{view.m21, view.m22, view.m23}),
                                          Length(TPoint3D{view.m31, view.m32, view.m33})});
    const TMatrix3D clip = context.CurrentModelViewProjection();
    const float distance = clip.m44;
    if (distance - radius > TContext3D::NearPlane) {
      const TMatrix3D& projection = context.CurrentProjectionMatrix();
      const float tanX = clip.m41 / distance / projection.m11;
      const float tanY = clip.m42 / distance / projection.m22;
      const float stretch = 1 + tanX * tanX + tanY * tanY;
      const float pixelsPerUnit = std::max(std::abs(projection.m11) * context.Width(),
                                           std::abs(projection.m22) * context.Height()) /
                                  2;
      axes = AxesOnScreen(stretch * radius * pixelsPerUnit / (distance - radius));
    }
  }
  if (axes >= FSubdivisionsAxes) {
    context.DrawTriangles(Data(), RenderMaterial(), AbsoluteOpacity());
    return;
  }
  std::unique_ptr<TMeshData>& coarser = FCoarser[axes];
  if (!coarser) {
    coarser = std::make_unique<TMeshData>();
    BuildSphereMesh(axes, std::min(FSubdivisionsHeight, std::max(2, axes / 2)), *coarser);
  }
  // Under the full mesh's matrix: the coarser one is inscribed in the same sphere.
  context.DrawTriangles(*coarser, RenderMaterial(), AbsoluteOpacity());
}

bool TSphere::RayCastIntersect(const TVector3D& rayPos, const TVector3D& rayDir,
                               TVector3D& intersection) const {
  TPoint3D halfAxes;
  switch (WrapMode()) {
    case TMeshWrapMode::Original:
    case TMeshWrapMode::Stretch:
      halfAxes = {Width() / 2, Height() / 2, Depth() / 2};
      break;
    case TMeshWrapMode::Fit: {
      const float r = std::min({Width(), Height(), Depth()}) / 2;
      halfAxes = {r, r, r};
      break;
    }
    case TMeshWrapMode::Resize:
      halfAxes = {0.5f, 0.5f, 0.5f};
      break;
  }
  const TPickRay local{rayPos.ToPoint(), rayDir.ToPoint()};
  return HitInScene(AbsoluteMatrix(), local, EllipsoidHit(local, halfAxes), intersection);
}

const TPropertyTable& TSphere::ClassProperties() {
  static const TPropertyTable table(
      &TShape3D::ClassProperties(),
      {OtherProperty("SubdivisionsAxes"), OtherProperty("SubdivisionsHeight")});
  return table;
}

}  // namespace scene
