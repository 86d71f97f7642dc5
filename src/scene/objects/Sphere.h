// A sphere of diameter 1 about the origin, as a grid of SubdivisionsAxes columns (longitude,
// 3..50) by SubdivisionsHeight bands (latitude, 2..50).
//
// Vertex (i, k) of row i (latitude from the -Y pole up) and column k (longitude from +X
// towards +Z) has index i * (A + 1) + k; column A repeats column 0 with u = 1 (the seam), the
// pole rows give each column its own vertex with the u of the middle of its segment. Texture
// coordinates: u = k / A, v = i / H (v 0 at the -Y pole). Triangles are wound so that they
// face outwards as front faces.
#pragma once

#include <map>
#include <memory>

#include "scene/objects/Shape3D.h"

namespace scene {

class TSphere : public TCustomMesh {
 public:
  TSphere();

  int SubdivisionsAxes() const { return FSubdivisionsAxes; }
  void SetSubdivisionsAxes(int v);
  int SubdivisionsHeight() const { return FSubdivisionsHeight; }
  void SetSubdivisionsHeight(int v);

  // Detail that follows the size on screen: while the sphere covers few pixels it is drawn
  // with fewer subdivisions, as many as keep its outline within a tenth of a pixel of the full
  // mesh's (a difference no eye tells apart). Picking keeps the exact shape. Off by default.
  bool FitsDetailToView() const { return FFitDetailToView; }
  void SetFitDetailToView(bool v);
  // The columns the sphere is drawn with at `radius` pixels on screen (SubdivisionsAxes, or
  // fewer when it fits its detail to the view); its bands are half as many, at most
  // SubdivisionsHeight.
  int AxesOnScreen(float radius) const;

  void Render(TContext3D& context) override;

  // The shape WrapMode gives it in local coordinates (not the mesh's triangles).
  bool RayCastIntersect(const TVector3D& rayPos, const TVector3D& rayDir,
                        TVector3D& intersection) const override;

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 private:
  void RebuildMesh();

  int FSubdivisionsAxes = 16;
  int FSubdivisionsHeight = 12;
  bool FFitDetailToView = false;
  // The meshes of fewer columns made so far, by their column count.
  std::map<int, std::unique_ptr<TMeshData>> FCoarser;
};

// Builds the sphere mesh of A columns and H bands (already in range) into `data`.
void BuildSphereMesh(int axes, int bands, TMeshData& data);

}  // namespace scene
