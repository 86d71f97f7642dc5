#include "ui/qt/FormWindow.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLPaintDevice>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyleHints>
#include <QTouchEvent>
#include <QWheelEvent>
#include <algorithm>
#include <optional>
#include <vector>

#include "gl/GLContext3D.h"
#include "ui/qt/KeyInput.h"
#include "ui/qt/QtPainter.h"
#include "ui/window/WindowService.h"

namespace ui::qt {

namespace {

// The largest size Qt gives a window: no limit.
constexpr int NoSizeLimit = (1 << 24) - 1;

bool FixedSize(TFormBorderStyle style) {
  return style == TFormBorderStyle::Single || style == TFormBorderStyle::ToolWindow;
}

// The frame as window flags. The caption's buttons belong to its window menu, so without
// biSystemMenu there are none (no close button either); a borderless window has none at all.
Qt::WindowFlags FlagsOf(TFormBorderStyle style, TBorderIcons icons, TFormStyle formStyle) {
  const bool tool = style == TFormBorderStyle::ToolWindow || style == TFormBorderStyle::SizeToolWin;
  Qt::WindowFlags flags = tool ? Qt::Tool : Qt::Window;
  if (style == TFormBorderStyle::None) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (icons & biSystemMenu) {
      flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      if (icons & biMinimize) flags |= Qt::WindowMinimizeButtonHint;
      if (icons & biMaximize) flags |= Qt::WindowMaximizeButtonHint;
    }
  }
  if (formStyle != TFormStyle::Normal) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

QRect RectOf(const TWindowBounds& b) {
  return {b.Left, b.Top, b.Width, b.Height};
}

TWindowBounds BoundsOf(const QRect& r) {
  return {r.x(), r.y(), r.width(), r.height()};
}

std::optional<scene::TMouseButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return scene::mbLeft;
    case Qt::RightButton:
      return scene::mbRight;
    case Qt::MiddleButton:
      return scene::mbMiddle;
    default:
      return std::nullopt;
  }
}

TPlatformPointer PointerOf(const QSinglePointEvent& event) {
  const QPointF client = event.position(), screen = event.globalPosition();
  return {{static_cast<float>(client.x()), static_cast<float>(client.y())},
          {static_cast<float>(screen.x()), static_cast<float>(screen.y())},
          ShiftOf(event.modifiers(), event.buttons()),
          static_cast<std::int64_t>(event.timestamp())};
}

}  // namespace

TFormWindow::TFormWindow(TFormBase& form)
    : QOpenGLWindow(NoPartialUpdate),
      FForm(&form),
      FPointer(std::make_unique<TPointerInput>(form)) {
  InstallFormAccessibility();
  setTitle(QString::fromStdString(form.Caption()));
  FBorderStyle = form.BorderStyle();
  setFlags(FlagsOf(form.BorderStyle(), form.BorderIcons(), form.FormStyle()));
  SetClientGeometry({form.Left(), form.Top(), form.ClientWidth(), form.ClientHeight()});
  FNormalBounds = RectOf(Bounds());
  if (form.WindowState() != wsNormal) SetState(form.WindowState());
  form.SetHost(this);
  form.SetPlatformWindow(this);
  FHeldFrame.setSingleShot(true);
  FHeldFrame.setTimerType(Qt::PreciseTimer);
  connect(&FHeldFrame, &QTimer::timeout, this, [this] {
    if (Drawable()) update();
  });
  const QStyleHints* hints = QGuiApplication::styleHints();
  FPointer->SetDoubleClickLimits(hints->mouseDoubleClickInterval(),
                                 static_cast<float>(hints->mouseDoubleClickDistance()));
  connect(this, &QWindow::windowStateChanged, this,
          [this](Qt::WindowState state) { WindowSystemStateChanged(state); });
  // Qt moves the windows of a removed screen to a remaining one; once it has, each window
  // covers or is kept inside the screen it is on (a window of another screen stays as it is).
  connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] {
    QMetaObject::invokeMethod(
        this,
        [this] {
          QScreen* primary = QGuiApplication::primaryScreen();
          if (!primary) return;
          if (!QGuiApplication::screens().contains(screen())) setScreen(primary);
          if (FForm) WindowService().ScreenRemoved(*FForm);
        },
        Qt::QueuedConnection);
  });
}

TMultiTouchManager& TFormWindow::Touches() {
  if (!FTouches) FTouches = std::make_unique<TMultiTouchManager>(*this, FTimers);
  return *FTouches;
}

scene::TSceneNode* TFormWindow::ObjectUnderTouch(TPointF point) {
  return FForm ? FForm->Pointer().ObjectAtPoint(point) : nullptr;
}

