#include "scene/render/Viewport3DCore.h"

#include <algorithm>

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
    // By index: an OnRender handler may change the tree under the loop.
    for (size_t i = 0; i < FRenderingList.size(); ++i)
      if (FRenderingList[i]->Visible()) RenderObject(*FRenderingList[i]);
  } catch (...) {
    // Close the unfinished frame so that the device leaves its drawing state (the GL device
    // unbinds its target) and the next BeginScene starts from the usual place.
    context.EndScene();
    throw;
  }
  context.EndScene();
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
  object.Render(context);
  if (object.OnRender) object.OnRender(object, context);
  const std::vector<TControl3D*>& children = object.RenderList();
  for (size_t i = 0; i < children.size(); ++i)
    if (children[i]->Visible()) RenderObject(*children[i]);
}

}  // namespace scene
