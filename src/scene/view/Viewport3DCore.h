// What a viewport does for the 3D tree below it, apart from being a control of a window: the
// drawing order of its 3D children, the light list, the camera to render through, the clear
// colour, the sample count, the drawing context and the render pass.
//
// The owner (the 2D viewport) holds one core, forwards its child changes (RebuildRenderList)
// and its ISceneHost calls to it, gives it a drawing context once the pixel size is known,
// and runs RenderPass at every paint. The drawing order is decided only when 3D children are
// added or removed, never because objects move. The core is an object of its own tree: it
// owns the default camera (at (0, 0, -20) under two pivots, the inner one turned by -20
// degrees about X), which no one else sees, and it observes the chosen camera so that the
// camera is forgotten when freed.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "scene/math/AlphaColor.h"
#include "scene/render/Context3D.h"
#include "scene/tree/SceneNode.h"

namespace scene {

class ISceneHost;
class TCamera;
class TControl3D;
class TLight;

class TViewport3DCore : public TSceneNode {
 public:
  // `owner` holds the 3D children to draw; `viewport` receives the core's render requests.
  TViewport3DCore(TSceneNode& owner, ISceneHost& viewport);
  ~TViewport3DCore() override;

  // The owner's 3D children in drawing order; rebuilt (unless the owner is inside an update
  // block) when one is added or removed.
  const std::vector<TControl3D*>& RenderingList() const { return FRenderingList; }
  void RebuildRenderList();

  // The lights of the tree, in the order they joined it.
  const std::vector<TLight*>& Lights() const { return FLights; }
  void AddLight(TLight* light);
  void RemoveLight(TLight* light);

  TCamera* Camera() const { return FCamera; }
  void SetCamera(TCamera* camera);
  bool UsingDesignCamera() const { return FUsingDesignCamera; }
  void SetUsingDesignCamera(bool v);
  // Camera when set and UsingDesignCamera is False, else the default camera.
  TCamera& CurrentCamera() const;

  TAlphaColor Color() const { return FColor; }
  void SetColor(TAlphaColor c);
  TMultisample Multisample() const { return FMultisample; }
  void SetMultisample(TMultisample m);

  TContext3D* Context() const { return FContext.get(); }
  // Replaces the drawing context (null frees it).
  void SetContext(std::unique_ptr<TContext3D> context);

  bool Drawing() const { return FDrawing; }
  // Renders the whole tree into the context's image: clear, camera, lights, then every
  // visible object of the drawing order with its subtree. Returns false when there is
  // nothing to show (no context yet) or a pass is already under way (re-entry); true
  // otherwise, also when the device refused to begin (the last image is then shown again).
  // An error thrown while drawing (by an OnRender handler, a texture upload) ends the frame
  // and reaches the caller; the next pass draws as usual. The image is cleared with Color, or
  // with `clearColor` when given.
  bool RenderPass(std::optional<TAlphaColor> clearColor = std::nullopt);

 protected:
  void ObservedFreed(TSceneNode* dying) override;

 private:
  void DrawScene(TContext3D& context, TAlphaColor clearColor);
  // The first visible backdrop of the drawing order (see TControl3D::Backdrop) when it can be
  // laid in from a kept image: it tests and writes depth, and draws nothing but itself (no
  // visible children, no handler); else null. What is drawn after it lies in front of it, so
  // it passes the depth test against the backdrop's depth as against the cleared depth the
  // laid-in image leaves.
  TControl3D* LaidBackdrop() const;
  // Whether this frame lays the backdrop in from its kept image; keeps a new one when the
  // backdrop drew the same for two frames in a row. Called with the camera and lights set.
  bool PrepareBackdrop(TContext3D& context, TControl3D& backdrop, TAlphaColor clearColor);
  void RenderObject(TControl3D& object);
  // The object draws nothing inside the view volume (see DrawnBounds); sets the matrix.
  static bool OutsideTheView(const TControl3D& object, TContext3D& context);

  TSceneNode& FOwner;
  ISceneHost& FViewport;
  std::vector<TControl3D*> FRenderingList;
  std::vector<TLight*> FLights;
  TCamera* FCamera = nullptr;
  TCamera* FDefaultCamera = nullptr;  // owned through the two pivots below this core
  bool FUsingDesignCamera = true;
  TAlphaColor FColor = claWhite;
  TMultisample FMultisample = TMultisample::FourSamples;
  std::unique_ptr<TContext3D> FContext;
  bool FDrawing = false;
  // What the backdrop drew in the last frame, and what it drew when its image was kept.
  TDrawSignature FBackdropLast, FBackdropKept;
};

}  // namespace scene
