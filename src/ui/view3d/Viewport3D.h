// The 2D control that shows the 3D tree below it.
//
// Its 3D children are the roots of the 3D tree; its 2D children (a label) are painted over
// the 3D image by the 2D layer. It renders through a drawing context with its own render
// target of round(s * Width) x round(s * Height) pixels (halves to even, s the window's scale
// factor), made through the window host's context factory at the first paint after a size or
// scale change. Every paint is a full render pass; render requests from the 3D objects
// (RequestRender) invalidate the viewport's rectangle of the window once until the next paint,
// so any number of requests before a paint give one pass.
//
// Defaults: Camera none, UsingDesignCamera True, Color claWhite, Multisample FourSamples.
#pragma once

#include <vector>

#include "scene/objects/Control3D.h"
#include "scene/picking/PickRay.h"
#include "scene/render/Context3D.h"
#include "scene/render/SceneHost.h"
#include "scene/view/Viewport3DCore.h"
#include "ui/window/Control.h"
#include "ui/window/PaintTarget3D.h"

namespace scene {
class TCamera;
class TControl3D;
class TLight;
}  // namespace scene

namespace ui {

class TViewport3D : public TControl, public scene::ISceneHost {
 public:
  TViewport3D();
  ~TViewport3D() override;

  scene::TCamera* Camera() const { return FCore.Camera(); }
  void SetCamera(scene::TCamera* camera) { FCore.SetCamera(camera); }
  bool UsingDesignCamera() const { return FCore.UsingDesignCamera(); }
  void SetUsingDesignCamera(bool v) { FCore.SetUsingDesignCamera(v); }
  // The camera rendered through: Camera unless unset or UsingDesignCamera, else the default.
  scene::TCamera& CurrentCamera() const { return FCore.CurrentCamera(); }
  scene::TAlphaColor Color() const { return FCore.Color(); }
  void SetColor(scene::TAlphaColor c) { FCore.SetColor(c); }
  scene::TMultisample Multisample() const { return FCore.Multisample(); }
  void SetMultisample(scene::TMultisample m) { FCore.SetMultisample(m); }

  const std::vector<scene::TControl3D*>& RenderingList() const { return FCore.RenderingList(); }
  const std::vector<scene::TLight*>& Lights() const { return FCore.Lights(); }
  bool Drawing() const { return FCore.Drawing(); }

  // The render target's size for the current size and scale factor.
  int PixelWidth() const;
  int PixelHeight() const;

  // Called by the window host during its paint, with the window's device current, after it
  // has cleared the window to the form's fill colour: (re)makes the drawing context when the
  // pixel size changed, runs the render pass and lays the image premultiplied over the
  // viewport's pixel rectangle of `target` with the viewport's absolute opacity.
  //
  // When the image is bound to be opaque over the window (its clear colour is opaque, or it
  // is transparent black over an opaque black window) and the view is fully opaque, the image
  // replaces its rectangle instead of being blended over it: the same pixels for less work.
  bool PaintTo(const TPaintTarget3D& target) override;

  // Renders the tree and reads the image back into `bitmap` (premultiplied RGBA, row 0 at the
  // top, the render target's pixel size), for screenshots: with the window's device current.
  // False when there is nothing to render (no size yet, or a pass is under way).
  bool RenderToBitmap(scene::TTextureImage& bitmap);
  // A screenshot's content: the scene rendered again at its current state.
  void DrawScreenshotContent(scene::TTextureImage& picture) override;

  // The target under a client point: none outside the view; otherwise the nearest 3D object
  // the pick ray hits (screen-projected objects first, then those seen through the camera),
  // else the topmost 2D child or the view itself. Needs a drawing context for the 3D part.
  scene::TSceneNode* ObjectAtPoint(TPointF point) override;
  // The pick ray through a point of the view (local window units), in scene coordinates, for
  // objects of the given projection.
  scene::TPickRay RayAt(TPointF local, scene::TProjectionKind projection) const;

  // scene::ISceneHost
  void RequestRender() override;
  void AddLight(scene::TLight* light) override { FCore.AddLight(light); }
  void RemoveLight(scene::TLight* light) override { FCore.RemoveLight(light); }
  // Makes the drawing context for the current size now (the next paint would otherwise), with
  // the window's device current; keeps one that already has that size.
  void UpdateContext();
  scene::TContext3D* Context() const override { return FCore.Context(); }
  // The client point in the view's coordinates, and RayAt there.
  bool PointAndRayAt(float clientX, float clientY, scene::TProjectionKind projection, float& viewX,
                     float& viewY, scene::TPickRay& ray) const override;

  const scene::TPropertyTable& Properties() const override { return ClassProperties(); }
  static const scene::TPropertyTable& ClassProperties();

 protected:
  void Resized() override;
  void ChildAdded(scene::TSceneNode* child) override;
  void ChildRemoved(scene::TSceneNode* child) override;
  void UpdateEnded() override;

 private:
  // Frees the context when the pixel size changed and makes a new one when there is a size.

  scene::TViewport3DCore FCore;
  bool FRenderRequested = false;
};

}  // namespace ui
