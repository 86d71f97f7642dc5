// The generated sphere and disk: counts, the named vertices and triangles, clamps, facing,
// the bounding box and the wrap-mode matrices.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>

#include "scene/objects/Disk.h"
#include "scene/objects/Sphere.h"

namespace scene {
namespace {

using TTriangle = std::array<std::uint32_t, 3>;

TTriangle Triangle(const TMeshData& mesh, int n) {
  const auto& i = mesh.IndexBuffer();
  return {i[3 * n], i[3 * n + 1], i[3 * n + 2]};
}

struct Sphere50 : ::testing::Test {
  TSphere sphere;
  Sphere50() {
    sphere.SetSubdivisionsAxes(50);
    sphere.SetSubdivisionsHeight(50);
  }
  const TMeshData& mesh() const { return sphere.Data(); }
  const TMeshVertex& vertex(int i) const { return mesh().VertexBuffer()[i]; }
};

TEST_F(Sphere50, HasTheCountsAndNamedTriangles) {
  EXPECT_EQ(mesh().VertexCount(), 2600);
  EXPECT_EQ(mesh().IndexCount(), 14700);
  const struct {
    int triangle;
    TTriangle indices;
  } cases[] = {
      {0, {0, 52, 51}},                        // band 0: one triangle per column
      {50, {51, 103, 102}},                    // band 1 begins with two triangles per column
      {51, {51, 52, 103}},                     //
      {50 + 2 * 50 * 48, {2499, 2500, 2550}},  // band 49: one triangle per column
      {4899, {2548, 2549, 2599}},              // the last
  };
  for (const auto& c : cases)
    EXPECT_EQ(Triangle(mesh(), c.triangle), c.indices) << c.triangle;
}

TEST_F(Sphere50, PlacesPolesSeamAndEquator) {
  const struct {
    int index;
    TPoint3D position;
    float tolerance;
    TTexCoord uv;
  } cases[] = {
      {0, {0, -0.5f, 0}, 1e-7f, {0.01f, 0}},   // the -Y pole, middle of its segment
      {2550, {0, 0.5f, 0}, 0, {0.01f, 1}},     // the +Y pole, exact
      {1275, {0.5f, 0, 0}, 1e-6f, {0, 0.5f}},  // row 25, column 0
      {101, {0, 0, 0}, 0, {1, 0.02f}},         // row 1, the seam (position checked below)
  };
  for (const auto& c : cases) {
    const TMeshVertex& v = vertex(c.index);
    if (c.index != 101) {
      EXPECT_NEAR(v.Position.X, c.position.X, c.tolerance) << c.index;
      EXPECT_NEAR(v.Position.Y, c.position.Y, c.tolerance) << c.index;
      EXPECT_NEAR(v.Position.Z, c.position.Z, c.tolerance) << c.index;
    }
    EXPECT_FLOAT_EQ(v.TexCoord0.U, c.uv.U) << c.index;
    EXPECT_FLOAT_EQ(v.TexCoord0.V, c.uv.V) << c.index;
  }
  EXPECT_EQ(vertex(101).Position, vertex(51).Position);
  EXPECT_EQ(vertex(101).Normal, vertex(51).Normal);
  EXPECT_EQ(vertex(2550).Normal, (TPoint3D{0, 1, 0}));
  // Equirectangular layout: u grows towards +Z (u = 0.25 at +Z).
  EXPECT_GT(vertex(1275 + 12).Position.Z, 0.49f);
  EXPECT_NEAR(vertex(1275 + 12).TexCoord0.U, 0.24f, 1e-6f);
}

TEST_F(Sphere50, BoundingBoxIsCachedAndMatchesTheMesh) {
  const TMeshBounds& box = mesh().GetBoundingBox();
  EXPECT_NEAR(box.Min.X, -0.5f, 1e-6f);
  EXPECT_NEAR(box.Max.Y, 0.5f, 1e-6f);
  EXPECT_NEAR(box.Max.Z, 0.499013f, 1e-6f);
  EXPECT_NEAR(box.Min.Z, -0.499013f, 1e-6f);
  sphere.SetSubdivisionsAxes(4);  // a square cross-section: z reaches 0.5
  EXPECT_NEAR(mesh().GetBoundingBox().Max.Z, 0.5f, 1e-6f);
}

// Fitting its detail to the view, a sphere keeps its outline within a tenth of a pixel of the
// full mesh's: fewer columns the smaller it is on screen, never more than it has, a multiple of
// four, and the full mesh when it is large or fitting is off.
TEST(Sphere, DetailFitsTheSizeOnScreenWithinATenthOfAPixel) {
  TSphere sphere;
  sphere.SetSubdivisionsAxes(50);
  sphere.SetSubdivisionsHeight(50);
  EXPECT_EQ(sphere.AxesOnScreen(3), 50) << "fitting is off by default";
  sphere.SetFitDetailToView(true);
  const auto inset = [](float radius, int axes) {
    return radius * (1 - std::cos(3.14159265f / static_cast<float>(axes)));
  };
  int previous = 0;
  for (float radius : {0.5f, 2.0f, 5.0f, 10.0f, 20.0f, 30.0f, 50.0f, 200.0f, 2000.0f}) {
    SCOPED_TRACE(radius);
    const int axes = sphere.AxesOnScreen(radius);
    EXPECT_GE(axes, previous) << "more pixels, no fewer columns";
    EXPECT_TRUE(axes == 50 || (axes % 4 == 0 && axes >= 8)) << axes;
    EXPECT_LE(inset(radius, axes) - inset(radius, 50), 0.1f) << axes;
    if (axes > 8 && axes < 50) {
      EXPECT_GT(inset(radius, axes - 4) - inset(radius, 50), 0.1f) << "more columns than needed";
    }
    previous = axes;
  }
  EXPECT_LE(sphere.AxesOnScreen(5), 24);
  EXPECT_EQ(sphere.AxesOnScreen(2000), 50);
  EXPECT_EQ(sphere.AxesOnScreen(0), 50);
}

TEST(Sphere, SubdivisionsAreClamped) {
  const struct {
    int axes, height, heldAxes, heldHeight, vertices;
  } cases[] = {{60, 60, 50, 50, 2600}, {1, 1, 3, 2, 11}, {16, 12, 16, 12, 220}};
  for (const auto& c : cases) {
    TSphere s;
    s.SetSubdivisionsAxes(c.axes);
    s.SetSubdivisionsHeight(c.height);
    EXPECT_EQ(s.SubdivisionsAxes(), c.heldAxes);
    EXPECT_EQ(s.SubdivisionsHeight(), c.heldHeight);
    EXPECT_EQ(s.Data().VertexCount(), c.vertices);
    // The smallest sphere: two bands of one triangle per column.
    EXPECT_EQ(s.Data().IndexCount(), 6 * c.heldAxes * (c.heldHeight - 2) + 6 * c.heldAxes);
  }
}

struct Disk50 : ::testing::Test {
  TDisk disk;
  Disk50() { disk.SetSubdivisionsAxes(50); }
};

TEST_F(Disk50, HasBothFacesWithTheirFirstTriangles) {
  const TMeshData& m = disk.Data();
  EXPECT_EQ(m.VertexCount(), 104);
  EXPECT_EQ(m.IndexCount(), 300);
  EXPECT_EQ(Triangle(m, 0), (TTriangle{0, 51, 1}));
  EXPECT_EQ(Triangle(m, 50), (TTriangle{52, 53, 103}));
  EXPECT_EQ(m.VertexBuffer()[51].Position, (TPoint3D{0, 0, 0}));
  EXPECT_EQ(m.VertexBuffer()[51].TexCoord0, (TTexCoord{0.5f, 0.5f}));
  EXPECT_EQ(m.VertexBuffer()[50].Position, m.VertexBuffer()[0].Position);  // seam copy
  // Planar mapping: u = x + 0.5, v = 0.5 - z.
  for (const TMeshVertex& v : m.VertexBuffer()) {
    EXPECT_NEAR(v.TexCoord0.U, v.Position.X + 0.5f, 1e-6f);
    EXPECT_NEAR(v.TexCoord0.V, 0.5f - v.Position.Z, 1e-6f);
  }
}

TEST_F(Disk50, HeightIsFixedAndSubdivisionsClamped) {
  for (float h : {1.0f, 0.0f, 5.0f}) {
    disk.SetHeight(h);
    EXPECT_EQ(disk.Height(), 0.001f);
  }
  disk.SetSubdivisionsAxes(1);
  disk.SetSubdivisionsCap(0);
  EXPECT_EQ(disk.SubdivisionsAxes(), 3);
  EXPECT_EQ(disk.SubdivisionsCap(), 1);
  disk.SetSubdivisionsAxes(80);  // no upper bound
  disk.SetSubdivisionsCap(3);
  EXPECT_EQ(disk.Data().VertexCount(), 2 * (81 * 3 + 1));
  EXPECT_EQ(disk.Data().IndexCount(), 2 * (6 * 80 * 2 + 3 * 80));
}

// Every triangle's (v1 - v0) x (v2 - v0) points against its vertex normals: front faces are
// those seen from the side the normals point to.
TEST(Facing, WindingRunsAgainstTheNormals) {
  TSphere sphere;
  sphere.SetSubdivisionsAxes(20);
  sphere.SetSubdivisionsHeight(10);
  TDisk disk;
  disk.SetSubdivisionsCap(3);
  for (const TMeshData* m : {&sphere.Data(), &disk.Data()}) {
    const auto& v = m->VertexBuffer();
    for (int t = 0; t < m->IndexCount() / 3; ++t) {
      const TTriangle tri = Triangle(*m, t);
      const TPoint3D a = v[tri[0]].Position, b = v[tri[1]].Position, c = v[tri[2]].Position;
      const TPoint3D n = v[tri[0]].Normal + v[tri[1]].Normal + v[tri[2]].Normal;
      EXPECT_LT(Dot(Cross(b - a, c - a), n), 0) << "triangle " << t;
    }
  }
}

TEST(WrapMode, MapsTheUnitSphereIntoItsSize) {
  TSphere sphere;
  sphere.SetSubdivisionsAxes(50);
  sphere.SetSubdivisionsHeight(50);
  sphere.SetWidth(2);
  const struct {
    TMeshWrapMode mode;
    TPoint3D size;
  } cases[] = {
      {TMeshWrapMode::Fit, {1, 1, 0.998027f}},       // drawn unchanged
      {TMeshWrapMode::Original, {2, 1, 0.998027f}},  // scaled by the size, box unused
      {TMeshWrapMode::Stretch, {2, 1, 1}},           // the box fills the size exactly
      {TMeshWrapMode::Resize, {1, 1, 0.998027f}},
  };
  const TMeshBounds& box = sphere.Data().GetBoundingBox();
  for (const auto& c : cases) {
    sphere.SetWrapMode(c.mode);
    const TMatrix3D m = sphere.MeshMatrix();
    const TPoint3D lo = TransformPoint(box.Min, m), hi = TransformPoint(box.Max, m);
    EXPECT_NEAR(hi.X - lo.X, c.size.X, 1e-5f) << static_cast<int>(c.mode);
    EXPECT_NEAR(hi.Y - lo.Y, c.size.Y, 1e-5f) << static_cast<int>(c.mode);
    EXPECT_NEAR(hi.Z - lo.Z, c.size.Z, 1e-5f) << static_cast<int>(c.mode);
    EXPECT_NEAR(lo.X + hi.X, 0, 1e-6f);  // centred
  }
}

TEST(WrapMode, StretchedRingDiscKeepsItsFlatAxisAndMovesHalfItsHeight) {
  TDisk disk;
  disk.SetSubdivisionsAxes(50);
  const TMatrix3D m = disk.MeshMatrix();  // Stretch by default, W = D = 1, H = 0.001
  EXPECT_FLOAT_EQ(m.m11, 1);
  EXPECT_NEAR(m.m33, 1 / 0.998027f, 1e-5f);
  EXPECT_EQ(m.m22, 1);               // the disc has no y extent
  EXPECT_FLOAT_EQ(m.m42, -0.0005f);  // moved by -H/2
  EXPECT_NEAR(TransformPoint({0, 0, 0.499013f}, m).Z, 0.5f, 1e-6f);
  // Fit with a size that is not positive leaves the mesh unchanged.
  EXPECT_EQ(WrapModeMatrix(TMeshWrapMode::Fit, 0, 1, 1, disk.Data().GetBoundingBox()),
            TMatrix3D::Identity());
}

}  // namespace
}  // namespace scene
