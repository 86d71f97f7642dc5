// The base of every object of the 3D scene (pivot, camera, light, meshes): its placement in
// the parent's frame, its size and drawing switches, and its link to the viewport it is shown
// in. Parents own their children. Lengths are scene units, angles degrees.
//
// Position, Scale and RotationCenter go straight into the local matrix. RotationAngle does
// not hold the orientation; it records writes. Writing one coordinate turns the object by the
// difference between the new value and the one written before, brought into 0..360, about that
// axis of the object's own, already turned frame (FQuaternion := FQuaternion * turn). After a
// turn the coordinate reads back in 0..360, so adding to the value read turns by exactly that
// amount. This is what lets a drag turn a pivot step by step about its own axes. When all
// three angles are 0 (within 0.0001) at a rebuild, the orientation resets to identity.
//
// Any placement change rebuilds LocalMatrix at once, marks the absolute matrices of the object
// and its subtree stale (they are recomputed when read), re-sorts the object's children for
// drawing and asks the viewport for a render.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scene/input/PointerEvent.h"
#include "scene/math/Matrix3D.h"
#include "scene/math/Quaternion3D.h"
#include "scene/render/SceneHost.h"
#include "scene/tree/Position3D.h"
#include "scene/tree/SceneNode.h"

namespace scene {

class TContext3D;
class TMaterial;

enum class TAxis { X, Y, Z };

// r := v - 360 * trunc(v * single(1/360)), plus 360 when negative, in extended precision.
float ReduceAngle(float v);

class TControl3D : public TSceneNode, public IPointerTarget {
 public:
  TControl3D();
  ~TControl3D() override;

  TPosition3D& Position() { return FPosition; }
  TPosition3D& Scale() { return FScale; }
  TPosition3D& RotationAngle() { return FRotationAngle; }
  TPosition3D& RotationCenter() { return FRotationCenter; }
  const TPosition3D& Position() const { return FPosition; }
  const TPosition3D& Scale() const { return FScale; }
  const TPosition3D& RotationAngle() const { return FRotationAngle; }
  const TPosition3D& RotationCenter() const { return FRotationCenter; }

  const TQuaternion3D& Quaternion() const { return FQuaternion; }
  const TPoint3D& SavedRotationAngle() const { return FSavedRotationAngle; }

  // The stored orientation as saved with a scene, "(x,y,z,w)", under the property name
  // "Quanternion": stored scenes spell it so, and the misspelling stays. Reading stops at the first
  // piece that is not a number, keeping what was read; nothing else is touched.
  void ReadQuanternion(std::string_view text);
  std::string QuanternionText() const;
  bool HasStoredQuanternion() const { return !(FQuaternion == TQuaternion3D::Identity()); }

  float Width() const { return FWidth; }
  float Height() const { return FHeight; }
  float Depth() const { return FDepth; }
  virtual void SetWidth(float v);
  virtual void SetHeight(float v);
  virtual void SetDepth(float v);

  const TMatrix3D& LocalMatrix() const { return FLocalMatrix; }
  virtual const TMatrix3D& AbsoluteMatrix() const;
  const TMatrix3D& InvertAbsoluteMatrix() const;
  TVector3D AbsoluteLeft() const { return AbsoluteMatrix().Row(0); }
  TVector3D AbsoluteUp() const { return AbsoluteMatrix().Row(1); }
  TVector3D AbsoluteDirection() const { return AbsoluteMatrix().Row(2); }
  TVector3D AbsolutePosition() const { return AbsoluteMatrix().Row(3); }

  virtual TPoint3D AbsoluteToLocal3D(const TPoint3D& p) const;
  virtual TPoint3D LocalToAbsolute3D(const TPoint3D& p) const;
  virtual TVector3D LocalToAbsoluteVector(const TVector3D& v) const;
  TVector3D LocalToAbsoluteDirection(const TVector3D& v) const;
  TVector3D AbsoluteToLocalDirection(const TVector3D& v) const;

  void ResetRotationAngle();
  virtual void RebuildLocalMatrix();
  virtual void MarkAbsoluteStale();
  bool AbsoluteIsStale() const { return FRecalcAbsolute; }

  // Asks the viewport for a render when this object is visible, in a viewport, not being
  // destroyed and not inside an update block.
  void Repaint();

  // Drawing state read by the render pass.
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  bool HitTest() const { return FHitTest; }
  void SetHitTest(bool v) { FHitTest = v; }
  bool ZWrite() const { return FZWrite; }
  void SetZWrite(bool v);
  bool TwoSide() const { return FTwoSide; }
  void SetTwoSide(bool v);
  bool Opaque() const { return FOpaque; }
  void SetOpaque(bool v);
  float Opacity() const { return FOpacity; }
  void SetOpacity(float v);
  float AbsoluteOpacity() const;
  TProjectionKind Projection() const { return FProjection; }
  void SetProjection(TProjectionKind p);
  // A backdrop lies behind everything else in the view (a sky around the scene): while what it
  // draws stays the same, the viewport may lay in a kept image of it instead of drawing it,
  // with the same pixels.
  bool Backdrop() const { return FBackdrop; }
  void SetBackdrop(bool v) { FBackdrop = v; }

  ISceneHost* Viewport() const { return FViewport; }
  // The 3D children in drawing order (see RenderOrder.h).
  const std::vector<TControl3D*>& RenderList() const { return FRenderList; }
  void RebuildRenderList();

