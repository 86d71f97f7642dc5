// A sphere of diameter 1 about the origin, as a grid of SubdivisionsAxes columns (longitude,
// 3..50) by SubdivisionsHeight bands (latitude, 2..50).
//
// Vertex (i, k) of row i (latitude from the -Y pole up) and column k (longitude from +X
// towards +Z) has index i * (A + 1) + k; column A repeats column 0 with u = 1 (the seam), the
// pole rows give each column its own vertex with the u of the middle of its segment. Texture
// coordinates: u = k / A, v = i / H (v 0 at the -Y pole). Triangles are wound so that they
// face outwards as front faces.
#pragma once

#include "scene/objects/Shape3D.h"

namespace scene {

class TSphere : public TCustomMesh {
 public:
  TSphere();

  int SubdivisionsAxes() const { return FSubdivisionsAxes; }
  void SetSubdivisionsAxes(int v);
  int SubdivisionsHeight() const { return FSubdivisionsHeight; }
  void SetSubdivisionsHeight(int v);

  // The shape WrapMode gives it in local coordinates (not the mesh's triangles).
  bool RayCastIntersect(const TVector3D& rayPos, const TVector3D& rayDir,
                        TVector3D& intersection) const override;

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 private:
  void RebuildMesh();

  int FSubdivisionsAxes = 16;
  int FSubdivisionsHeight = 12;
};

// Builds the sphere mesh of A columns and H bands (already in range) into `data`.
void BuildSphereMesh(int axes, int bands, TMeshData& data);

}  // namespace scene
