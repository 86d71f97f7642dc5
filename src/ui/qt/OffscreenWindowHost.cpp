#include "ui/qt/OffscreenWindowHost.h"

#include "gl/GLContext3D.h"
#include "ui/qt/QtPainter.h"

namespace ui::qt {

TOffscreenWindowHost::TOffscreenWindowHost(std::unique_ptr<scene::gl::THeadlessGLContext> device)
    : FDevice(std::move(device)) {}

TOffscreenWindowHost::~TOffscreenWindowHost() {
  // The shared device objects (programs, textures, buffers) go before the GL context.
  FDevice->MakeCurrent();
  scene::gl::ReleaseGLDevice();
}

void TOffscreenWindowHost::Host(TFormBase& form, int width, int height) {
  FForm = &form;
  form.SetHost(this);
  form.ClientResized(static_cast<float>(width), static_cast<float>(height));
}

void TOffscreenWindowHost::Unhost() {
  if (FForm) FForm->SetHost(nullptr);
  FForm = nullptr;
}

void TOffscreenWindowHost::WithDevice(const std::function<void()>& draw) {
  FDevice->MakeCurrent();
  if (FForm) FForm->PrepareToPaint();
  draw();
}

void TOffscreenWindowHost::PaintOnto(scene::TTextureImage& picture, float scale, TPointF origin,
                                     const std::function<void(IPainter&)>& paint) {
  PaintOntoPicture(picture, scale, origin, paint);
}

std::unique_ptr<scene::TContext3D> TOffscreenWindowHost::CreateContext(int pixelWidth,
                                                                       int pixelHeight,
                                                                       int samples) {
  return scene::gl::CreateGLContext3D(pixelWidth, pixelHeight, samples);
}

}  // namespace ui::qt
