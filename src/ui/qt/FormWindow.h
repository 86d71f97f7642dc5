// The native window of a form: an OpenGL window that shows the form's 3D views and paints its
// 2D controls over them, forwards size changes to the form, and carries out what the window
// service decides: frame, bounds, state (full screen is a borderless maximised window),
// showing and hiding.
//
// It draws straight into the window's own framebuffer (no intermediate widget image), so a
// frame costs one render pass per view, one resolve into the window, the 2D layer painted
// over it with Qt's OpenGL paint engine, and the swap.
#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QOpenGLWindow>
#include <QRect>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/gestures/MultiTouchManager.h"
#include "ui/gestures/TouchWindow.h"
#include "ui/qt/FormAccessibility.h"
#include "ui/qt/NativeZoom.h"
#include "ui/qt/QtOneShotTimer.h"
#include "ui/qt/QtPainter.h"
#include "ui/window/Form.h"
#include "ui/window/PointerInput.h"

namespace ui::qt {

class TFormWindow : public QOpenGLWindow,
                    public IWindowHost,
                    public IContextFactory,
                    public ITouchWindow,
                    public IPlatformWindow {
  Q_OBJECT

 public:
  explicit TFormWindow(TFormBase& form);
  ~TFormWindow() override;

  // Made hidden at the form's stored client size, position, frame and state. Its controls are
  // open to assistive technology through Qt's accessibility (FormAccessibility.h).
  // Frees the form while this window's device is current.
  void FreeForm(std::unique_ptr<TFormBase> form);
  // The form shown, null once freed.
  TFormBase* Form() const { return FForm; }
  TFormAccessibility& Accessibility() { return FAccessibility; }

  // IWindowHost
  void Invalidate(const TWindowRect& rect) override;
  float Scale() const override;
  void SetCaption(const std::string& caption) override;
  TPointF ClientToScreen(TPointF client) const override;
  IContextFactory& ContextFactory() override { return *this; }
  void WithDevice(const std::function<void()>& draw) override;
  void PaintOnto(scene::TTextureImage& picture, float scale, TPointF origin,
                 const std::function<void(IPainter&)>& paint) override;
  void AccessibleChanged(TControl& control, TAccessibleChange change) override {
    FAccessibility.Changed(control, change);
  }

  // IPlatformWindow
  void CreateNative() override { create(); }
  bool Visible() const override { return isVisible(); }
  void ShowNative() override;
  void HideNative() override { hide(); }
  void Activate() override;
  void SetFrame(TFormBorderStyle style, TBorderIcons icons, TFormStyle formStyle) override;
  TWindowBounds Bounds() const override;
  void SetBounds(const TWindowBounds& bounds) override;
  TWindowState State() const override { return FState; }
  void SetState(TWindowState state) override;
  TWindowBounds WorkArea() const override;

  // IContextFactory
  std::unique_ptr<scene::TContext3D> CreateContext(int pixelWidth, int pixelHeight,
                                                   int samples) override;

  // For measurements: while set, a paint runs `painter` (with the window's framebuffer and its
  // pixel size, the device current) instead of painting the form; presenting is the same.
  using TFramePainter = std::function<void(unsigned framebuffer, int pixelWidth, int pixelHeight)>;
  void SetFramePainter(TFramePainter painter) { FFramePainter = std::move(painter); }

 signals:
  void Closed();
  // A frame has been drawn and handed to the window system.
  void FramePresented();

 protected:
  // Pointer input goes to the form through TPointerInput.
  // Touches and the platform's own pinch go to the touch recognizer, made at the first touch.
  void touchEvent(QTouchEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  // Keys go to the form (see KeyPressOf); held keys repeat as presses.
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void hideEvent(QHideEvent* event) override;

  void resizeGL(int width, int height) override;
  void paintGL() override;
  void closeEvent(QCloseEvent* event) override;
  // The window's accessible object: the application's accessible object lists top-level
  // windows by it, so without it a screen reader would find the program empty.
  QAccessibleInterface* accessibleRoot() const override;

 private:
  // Shown and exposed: frames are drawn only then.
  bool Drawable() const;
  // Frames start at most once a refresh of the window's screen (60 a second when it does not
  // tell): a request sooner after the last frame is held until the next refresh is due, and
  // the requests meanwhile coalesce into that frame.
  void RequestFrame();
  qint64 RefreshNanoseconds() const;
  QElapsedTimer FSinceFrame;  // from the start of the last frame
  QTimer FHeldFrame;
  TFormBase* FForm;
  std::unique_ptr<TPointerInput> FPointer;
  TQtOneShotTimerSource FTimers;
  std::unique_ptr<TMultiTouchManager> FTouches;
  TNativeZoomTracker FNativeZoom;

  TFormAccessibility FAccessibility{*this};
  TQtPaintCache FPaintCache;  // pictures and fonts of the 2D layer, kept between frames

  // Paints the 2D layer over the 3D views with Qt's paint engine on the window.
  void Paint2D(int pixelWidth, int pixelHeight);
  // The largest viewport the window's device takes, asked once.
  QSize MaxViewport();
  QSize FMaxViewport;
  // The GL state Qt's paint engine and the 3D device start from.
  void ResetGLState(int pixelWidth, int pixelHeight);
  TMultiTouchManager& Touches();
  // Gives the pointer the look of the control it is over (or that holds it).
  void UpdateCursor();
  TCursorShape FCursor = TCursorShape::Default;
  // ITouchWindow
  scene::TSceneNode* ObjectUnderTouch(TPointF point) override;
  scene::TSceneNode& WindowObject() override { return *FForm; }
  float ScreenScale() const override { return Scale(); }
  bool FMadeContexts = false;  // this window's device holds the views' shared objects

  QScreen* CurrentScreen() const;
  // The frame's widths around the client area: the window system's once it has framed the
  // window, until then those it had the last time it was framed.
  QMargins Margins() const;
  // Client geometry of the given outer bounds, with the size limits of a fixed frame.
  void SetOuterGeometry(const QRect& outer);
  void SetClientGeometry(const QRect& client);
  // A fixed-size frame (Single, ToolWindow) in the normal state holds the client size.
  void ApplySizeLimits();
  // Puts the window where its state says and tells the window system the state.
  void ApplyState();
  // The state the window system gave the window (a window manager's maximise or minimise).
  void WindowSystemStateChanged(Qt::WindowStates states);

  TFormBorderStyle FBorderStyle = TFormBorderStyle::Sizeable;
  TWindowState FState = wsNormal;
  QRect FNormalBounds;  // outer bounds of the normal state, kept while in another
  QMargins FLastMargins;
  bool FApplyingState = false;
  TFramePainter FFramePainter;
};

}  // namespace ui::qt