  // The material this object draws with, for grouping in the drawing order; none by default.
  virtual const TMaterial* RenderMaterial() const { return nullptr; }
  // Draws the object's own geometry (the pass has set the matrix and states); nothing here.
  // Where Render draws: a box in some coordinates and the matrix from them to the scene's
  // (absolute) coordinates. Nothing when unknown; an object without bounds is always drawn.
  struct TDrawnBounds {
    TPoint3D Min, Max;
    TMatrix3D ToAbsolute;
  };
  virtual std::optional<TDrawnBounds> DrawnBounds() const { return std::nullopt; }
  virtual void Render(TContext3D& /*context*/) {}
  std::function<void(TControl3D& sender, TContext3D& context)> OnRender;

  // Pointer input. The window routes each press, move and release to the one object under
  // the pointer (see picking/ObjectPick.h); the ray passed on is the pick ray in this object's
  // local coordinates. A click needs the press and the release on this object with the
  // pointer still over it; a press with ssDouble turns the release into a double-click.
  // RayCastIntersect tests the object's own shape against a local ray and gives the hit in
  // scene coordinates; nothing is hit here (a dummy, a camera, a light).
  virtual bool RayCastIntersect(const TVector3D& rayPos, const TVector3D& rayDir,
                                TVector3D& intersection) const;
  bool AutoCapture() const { return FAutoCapture; }
  void SetAutoCapture(bool v) { FAutoCapture = v; }
  bool IsMouseOver() const { return FIsMouseOver; }
  void SetMouseOver(bool v) { FIsMouseOver = v; }
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y, const TVector3D& rayPos,
                 const TVector3D& rayDir);
  void MouseMove(TShiftState shift, float x, float y, const TVector3D& rayPos,
                 const TVector3D& rayDir);
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y, const TVector3D& rayPos,
               const TVector3D& rayDir);
  void MouseWheel(TShiftState shift, int wheelDelta, bool& handled);
  // The click step of a release on this object, run just before MouseUp.
  void ReleaseClick();
  TMouseEvent3D OnMouseDown, OnMouseUp;
  TMouseMoveEvent3D OnMouseMove;

  // As the window's pointer routing sees this object: the steps above, and AutoCapture.
  IPointerTarget* PointerTarget() override { return this; }
  TSceneNode& PointerNode() override { return *this; }
  // The point in the viewport's coordinates and the pick ray in this object's own; a zero
  // point and no ray when the object is in no view.
  TPointerEvent PointerEventAt(float clientX, float clientY) override;
  void PointerDown(const TPointerEvent& event) override;
  void PointerMove(const TPointerEvent& event) override;
  void PointerClick(const TPointerEvent& /*event*/) override { ReleaseClick(); }
  void PointerUp(const TPointerEvent& event) override;
  void PointerWheel(TShiftState shift, int wheelDelta, bool& handled) override {
    MouseWheel(shift, wheelDelta, handled);
  }
  void PointerHover(bool over) override { SetMouseOver(over); }
  bool CapturesPointer() const override { return FAutoCapture; }
  TMouseWheelEvent OnMouseWheel;
  TSenderEvent OnClick, OnDblClick;

  bool IsVisualObject() const override { return true; }
  bool Is3DObject() const override { return true; }
  bool IsVisibleObject() const override { return FVisible; }

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  // The object's size changed (a mesh rebuilds its geometry).
  virtual void SizeChanged() {}
  virtual void ApplyAngleTriple();
  virtual void ApplyAxisAngle(TAxis axis);
  // The object joined or left a viewport; a light registers here.
  virtual void ViewportChanged(ISceneHost* /*old*/) {}

  void LoadingFinished() override;
  void ChildAdded(TSceneNode* child) override;
  void ChildRemoved(TSceneNode* child) override;
  void ParentChanged() override;
  void UpdateEnded() override;

 private:
  void SetViewport(ISceneHost* viewport);
  // The setters' shared paths: an unchanged value is ignored; a new one is stored, then a size
  // lets the object rebuild its geometry and asks for a render (not while loading), and a
  // drawing state asks for a render.
  void ChangeSize(float& field, float v);
  template <typename T>
  void ChangeDrawingState(T& field, T v);

  TPosition3D FPosition;
  TPosition3D FScale{{1, 1, 1}};
  TPosition3D FRotationAngle;
  TPosition3D FRotationCenter;
  TQuaternion3D FQuaternion;
  TPoint3D FSavedRotationAngle;
  TMatrix3D FLocalMatrix;
  mutable TMatrix3D FAbsoluteMatrix;
  mutable TMatrix3D FInvAbsoluteMatrix;
  mutable bool FRecalcAbsolute = true;
  float FWidth = 1, FHeight = 1, FDepth = 1;

  bool FVisible = true;
  bool FHitTest = true;
  bool FZWrite = true;
  bool FTwoSide = false;
  bool FOpaque = false;
  bool FBackdrop = false;
  float FOpacity = 1;
  TProjectionKind FProjection = TProjectionKind::Camera;

  bool FAutoCapture = false;
  bool FPressed = false;
  bool FDoubleClick = false;
  bool FIsMouseOver = false;

  TControl3D* FParent3D = nullptr;  // the parent when it is a 3D object
  ISceneHost* FViewport = nullptr;
  std::vector<TControl3D*> FRenderList;
};

// `node` as a 3D object, or null. A kind query and a static cast: the walks over every child at
// every write and pointer move would pay for a dynamic_cast through the object's several bases.
inline TControl3D* As3DObject(TSceneNode* node) {
  return node && node->Is3DObject() ? static_cast<TControl3D*>(node) : nullptr;
}

}  // namespace scene
