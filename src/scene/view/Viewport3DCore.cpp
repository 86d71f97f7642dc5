#include "scene/view/Viewport3DCore.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "scene/objects/Camera.h"
#include "scene/objects/Control3D.h"
#include "scene/objects/Dummy.h"
#include "scene/objects/Light.h"
#include "scene/objects/RenderOrder.h"
#include "scene/render/SceneHost.h"

namespace scene {

TViewport3DCore::TViewport3DCore(TSceneNode& owner, ISceneHost& viewport)
    : FOwner(owner), FViewport(viewport) {
  auto* outer = new TDummy;
  auto* inner = new TDummy;
  FDefaultCamera = new TCamera;
  AddChild(outer);
  outer->AddChild(inner);
  inner->AddChild(FDefaultCamera);
  inner->RotationAngle().SetX(-20);
  FDefaultCamera->Position().SetZ(-20);
}

TViewport3DCore::~TViewport3DCore() {
  // Free the device objects before the default camera and the pivots go.
  FContext.reset();
}

void TViewport3DCore::RebuildRenderList() {
  if (FOwner.IsUpdating()) return;
  BuildRenderingList(FOwner, FContext.get(), FRenderingList);
}

void TViewport3DCore::AddLight(TLight* light) {
  if (std::find(FLights.begin(), FLights.end(), light) == FLights.end()) FLights.push_back(light);
}

void TViewport3DCore::RemoveLight(TLight* light) {
  std::erase(FLights, light);
}

void TViewport3DCore::SetCamera(TCamera* camera) {
  if (FCamera) FCamera->RemoveFreeObserver(this);
  FCamera = camera;
  if (FCamera) FCamera->AddFreeObserver(this);
  if (FContext && !FUsingDesignCamera) FViewport.RequestRender();
}

void TViewport3DCore::SetUsingDesignCamera(bool v) {
  if (v == FUsingDesignCamera) return;
  FUsingDesignCamera = v;
  if (FContext) FViewport.RequestRender();
}

TCamera& TViewport3DCore::CurrentCamera() const {
  return FCamera && !FUsingDesignCamera ? *FCamera : *FDefaultCamera;
}

void TViewport3DCore::SetColor(TAlphaColor c) {
  if (c == FColor) return;
  FColor = c;
  FViewport.RequestRender();
}

void TViewport3DCore::SetMultisample(TMultisample m) {
  if (m == FMultisample) return;
  FMultisample = m;
  if (FContext) FContext->SetMultisample(m);
}

void TViewport3DCore::SetContext(std::unique_ptr<TContext3D> context) {
  FContext.reset();  // one device target at a time
  FContext = std::move(context);
  FBackdropLast.Clear();
  FBackdropKept.Clear();
}

void TViewport3DCore::ObservedFreed(TSceneNode* dying) {
  if (dying == FCamera) FCamera = nullptr;
}

bool TViewport3DCore::RenderPass(std::optional<TAlphaColor> clearColor) {
  if (!FContext || FDrawing) return false;
  FDrawing = true;
  // An OnRender handler or a texture upload may throw. The error goes on to the caller (which
  // reports it), but the flag must not stay set: every later pass would return at once and
  // the view would freeze.
  try {
    DrawScene(*FContext, clearColor.value_or(FColor));
  } catch (...) {
    FDrawing = false;
    throw;
  }
  FDrawing = false;
  return true;
}

void TViewport3DCore::DrawScene(TContext3D& context, TAlphaColor clearColor) {
  // The 2D layer paints over the 3D image after this pass, so no 2D drawing is pending here.
  if (!context.BeginScene()) return;
  try {
    context.SetContextState(TContextState::csScissorOff);
    context.Clear(ctColor | ctDepth, clearColor, 1.0f, 0);
    const TCamera& camera = CurrentCamera();
    context.SetCameraMatrix(camera.CameraMatrix());
    context.SetCameraAngleOfView(camera.AngleOfView());
    std::vector<TLightDescription>& lights = context.Lights();
    lights.clear();
    for (const TLight* light : FLights)
      lights.push_back(light->Description());
    TControl3D* backdrop = context.KeepsBackdrops() ? LaidBackdrop() : nullptr;
    const bool layBackdrop = backdrop && PrepareBackdrop(context, *backdrop, clearColor);
    // By index: an OnRender handler may change the tree under the loop.
    for (size_t i = 0; i < FRenderingList.size(); ++i) {
      TControl3D& object = *FRenderingList[i];
      if (!object.Visible()) continue;
      if (layBackdrop && &object == backdrop) {
        if (context.DrawBackdrop()) continue;
        // The device dropped what it kept (a new sample count): keep it again.
        FBackdropKept.Clear();
      }
      RenderObject(object);
    }
  } catch (...) {
    // Close the unfinished frame so that the device leaves its drawing state (the GL device
    // unbinds its target) and the next BeginScene starts from the usual place.
    context.EndScene();
    throw;
  }
  context.EndScene();
}

TControl3D* TViewport3DCore::LaidBackdrop() const {
  for (TControl3D* object : FRenderingList) {
    if (!object->Visible() || !object->Backdrop()) continue;
    const bool drawsMore =
        object->OnRender || std::any_of(object->RenderList().begin(), object->RenderList().end(),
                                        [](const TControl3D* child) { return child->Visible(); });
    return object->ZWrite() && !drawsMore ? object : nullptr;
  }
  return nullptr;
}

bool TViewport3DCore::PrepareBackdrop(TContext3D& context, TControl3D& backdrop,
                                      TAlphaColor clearColor) {
  // What the backdrop would draw now, written down without drawing.
  context.BeginSignature();
  RenderObject(backdrop);
  TDrawSignature now = context.EndSignature();
  now.Add(clearColor);
  const TDrawSignature last = std::exchange(FBackdropLast, now);
  // A backdrop that blends shows what lies under it, which a kept image does not hold.
  if (!now.Replaces) return false;
  if (now == FBackdropKept) return true;
  // Changing (the camera moves): drawn as usual, nothing kept.
  if (now != last) return false;
  // The same two frames in a row: keep its image, drawn alone on the cleared target, and start
  // the frame again.
  RenderObject(backdrop);
  const bool kept = context.KeepBackdrop();
  FBackdropKept = kept ? now : TDrawSignature();
  context.SetContextState(TContextState::csScissorOff);
  context.Clear(ctColor | ctDepth, clearColor, 1.0f, 0);
  return kept;
}

bool TViewport3DCore::OutsideTheView(const TControl3D& object, TContext3D& context) {
  const std::optional<TControl3D::TDrawnBounds> bounds = object.DrawnBounds();
  if (!bounds) return false;
  context.SetMatrix(bounds->ToAbsolute);
  const TMatrix3D clip = context.CurrentModelViewProjection();
  // The view volume in clip coordinates: -w <= x <= w, -w <= y <= w, 0 <= z <= w. When every
  // corner of the box lies beyond one of these six planes, so does all that is inside it (each
  // plane bounds a half-space, and a box is convex), and no triangle drawn in it reaches a
  // pixel, whatever the sign of w.
  unsigned outside = 0x3F;
  for (int corner = 0; corner < 8 && outside; ++corner) {
    const TPoint3D p{corner & 1 ? bounds->Max.X : bounds->Min.X,
                     corner & 2 ? bounds->Max.Y : bounds->Min.Y,
                     corner & 4 ? bounds->Max.Z : bounds->Min.Z};
    const float x = p.X * clip.m11 + p.Y * clip.m21 + p.Z * clip.m31 + clip.m41;
    const float y = p.X * clip.m12 + p.Y * clip.m22 + p.Z * clip.m32 + clip.m42;
    const float z = p.X * clip.m13 + p.Y * clip.m23 + p.Z * clip.m33 + clip.m43;
    const float w = p.X * clip.m14 + p.Y * clip.m24 + p.Z * clip.m34 + clip.m44;
    // A small margin keeps a corner that rounding puts on a plane inside.
    const float m = 1e-4f * std::abs(w);
    unsigned beyond = 0;
    if (x < -w - m) beyond |= 1;
    if (x > w + m) beyond |= 2;
    if (y < -w - m) beyond |= 4;
    if (y > w + m) beyond |= 8;
    if (z < -m) beyond |= 16;
    if (z > w + m) beyond |= 32;
    outside &= beyond;
  }
  return outside != 0;
}

void TViewport3DCore::RenderObject(TControl3D& object) {
  TContext3D& context = *FContext;
  context.SetMatrix(object.AbsoluteMatrix());
  if (object.ZWrite()) {
    context.SetContextState(TContextState::csZWriteOn);
    context.SetContextState(TContextState::csZTestOn);
  } else {
    context.SetContextState(TContextState::csZWriteOff);
    context.SetContextState(TContextState::csZTestOff);
  }
  context.SetContextState(object.Projection() == TProjectionKind::Screen
                              ? TContextState::cs2DScene
                              : TContextState::cs3DScene);
  context.SetContextState(object.TwoSide() ? TContextState::csAllFace : TContextState::csFrontFace);
  context.SetContextState(object.Opaque() ? TContextState::csAlphaBlendOff
                                          : TContextState::csAlphaBlendOn);
  // An object that would draw nothing is not drawn: the frame is the same, without the cost of
  // its triangles. A handler that draws keeps it (it may draw in the object's place).
  if (object.OnRender || !OutsideTheView(object, context)) object.Render(context);
  if (object.OnRender) object.OnRender(object, context);
  const std::vector<TControl3D*>& children = object.RenderList();
  for (size_t i = 0; i < children.size(); ++i)
    if (children[i]->Visible()) RenderObject(*children[i]);
}

}  // namespace scene
