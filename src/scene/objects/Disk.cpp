#include "scene/objects/Disk.h"

#include <algorithm>

#include "scene/math/ShapeHits.h"
#include "scene/objects/MeshAngles.h"

namespace scene {

using namespace meshangles;

void BuildDiskMesh(int axes, int rings, TMeshData& data) {
  const int a = axes, cap = rings, c = a + 1, e = c * cap + 1;
  std::vector<TMeshVertex> vertices(static_cast<size_t>(2 * e));
  const float dTheta = TwoPi / static_cast<float>(a);

  for (int i = 0; i < cap; ++i) {
    const float r = static_cast<float>(i + 1) / static_cast<float>(cap);
    float theta = 0;
    for (int k = 0; k < a; ++k) {
      const float ct = Cos(theta), st = Sin(theta);
      TMeshVertex v;
      v.Position = {0.5f * r * ct, 0, 0.5f * r * st};
      v.Normal = {0, -1, 0};
      v.TexCoord0 = {0.5f + 0.5f * r * ct, 1 - (0.5f + 0.5f * r * st)};
      vertices[static_cast<size_t>(i * c + k)] = v;
      if (k == 0) vertices[static_cast<size_t>(i * c + a)] = v;
      theta += dTheta;
    }
  }
  vertices[static_cast<size_t>(e - 1)] = {{0, 0, 0}, {0, -1, 0}, {0.5f, 0.5f}};
  // Face 2: the same positions and texture coordinates, facing +Y.
  for (int i = 0; i < e; ++i) {
    TMeshVertex v = vertices[static_cast<size_t>(i)];
    v.Normal = {0, 1, 0};
    vertices[static_cast<size_t>(e + i)] = v;
  }

  std::vector<std::uint32_t> indices;
  indices.reserve(static_cast<size_t>(2 * (6 * a * (cap - 1) + 3 * a)));
  auto vtx = [c](int i, int k) { return static_cast<std::uint32_t>(i * c + k); };
  auto wtx = [c, e](int i, int k) { return static_cast<std::uint32_t>(e + i * c + k); };
  const auto centre1 = static_cast<std::uint32_t>(e - 1);
  const auto centre2 = static_cast<std::uint32_t>(2 * e - 1);
  for (int i = 0; i < cap; ++i) {
    for (int k = 0; k < a; ++k) {
      if (i == 0) {
        indices.insert(indices.end(), {vtx(0, k), centre1, vtx(0, k + 1)});
      } else {
        indices.insert(indices.end(), {vtx(i, k), vtx(i - 1, k), vtx(i - 1, k + 1)});
        indices.insert(indices.end(), {vtx(i, k), vtx(i - 1, k + 1), vtx(i, k + 1)});
      }
    }
  }
  for (int i = 0; i < cap; ++i) {
    for (int k = 0; k < a; ++k) {
      if (i == 0) {
        indices.insert(indices.end(), {wtx(0, k), wtx(0, k + 1), centre2});
      } else {
        indices.insert(indices.end(), {wtx(i, k), wtx(i - 1, k + 1), wtx(i - 1, k)});
        indices.insert(indices.end(), {wtx(i, k), wtx(i, k + 1), wtx(i - 1, k + 1)});
      }
    }
  }
  data.Assign(std::move(vertices), std::move(indices));
}

TDisk::TDisk() {
  TControl3D::SetHeight(FixedHeight);
  RebuildMesh();
}

void TDisk::SetHeight(float /*v*/) {
  TControl3D::SetHeight(FixedHeight);
}

void TDisk::SetSubdivisionsAxes(int v) {
  if (v == FSubdivisionsAxes) return;
  FSubdivisionsAxes = std::max(v, 3);
  RebuildMesh();
}

void TDisk::SetSubdivisionsCap(int v) {
  if (v == FSubdivisionsCap) return;
  FSubdivisionsCap = std::max(v, 1);
  RebuildMesh();
}

void TDisk::RebuildMesh() {
  BuildDiskMesh(FSubdivisionsAxes, FSubdivisionsCap, MutableData());
  Repaint();
}

bool TDisk::RayCastIntersect(const TVector3D& rayPos, const TVector3D& rayDir,
                             TVector3D& intersection) const {
  float a = 1, b = 1;
  switch (WrapMode()) {
    case TMeshWrapMode::Original:
    case TMeshWrapMode::Stretch:
      a = Width();
      b = Depth();
      break;
    case TMeshWrapMode::Fit:
      a = b = std::min(Width(), Depth());
      break;
    case TMeshWrapMode::Resize:
      break;
  }
  const TPickRay local{rayPos.ToPoint(), rayDir.ToPoint()};
  return HitInScene(AbsoluteMatrix(), local, EllipseHit(local, a, b), intersection);
}

const TPropertyTable& TDisk::ClassProperties() {
  static const TPropertyTable table(
      &TShape3D::ClassProperties(),
      {OtherProperty("SubdivisionsAxes"), OtherProperty("SubdivisionsCap")});
  return table;
}

}  // namespace scene
