#include "scene/objects/Shape3D.h"

#include <algorithm>

#include "scene/materials/MaterialSource.h"
#include "scene/render/Context3D.h"

namespace scene {

TMatrix3D WrapModeMatrix(TMeshWrapMode mode, float width, float height, float depth,
                         const TMeshBounds& box) {
  const TPoint3D s = box.Size();
  switch (mode) {
    case TMeshWrapMode::Original:
      return TMatrix3D::Scaling({width, height, depth});
    case TMeshWrapMode::Fit: {
      if (width <= 0 || height <= 0 || depth <= 0) return TMatrix3D::Identity();
      const float r = std::max({s.X / width, s.Y / height, s.Z / depth});
      if (!(r > 0)) return TMatrix3D::Identity();
      const float k = 1.0f / r;
      return TMatrix3D::Translation(-box.Min) * TMatrix3D::Scaling({k, k, k}) *
             TMatrix3D::Translation({-s.X / 2 * k, -s.Y / 2 * k, -s.Z / 2 * k});
    }
    case TMeshWrapMode::Stretch: {
      auto factor = [](float size, float target) { return size <= 0.0001f ? 1.0f : target / size; };
      return TMatrix3D::Translation(-box.Min) *
             TMatrix3D::Scaling({factor(s.X, width), factor(s.Y, height), factor(s.Z, depth)}) *
             TMatrix3D::Translation({-width / 2, -height / 2, -depth / 2});
    }
    case TMeshWrapMode::Resize:
      break;
  }
  return TMatrix3D::Identity();
}

TShape3D::~TShape3D() {
  if (FMaterialSource) FMaterialSource->RemoveFreeObserver(this);
}

void TShape3D::SetMaterialSource(TMaterialSource* source) {
  if (source == FMaterialSource) return;
  if (FMaterialSource) FMaterialSource->RemoveFreeObserver(this);
  FMaterialSource = source;
  if (FMaterialSource) FMaterialSource->AddFreeObserver(this);
  Repaint();
}

void TShape3D::SetWrapMode(TMeshWrapMode mode) {
  if (mode == FWrapMode) return;
  FWrapMode = mode;
  Repaint();
}

const TMaterial* TShape3D::RenderMaterial() const {
  return FMaterialSource ? FMaterialSource->Material() : nullptr;
}

void TShape3D::ObservedFreed(TSceneNode* dying) {
  if (dying == FMaterialSource) {
    FMaterialSource = nullptr;
    Repaint();
  }
}

const TPropertyTable& TShape3D::ClassProperties() {
  static const TPropertyTable table(&TControl3D::ClassProperties(),
                                    {OtherProperty("MaterialSource"), OtherProperty("WrapMode")});
  return table;
}

TMatrix3D TCustomMesh::MeshMatrix() const {
  return WrapModeMatrix(WrapMode(), Width(), Height(), Depth(), FData.GetBoundingBox());
}

void TCustomMesh::Render(TContext3D& context) {
  context.SetMatrix(MeshMatrix() * AbsoluteMatrix());
  context.DrawTriangles(FData, RenderMaterial(), AbsoluteOpacity());
}

std::optional<TControl3D::TDrawnBounds> TCustomMesh::DrawnBounds() const {
  if (FData.IndexCount() == 0) return std::nullopt;
  const TMeshBounds& box = FData.GetBoundingBox();
  return TDrawnBounds{box.Min, box.Max, MeshMatrix() * AbsoluteMatrix()};
}

}  // namespace scene
