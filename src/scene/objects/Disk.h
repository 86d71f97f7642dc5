// A flat disc of diameter 1 in the plane y = 0, as SubdivisionsAxes columns (3 or more) by
// SubdivisionsCap rings (1 or more), drawn from both sides.
//
// It has two faces of identical positions and texture coordinates: face 1 (normals -Y) first,
// then face 2 (normals +Y), each wound so that it is a front face seen from its normals' side.
// Texture coordinates are a planar projection: u = x + 0.5, v = 0.5 - z. Height is fixed:
// every assignment stores 0.001.
#pragma once

#include "scene/objects/Shape3D.h"

namespace scene {

class TDisk : public TCustomMesh {
 public:
  static constexpr float FixedHeight = 0.001f;

  TDisk();

  int SubdivisionsAxes() const { return FSubdivisionsAxes; }
  void SetSubdivisionsAxes(int v);
  int SubdivisionsCap() const { return FSubdivisionsCap; }
  void SetSubdivisionsCap(int v);
  void SetHeight(float v) override;

  // The shape WrapMode gives it in local coordinates (not the mesh's triangles).
  bool RayCastIntersect(const TVector3D& rayPos, const TVector3D& rayDir,
                        TVector3D& intersection) const override;

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 private:
  void RebuildMesh();

  int FSubdivisionsAxes = 16;
  int FSubdivisionsCap = 1;
};

// Builds the disk mesh of A columns and C rings (already in range) into `data`.
void BuildDiskMesh(int axes, int rings, TMeshData& data);

}  // namespace scene