void TFormWindow::touchEvent(QTouchEvent* event) {
  // Accepted, so Qt makes no mouse events of the touches.
  event->accept();
  if (!FForm) return;
  if (event->type() == QEvent::TouchCancel) {
    Touches().HandleTouches({}, TTouchAction::Cancel);
    return;
  }
  std::vector<TPointF> touches;
  for (const QEventPoint& point : event->points())
    touches.push_back(
        {static_cast<float>(point.position().x()), static_cast<float>(point.position().y())});
  // The message's action is that of its last touch.
  TTouchAction action = TTouchAction::Move;
  if (!event->points().empty()) {
    const QEventPoint::State state = event->points().back().state();
    if (state == QEventPoint::State::Pressed)
      action = TTouchAction::Down;
    else if (state == QEventPoint::State::Released)
      action = TTouchAction::Up;
  }
  Touches().HandleTouches(touches, action);
}

bool TFormWindow::event(QEvent* event) {
  if (event->type() == QEvent::NativeGesture && FForm) {
    if (const auto gesture = FNativeZoom.Translate(*static_cast<QNativeGestureEvent*>(event)))
      Touches().HandlePlatformGesture(*gesture);
    event->accept();
    return true;
  }
  return QOpenGLWindow::event(event);
}

void TFormWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (const auto button = ButtonOf(event->button()); button && FForm) {
    FPointer->Press(*button, PointerOf(*event));
    UpdateCursor();
  }
}

void TFormWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  // The press before it was already delivered, and TPointerInput tells double-clicks itself.
  event->accept();
}

void TFormWindow::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (const auto button = ButtonOf(event->button()); button && FForm) {
    FPointer->Release(*button, PointerOf(*event));
    UpdateCursor();
  }
}

void TFormWindow::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!FForm) return;
  FPointer->Move(PointerOf(*event));
  UpdateCursor();
}

void TFormWindow::UpdateCursor() {
  // The form may have gone while a handler ran.
  const TCursorShape shape = FForm ? FForm->PointerCursor() : TCursorShape::Default;
  if (shape == FCursor) return;
  FCursor = shape;
  if (shape == TCursorShape::Hand)
    setCursor(Qt::PointingHandCursor);
  else
    unsetCursor();
}

void TFormWindow::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (FForm) FPointer->Wheel(event->angleDelta().y(), PointerOf(*event));
}

void TFormWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (!FForm) return;
  const TKeyPress press = KeyPressOf(event->key(), event->text(), event->modifiers());
  // A key without a code or a character (a modifier alone, an arrow) tells the form nothing.
  if (press.Key == 0 && press.KeyChar == 0) return;
  FForm->KeyDown(press.Key, press.KeyChar, press.Shift);
}

void TFormWindow::focusOutEvent(QFocusEvent* event) {
  if (FForm) FPointer->Lost();
  QOpenGLWindow::focusOutEvent(event);
}

void TFormWindow::hideEvent(QHideEvent* event) {
  if (FForm) FPointer->Lost();
  QOpenGLWindow::hideEvent(event);
}

TFormWindow::~TFormWindow() {
  if (FForm) {
    FForm->SetHost(nullptr);
    FForm->SetPlatformWindow(nullptr);
  }
  // The textures Qt made of the kept pictures go with the window's GL context.
  if (context()) {
    makeCurrent();
    FPaintCache.Clear();
    doneCurrent();
  }
}

void TFormWindow::FreeForm(std::unique_ptr<TFormBase> form) {
  const bool hasDevice = context() != nullptr;
  if (hasDevice) makeCurrent();
  FTouches.reset();  // it watches the form's controls
  form->SetHost(nullptr);
  form->SetPlatformWindow(nullptr);
  FForm = nullptr;
  form.reset();
  if (hasDevice) {
    FPaintCache.Clear();
    // The programs, sampler and textures that the drawing contexts made here share.
    if (FMadeContexts) scene::gl::ReleaseGLDevice();
    doneCurrent();
  }
}

QScreen* TFormWindow::CurrentScreen() const {
  return screen() ? screen() : QGuiApplication::primaryScreen();
}

QMargins TFormWindow::Margins() const {
  if (FBorderStyle == TFormBorderStyle::None) return {};
  const QMargins m = frameMargins();
  return m.isNull() ? FLastMargins : m;
}

TWindowBounds TFormWindow::Bounds() const {
  return BoundsOf(geometry().marginsAdded(Margins()));
}

TWindowBounds TFormWindow::WorkArea() const {
  const QScreen* s = CurrentScreen();
  return s ? BoundsOf(s->availableGeometry()) : Bounds();
}

void TFormWindow::SetOuterGeometry(const QRect& outer) {
  SetClientGeometry(outer.marginsRemoved(Margins()));
}

