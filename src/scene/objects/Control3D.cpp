// TControl3D: construction, the size and drawing-state setters, the tree hooks and the
// property table. Its orientation and local matrix are in Control3DOrientation.cpp, its
// absolute matrices in Control3DMatrices.cpp, the drawing order of children in RenderOrder.cpp.
#include "scene/objects/Control3D.h"

#include <utility>

#include "scene/objects/RenderOrder.h"
#include "scene/render/SceneHost.h"

namespace scene {

TControl3D::TControl3D() {
  auto rebuild = [this](TPosition3D&) { RebuildLocalMatrix(); };
  FPosition.OnChange = rebuild;
  FScale.OnChange = rebuild;
  FRotationCenter.OnChange = rebuild;
  FRotationAngle.OnChangeX = [this](TPosition3D&) { ApplyAxisAngle(TAxis::X); };
  FRotationAngle.OnChangeY = [this](TPosition3D&) { ApplyAxisAngle(TAxis::Y); };
  FRotationAngle.OnChangeZ = [this](TPosition3D&) { ApplyAxisAngle(TAxis::Z); };
  FRotationAngle.OnChange = [this](TPosition3D&) { ApplyAngleTriple(); };
}

TControl3D::~TControl3D() {
  SetViewport(nullptr);
}

// --- size and drawing state ------------------------------------------------------------------

void TControl3D::ChangeSize(float& field, float v) {
  if (v == field) return;
  field = v;
  SizeChanged();
  if (!IsLoading()) Repaint();
}

template <typename T>
void TControl3D::ChangeDrawingState(T& field, T v) {
  if (v == field) return;
  field = v;
  Repaint();
}

void TControl3D::SetWidth(float v) {
  ChangeSize(FWidth, v);
}

void TControl3D::SetHeight(float v) {
  ChangeSize(FHeight, v);
}

void TControl3D::SetDepth(float v) {
  ChangeSize(FDepth, v);
}

void TControl3D::Repaint() {
  if (FVisible && FViewport && !IsDestroying() && !IsUpdating()) FViewport->RequestRender();
}

void TControl3D::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  // Hiding must also be seen, so this asks the viewport directly.
  if (FViewport && !IsDestroying()) FViewport->RequestRender();
}

void TControl3D::SetZWrite(bool v) {
  ChangeDrawingState(FZWrite, v);
}

void TControl3D::SetTwoSide(bool v) {
  ChangeDrawingState(FTwoSide, v);
}

void TControl3D::SetOpaque(bool v) {
  ChangeDrawingState(FOpaque, v);
}

void TControl3D::SetOpacity(float v) {
  ChangeDrawingState(FOpacity, v);
}

float TControl3D::AbsoluteOpacity() const {
  return FParent3D ? FOpacity * FParent3D->AbsoluteOpacity() : FOpacity;
}

void TControl3D::SetProjection(TProjectionKind p) {
  ChangeDrawingState(FProjection, p);
}

// --- tree ------------------------------------------------------------------------------------

void TControl3D::SetViewport(ISceneHost* viewport) {
  if (viewport == FViewport) return;
  ISceneHost* old = std::exchange(FViewport, viewport);
  ViewportChanged(old);
  for (TSceneNode* child : Children())
    if (auto* c = As3DObject(child)) c->SetViewport(viewport);
}

void TControl3D::ParentChanged() {
  FParent3D = As3DObject(Parent());
  SetViewport(FParent3D ? FParent3D->Viewport() : dynamic_cast<ISceneHost*>(Parent()));
  MarkAbsoluteStale();
}

void TControl3D::ChildAdded(TSceneNode* child) {
  if (As3DObject(child)) RebuildRenderList();
}

void TControl3D::ChildRemoved(TSceneNode* child) {
  if (As3DObject(child)) RebuildRenderList();
}

void TControl3D::UpdateEnded() {
  RebuildRenderList();
}

void TControl3D::LoadingFinished() {
  RebuildLocalMatrix();
}

void TControl3D::RebuildRenderList() {
  if (IsUpdating()) return;
  BuildRenderingList(*this, FViewport ? FViewport->Context() : nullptr, FRenderList);
}

// --- published properties --------------------------------------------------------------------

const TPropertyTable& TControl3D::ClassProperties() {
  using T = TControl3D;
  static const TPropertyTable table(
      &TSceneNode::ClassProperties(),
      {ObjectProperty<T>("Position", [](T& o) -> TPropertyHolder* { return &o.Position(); }),
       ObjectProperty<T>("Scale", [](T& o) -> TPropertyHolder* { return &o.Scale(); }),
       ObjectProperty<T>("RotationAngle",
                         [](T& o) -> TPropertyHolder* { return &o.RotationAngle(); }),
       ObjectProperty<T>("RotationCenter",
                         [](T& o) -> TPropertyHolder* { return &o.RotationCenter(); }),
       FloatProperty<T>(
           "Width", [](T& o) { return o.Width(); }, [](T& o, float v) { o.SetWidth(v); }),
       FloatProperty<T>(
           "Height", [](T& o) { return o.Height(); }, [](T& o, float v) { o.SetHeight(v); }),
       FloatProperty<T>(
           "Depth", [](T& o) { return o.Depth(); }, [](T& o, float v) { o.SetDepth(v); }),
       FloatProperty<T>(
           "Opacity", [](T& o) { return o.Opacity(); }, [](T& o, float v) { o.SetOpacity(v); }),
       OtherProperty("Visible"), OtherProperty("HitTest"), OtherProperty("ZWrite"),
       OtherProperty("TwoSide"), OtherProperty("Opaque"), OtherProperty("Projection"),
       OtherProperty("Quanternion")});
  return table;
}

}  // namespace scene
