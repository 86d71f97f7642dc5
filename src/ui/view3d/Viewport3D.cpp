#include "ui/view3d/Viewport3D.h"

#include <cmath>

#include "scene/objects/Control3D.h"
#include "ui/window/ContextFactory.h"
#include "ui/window/Form.h"
#include "ui/window/WindowHost.h"

namespace ui {

TViewport3D::TViewport3D() : FCore(*this, *this) {
  // A press on the view holds the pointer until the release, so a drag goes on outside it.
  SetAutoCapture(true);
}

TViewport3D::~TViewport3D() {
  // The 3D objects leave the viewport (lights unregister, the camera is forgotten) while it is
  // still whole; the base destructor would free them after this object's interface is gone.
  SetDestroying();
  while (!Children().empty())
    delete Children().back();
}

int TViewport3D::PixelWidth() const {
  const TFormBase* form = Form();
  return RoundHalfEven(static_cast<double>(form ? form->Scale() : 1.0f) * Width());
}

int TViewport3D::PixelHeight() const {
  const TFormBase* form = Form();
  return RoundHalfEven(static_cast<double>(form ? form->Scale() : 1.0f) * Height());
}

void TViewport3D::RequestRender() {
  if (FRenderRequested || IsDestroying()) return;
  TFormBase* form = Form();
  if (!form || !Visible()) return;
  FRenderRequested = true;
  form->Invalidate(AbsoluteRect());
}

void TViewport3D::Resized() {
  // The context is remade at the next paint, where the window's device is current.
  RequestRender();
}

void TViewport3D::UpdateContext() {
  const int w = PixelWidth(), h = PixelHeight();
  const scene::TContext3D* context = FCore.Context();
  if (context && context->Width() == w && context->Height() == h) return;
  FCore.SetContext(nullptr);
  TFormBase* form = Form();
  if (w <= 0 || h <= 0 || !form || !form->Host()) return;
  FCore.SetContext(
      form->Host()->ContextFactory().CreateContext(w, h, scene::SampleCount(FCore.Multisample())));
}

bool TViewport3D::PaintTo(const TPaintTarget3D& target) {
  FRenderRequested = false;
  UpdateContext();
  // Transparent black laid over opaque black is opaque black: cleared so, the image is opaque
  // and its colours are those blending would give (they never depend on what lies below).
  const scene::TAlphaColor color = FCore.Color();
  const bool overBlack = color == 0 && target.OpaqueBackdrop && (target.Backdrop & 0xFFFFFF) == 0;
  const bool opaque = (color >> 24) == 0xFF || overBlack;
  if (!FCore.RenderPass(overBlack ? std::optional<scene::TAlphaColor>(scene::claBlack)
                                  : std::nullopt))
    return false;
  const TWindowRect r = AbsoluteRect();
  const TFormBase* form = Form();
  const double s = form ? form->Scale() : 1.0;
  scene::TPresentTarget present;
  present.Framebuffer = target.Framebuffer;
  present.FramebufferWidth = target.PixelWidth;
  present.FramebufferHeight = target.PixelHeight;
  present.Left = RoundHalfEven(s * r.Left);
  present.Top = RoundHalfEven(s * r.Top);
  present.Opacity = AbsoluteOpacity();
  present.Replace = opaque && present.Opacity == 1;
  FCore.Context()->Present(present);
  return true;
}

bool TViewport3D::RenderToBitmap(scene::TTextureImage& bitmap) {
  UpdateContext();
  if (!FCore.RenderPass()) return false;
  scene::TContext3D& context = *FCore.Context();
  context.CopyToBitmap(bitmap, {0, 0, context.Width(), context.Height()});
  return true;
}

void TViewport3D::DrawScreenshotContent(scene::TTextureImage& picture) {
  scene::TTextureImage rendered;
  // The render target has the picture's size: both follow the same size and scale.
  if (RenderToBitmap(rendered) && rendered.Width == picture.Width &&
      rendered.Height == picture.Height)
    picture = std::move(rendered);
}

void TViewport3D::ChildAdded(scene::TSceneNode* child) {
  TControl::ChildAdded(child);
  if (scene::As3DObject(child)) FCore.RebuildRenderList();
}

void TViewport3D::ChildRemoved(scene::TSceneNode* child) {
  TControl::ChildRemoved(child);
  if (scene::As3DObject(child)) FCore.RebuildRenderList();
}

void TViewport3D::UpdateEnded() {
  TControl::UpdateEnded();
  FCore.RebuildRenderList();
}

const scene::TPropertyTable& TViewport3D::ClassProperties() {
  using scene::OtherProperty;
  static const scene::TPropertyTable table(
      &scene::TSceneNode::ClassProperties(),
      {OtherProperty("Camera"), OtherProperty("UsingDesignCamera"), OtherProperty("Color"),
       OtherProperty("Multisample"), OtherProperty("Align"), OtherProperty("Width"),
       OtherProperty("Height"), OtherProperty("Opacity"), OtherProperty("Visible")});
  return table;
}

}  // namespace ui