void TFormWindow::SetClientGeometry(const QRect& client) {
  // The limits of a fixed frame would keep the new size out.
  setMinimumSize(QSize(0, 0));
  setMaximumSize(QSize(NoSizeLimit, NoSizeLimit));
  setGeometry(client);
  ApplySizeLimits();
}

void TFormWindow::ApplySizeLimits() {
  if (FixedSize(FBorderStyle) && FState == wsNormal) {
    setMinimumSize(size());
    setMaximumSize(size());
  } else {
    setMinimumSize(QSize(0, 0));
    setMaximumSize(QSize(NoSizeLimit, NoSizeLimit));
  }
}

void TFormWindow::SetFrame(TFormBorderStyle style, TBorderIcons icons, TFormStyle formStyle) {
  if (FBorderStyle != TFormBorderStyle::None && !frameMargins().isNull())
    FLastMargins = frameMargins();
  FBorderStyle = style;
  setFlags(FlagsOf(style, icons, formStyle));
  if (FState == wsMaximized)
    ApplyState();
  else
    ApplySizeLimits();
}

void TFormWindow::SetBounds(const TWindowBounds& bounds) {
  FNormalBounds = RectOf(bounds);
  if (FState == wsNormal) SetOuterGeometry(FNormalBounds);
}

void TFormWindow::SetState(TWindowState state) {
  if (FState == wsNormal && state != wsNormal) {
    FNormalBounds = RectOf(Bounds());
    if (!frameMargins().isNull()) FLastMargins = frameMargins();
  }
  FState = state;
  ApplyState();
}

void TFormWindow::ApplyState() {
  // Each state is placed explicitly as well: without a window manager nobody else does.
  const QScopedValueRollback applying(FApplyingState, true);
  QScreen* s = CurrentScreen();
  switch (FState) {
    case wsNormal:
      SetOuterGeometry(FNormalBounds);
      setWindowStates(Qt::WindowNoState);
      break;
    case wsMaximized:
      if (FBorderStyle == TFormBorderStyle::None) {
        // Borderless over the whole monitor: full screen.
        if (s) SetClientGeometry(s->geometry());
        setWindowStates(Qt::WindowFullScreen);
      } else {
        if (s) SetOuterGeometry(s->availableGeometry());
        setWindowStates(Qt::WindowMaximized);
      }
      break;
    case wsMinimized:
      setWindowStates(Qt::WindowMinimized);
      break;
  }
}

void TFormWindow::WindowSystemStateChanged(Qt::WindowStates states) {
  if (FApplyingState) return;
  TWindowState state = wsNormal;
  if (states & Qt::WindowMinimized)
    state = wsMinimized;
  else if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
    state = wsMaximized;
  if (state == FState) return;
  if (FState == wsNormal) FNormalBounds = RectOf(Bounds());
  FState = state;
  ApplySizeLimits();
}

void TFormWindow::ShowNative() {
  // setVisible keeps the window's state (show() would make it normal on some platforms).
  setVisible(true);
}

void TFormWindow::Activate() {
  raise();
  requestActivate();
}

void TFormWindow::Invalidate(const TWindowRect&) {
  // Nothing is drawn for a hidden or minimised window: the scene's animations keep their time,
  // and Qt paints the whole window, as it is then, once it is shown again.
  if (!Drawable()) return;
  // The whole window is drawn at every paint; requests coalesce into the next one.
  RequestFrame();
}

qint64 TFormWindow::RefreshNanoseconds() const {
  const QScreen* s = CurrentScreen();
  const qreal rate = s && s->refreshRate() >= 1 ? s->refreshRate() : 60.0;
  return static_cast<qint64>(1e9 / rate);
}

void TFormWindow::RequestFrame() {
  if (FHeldFrame.isActive()) return;
  const qint64 since = FSinceFrame.isValid() ? FSinceFrame.nsecsElapsed() : -1;
  const qint64 refresh = RefreshNanoseconds();
  if (since < 0 || since >= refresh) {
    update();
    return;
  }
  FHeldFrame.start(static_cast<int>((refresh - since + 999999) / 1000000));
}

