#include "ui/qt/FormWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QScreen>

#include "scene/gl/GLContext3D.h"

namespace ui::qt {

TFormWindow::TFormWindow(TFormBase& form) : QOpenGLWindow(NoPartialUpdate), FForm(&form) {
  setTitle(QString::fromStdString(form.Caption()));
  resize(form.ClientWidth(), form.ClientHeight());
  form.SetHost(this);
}

TFormWindow::~TFormWindow() {
  if (FForm) FForm->SetHost(nullptr);
}

void TFormWindow::FreeForm(std::unique_ptr<TFormBase> form) {
  const bool hasDevice = context() != nullptr;
  if (hasDevice) makeCurrent();
  form->SetHost(nullptr);
  FForm = nullptr;
  form.reset();
  if (hasDevice) {
    // The programs, sampler and textures that the drawing contexts made here share.
    if (FMadeContexts) scene::gl::ReleaseGLDevice();
    doneCurrent();
  }
}

void TFormWindow::ShowForm() {
  resize(FForm->ClientWidth(), FForm->ClientHeight());
  if (FForm->Placement() == TWindowPlacement::ScreenCenter) {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    setPosition(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
  if (FForm->FullScreen())
    EnterFullScreen();
  else
    show();
}

void TFormWindow::EnterFullScreen() {
  // Borderless over the whole monitor. The explicit geometry covers desktops without a window
  // manager (no full-screen state to ask for there).
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  setFlag(Qt::FramelessWindowHint, true);
  setGeometry(screen->geometry());
  showFullScreen();
}

void TFormWindow::Invalidate(const TWindowRect&) {
  // The whole window is drawn at every paint; requests coalesce into the next one.
  update();
}

float TFormWindow::Scale() const {
  return static_cast<float>(devicePixelRatio());
}

TPointF TFormWindow::ClientToScreen(TPointF client) const {
  // Qt places menus in global logical coordinates, the units of window coordinates.
  const QPointF global = mapToGlobal(QPointF(client.X, client.Y));
  return {static_cast<float>(global.x()), static_cast<float>(global.y())};
}

void TFormWindow::SetCaption(const std::string& caption) {
  setTitle(QString::fromStdString(caption));
}

std::unique_ptr<scene::TContext3D> TFormWindow::CreateContext(int pixelWidth, int pixelHeight,
                                                              int samples) {
  FMadeContexts = true;
  return scene::gl::CreateGLContext3D(pixelWidth, pixelHeight, samples);
}

void TFormWindow::resizeGL(int width, int height) {
  if (FForm) FForm->ClientResized(static_cast<float>(width), static_cast<float>(height));
}

void TFormWindow::paintGL() {
  QOpenGLFunctions* gl = context()->functions();
  const qreal scale = devicePixelRatio();
  const int pixelWidth = qRound(width() * scale), pixelHeight = qRound(height() * scale);
  gl->glViewport(0, 0, pixelWidth, pixelHeight);
  const TAlphaColor fill = FForm ? FForm->FillColor() : claBlack;
  gl->glClearColor(((fill >> 16) & 0xFF) / 255.0f, ((fill >> 8) & 0xFF) / 255.0f,
                   (fill & 0xFF) / 255.0f, ((fill >> 24) & 0xFF) / 255.0f);
  gl->glClear(GL_COLOR_BUFFER_BIT);
  if (FForm) {
    FForm->PrepareToPaint();
    FForm->Paint3D({defaultFramebufferObject(), pixelWidth, pixelHeight});
  }
  emit FramePresented();
}

void TFormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit Closed();
}

}  // namespace ui::qt
