#include "scene/objects/Sphere.h"

#include <algorithm>

#include "scene/math/ShapeHits.h"
#include "scene/objects/MeshAngles.h"

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
  Repaint();
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
