// Shapes: 3D objects drawn with a material, and meshes generated from a few numbers.
//
// TShape3D adds MaterialSource (forgotten when the source is freed) and WrapMode. TCustomMesh
// owns the generated TMeshData and draws it: the model matrix is the mesh matrix (chosen by
// WrapMode from Width, Height, Depth and the mesh's bounding box) times AbsoluteMatrix, with
// the source's material and the object's absolute opacity.
#pragma once

#include "scene/objects/Control3D.h"
#include "scene/render/MeshData.h"

namespace scene {

class TMaterialSource;

enum class TMeshWrapMode { Original, Fit, Stretch, Resize };

// The matrix that maps a generated mesh with bounding box `box` into the object's W x H x D:
//   Original  scale by (W, H, D);
//   Fit       centre the box and scale by 1/R, R = max(s.x/W, s.y/H, s.z/D) (identity when a
//             size is not positive);
//   Stretch   fill -W/2..W/2 (and so on), an axis whose box size is 0.0001 or less keeping
//             factor 1;
//   Resize    identity.
TMatrix3D WrapModeMatrix(TMeshWrapMode mode, float width, float height, float depth,
                         const TMeshBounds& box);

class TShape3D : public TControl3D {
 public:
  ~TShape3D() override;

  TMaterialSource* MaterialSource() const { return FMaterialSource; }
  void SetMaterialSource(TMaterialSource* source);
  TMeshWrapMode WrapMode() const { return FWrapMode; }
  void SetWrapMode(TMeshWrapMode mode);

  const TMaterial* RenderMaterial() const override;

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  void ObservedFreed(TSceneNode* dying) override;

 private:
  TMaterialSource* FMaterialSource = nullptr;
  TMeshWrapMode FWrapMode = TMeshWrapMode::Stretch;
};

class TCustomMesh : public TShape3D {
 public:
  const TMeshData& Data() const { return FData; }
  TMatrix3D MeshMatrix() const;

  void Render(TContext3D& context) override;
  std::optional<TDrawnBounds> DrawnBounds() const override;

 protected:
  TMeshData& MutableData() { return FData; }

 private:
  TMeshData FData;
};

}  // namespace scene