bool TFormWindow::Drawable() const {
  // Visible goes at once when the window is hidden; exposed follows the window system.
  return isVisible() && isExposed();
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
  // A paint asked for before the window was hidden.
  if (!Drawable()) return;
  FSinceFrame.start();
  QOpenGLFunctions* gl = context()->functions();
  const qreal scale = devicePixelRatio();
  const int pixelWidth = qRound(width() * scale), pixelHeight = qRound(height() * scale);
  if (FFramePainter) {
    FFramePainter(defaultFramebufferObject(), pixelWidth, pixelHeight);
    emit FramePresented();
    return;
  }
  gl->glViewport(0, 0, pixelWidth, pixelHeight);
  // A gradient is painted with the 2D layer; the clear shows its first colour meanwhile.
  TAlphaColor fill = claBlack;
  if (FForm)
    fill = FForm->Fill().Kind == TBrushKind::Gradient ? FForm->Fill().Gradient.ColorAt(0)
                                                      : FForm->FillColor();
  gl->glClearColor(((fill >> 16) & 0xFF) / 255.0f, ((fill >> 8) & 0xFF) / 255.0f,
                   (fill & 0xFF) / 255.0f, ((fill >> 24) & 0xFF) / 255.0f);
  gl->glClear(GL_COLOR_BUFFER_BIT);
  if (FForm) {
    FForm->PrepareToPaint();
    // A solid opaque fill is what lies under the views: they may replace it instead of
    // blending over it.
    const bool opaqueFill = FForm->Fill().Kind == TBrushKind::Solid && (fill >> 24) == 0xFF;
    FForm->Paint3D({defaultFramebufferObject(), pixelWidth, pixelHeight, opaqueFill, fill});
    Paint2D(pixelWidth, pixelHeight);
  }
  emit FramePresented();
}

void TFormWindow::ResetGLState(int pixelWidth, int pixelHeight) {
  // The 3D device sets the state of each of its passes itself; Qt's paint engine sets what it
  // uses but takes these as GL's defaults: no sampler objects (they would override its
  // textures' filtering), no vertex array, program or buffers bound, no depth, stencil,
  // scissor or culling, unpacking of tightly packed rows.
  QOpenGLExtraFunctions* gl = context()->extraFunctions();
  gl->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
  gl->glViewport(0, 0, pixelWidth, pixelHeight);
  for (GLuint unit = 0; unit < 8; ++unit)
    gl->glBindSampler(unit, 0);
  gl->glActiveTexture(GL_TEXTURE0);
  gl->glBindVertexArray(0);
  gl->glUseProgram(0);
  gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
  gl->glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
  gl->glDisable(GL_DEPTH_TEST);
  gl->glDisable(GL_CULL_FACE);
  gl->glDisable(GL_SCISSOR_TEST);
  gl->glDisable(GL_STENCIL_TEST);
  gl->glDisable(GL_BLEND);
  gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  gl->glDepthMask(GL_TRUE);
  gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  gl->glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  gl->glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  gl->glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
}

void TFormWindow::WithDevice(const std::function<void()>& draw) {
  // The window's GL context exists once the window was shown; a form never shown has
  // nothing to draw with.
  if (!context()) return;
  makeCurrent();
  if (FForm) FForm->PrepareToPaint();
  draw();
  doneCurrent();
}

void TFormWindow::PaintOnto(scene::TTextureImage& picture, float scale, TPointF origin,
                            const std::function<void(IPainter&)>& paint) {
  PaintOntoPicture(picture, scale, origin, paint);
}

QSize TFormWindow::MaxViewport() {
  if (FMaxViewport.isEmpty()) {
    GLint dims[2] = {0, 0};
    context()->functions()->glGetIntegerv(GL_MAX_VIEWPORT_DIMS, dims);
    FMaxViewport = QSize(dims[0] > 0 ? dims[0] : NoSizeLimit, dims[1] > 0 ? dims[1] : NoSizeLimit);
  }
  return FMaxViewport;
}

void TFormWindow::Paint2D(int pixelWidth, int pixelHeight) {
  ResetGLState(pixelWidth, pixelHeight);
  {
    // Qt's engine sets a viewport of the window's size. A device whose viewports are smaller
    // cuts it down, which would squeeze the whole layer towards the top left, away from the 3D
    // views below it. A window that large is painted on a device of the largest viewport: what
    // lies within it is in place, what lies beyond is left out (such a device draws nothing
    // there anyway).
    const QSize limit = MaxViewport();
    std::optional<QOpenGLPaintDevice> limited;
    if (pixelWidth > limit.width() || pixelHeight > limit.height()) {
      limited.emplace(
          QSize(std::min(pixelWidth, limit.width()), std::min(pixelHeight, limit.height())));
      limited->setDevicePixelRatio(devicePixelRatio());
    }
    QPainter painter(limited ? static_cast<QPaintDevice*>(&*limited) : this);
    TQtPainter qtPainter(painter, FPaintCache);
    FForm->Paint2D(qtPainter);
  }
  // The same defaults for the next frame's clear and passes, whatever the engine left.
  ResetGLState(pixelWidth, pixelHeight);
}

QAccessibleInterface* TFormWindow::accessibleRoot() const {
  return QAccessible::queryAccessibleInterface(const_cast<TFormWindow*>(this));
}

void TFormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // Closed like hidden: a full-screen window leaves full screen and enters it again when it
  // is shown next.
  if (FForm) WindowService().Hide(*FForm);
  emit Closed();
}

}  // namespace ui::qt
