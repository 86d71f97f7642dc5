// A host for a form that no window shows: its 3D views draw on a headless GL context and its
// 2D layer paints with Qt onto pictures. Used to make pictures of a form at a chosen size
// without a display (the command line's screenshot), at a scale of one pixel per unit.
#pragma once

#include <memory>
#include <string>

#include "gl/HeadlessGLContext.h"
#include "ui/window/Form.h"
#include "ui/window/WindowHost.h"

namespace ui::qt {

class TOffscreenWindowHost : public IWindowHost, public IContextFactory {
 public:
  explicit TOffscreenWindowHost(std::unique_ptr<scene::gl::THeadlessGLContext> device);
  // Frees the device. Free the form first (after Unhost), with the device current
  // (MakeDeviceCurrent), so that its views free their render targets on it.
  ~TOffscreenWindowHost() override;

  // Hosts `form` with a client area of `width` x `height` units (pixels).
  void Host(TFormBase& form, int width, int height);
  // Leaves the form hosted (before it is freed).
  void Unhost();
  // Makes the device current on this thread.
  void MakeDeviceCurrent() { FDevice->MakeCurrent(); }

  // IWindowHost
  void Invalidate(const TWindowRect&) override {}
  float Scale() const override { return 1.0f; }
  void SetCaption(const std::string&) override {}
  TPointF ClientToScreen(TPointF client) const override { return client; }
  IContextFactory& ContextFactory() override { return *this; }
  void WithDevice(const std::function<void()>& draw) override;
  void PaintOnto(scene::TTextureImage& picture, float scale, TPointF origin,
                 const std::function<void(IPainter&)>& paint) override;

  // IContextFactory
  std::unique_ptr<scene::TContext3D> CreateContext(int pixelWidth, int pixelHeight,
                                                   int samples) override;

 private:
  std::unique_ptr<scene::gl::THeadlessGLContext> FDevice;
  TFormBase* FForm = nullptr;
};

}  // namespace ui::qt
