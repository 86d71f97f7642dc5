// The generated meshes of TSphere and TDisk.
//
// Angles advance in single precision: each step is computed once from single-precision pi
// and 2 pi and added to the previous angle, so vertices land exactly where the stored scenes
// expect them (seams and poles included).
#include <algorithm>
#include <cmath>
#include <numbers>

#include "scene/objects/Disk.h"
#include "scene/objects/Sphere.h"

namespace scene {

namespace {

constexpr float Pi = std::numbers::pi_v<float>;
constexpr float TwoPi = 2 * std::numbers::pi_v<float>;

float Cos(float a) {
  return static_cast<float>(std::cos(static_cast<double>(a)));
}
float Sin(float a) {
  return static_cast<float>(std::sin(static_cast<double>(a)));
}

}  // namespace

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

// --- TSphere ---------------------------------------------------------------------------------

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

const TPropertyTable& TSphere::ClassProperties() {
  static const TPropertyTable table(
      &TShape3D::ClassProperties(),
      {OtherProperty("SubdivisionsAxes"), OtherProperty("SubdivisionsHeight")});
  return table;
}

// --- TDisk -----------------------------------------------------------------------------------

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

const TPropertyTable& TDisk::ClassProperties() {
  static const TPropertyTable table(
      &TShape3D::ClassProperties(),
      {OtherProperty("SubdivisionsAxes"), OtherProperty("SubdivisionsCap")});
  return table;
}

}  // namespace scene
