// The logic of a window: its stored properties, client area and the controls it holds.
//
// The platform window (ui/qt) hosts a form: it forwards size changes, paints and input to it,
// and the form asks the host for repaints. Showing, hiding, the window's state and full
// screen go through the window service (ui/window), which the native window carries out.
#pragma once

#include <functional>
#include <string>

#include "scene/math/AlphaColor.h"
#include "scene/tree/SceneNode.h"
#include "ui/basics/CursorShape.h"
#include "ui/basics/Keys.h"
#include "ui/basics/PointF.h"
#include "ui/paint/Fill.h"
#include "ui/paint/Painter.h"
#include "ui/pointer/PointerRouting.h"
#include "ui/window/PaintTarget3D.h"
#include "ui/window/PlatformWindow.h"
#include "ui/window/WindowHost.h"
#include "ui/window/WindowTypes.h"

namespace ui {

class TStyleBook;

// The window layer's colours are the scene's (0xAARRGGBB).
using scene::claBlack;
using scene::claNull;
using scene::claWhite;
using scene::TAlphaColor;

class TWindowService;

// Where a window is placed at its first show: at its stored bounds, centred in the work area
// of its screen, or centred over the main window.
enum class TWindowPlacement { Stored, ScreenCenter, MainFormCenter };

class TFormBase : public scene::TSceneNode, public IPointerWindow {
 public:
  ~TFormBase() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(std::string caption);

  // The stored client size (window units); the size in use follows the platform window.
  int ClientWidth() const { return FClientWidth; }
  int ClientHeight() const { return FClientHeight; }
  void SetClientSize(int width, int height);

  // The window's background, painted before its controls. A solid fill clears the client
  // area with its colour; a gradient fills a rectangle from the client area's top-left corner
  // with the window's outer width and height (frame and caption included), so where there is a
  // frame the client area ends a little short of the gradient's stop.
  const TFill& Fill() const { return FFill; }
  void SetFill(const TFill& fill);
  TAlphaColor FillColor() const { return FFill.Color; }
  void SetFillColor(TAlphaColor c);
  TWindowPlacement Placement() const { return FPlacement; }
  void SetPlacement(TWindowPlacement p) { FPlacement = p; }
  // The window's style book (not owned; forgotten when freed), or null.
  TStyleBook* StyleBook() const { return FStyleBook; }
  void SetStyleBook(TStyleBook* book);
  // Full screen: borderless over the whole of the window's screen. While the window loads the
  // value is only remembered (the first show enters full screen then); afterwards the window
  // service reads and changes it. A hidden window asked for it is shown.
  bool FullScreen() const;
  void SetFullScreen(bool v);

  // The window's outer bounds (frame and caption included) on the screen: the native window's
  // while there is one. Without one there is no frame, and the client size follows.
  int Left() const { return Bounds().Left; }
  int Top() const { return Bounds().Top; }
  int Width() const { return Bounds().Width; }
  int Height() const { return Bounds().Height; }
  TWindowBounds Bounds() const;
  void SetBounds(const TWindowBounds& bounds);
  void SetLeft(int v) { SetBoundsField(&TWindowBounds::Left, v); }
  void SetTop(int v) { SetBoundsField(&TWindowBounds::Top, v); }
  void SetWidth(int v) { SetBoundsField(&TWindowBounds::Width, v); }
  void SetHeight(int v) { SetBoundsField(&TWindowBounds::Height, v); }

  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons icons);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle style);

  // See TWindowService::Show, Hide and Activate.
  void Show();
  void Hide();
  // True makes a shown window the active one (in front, taking the keys); False does nothing.
  void SetActive(bool v);
  bool Visible() const { return FPlatformWindow && FPlatformWindow->Visible(); }

  // The native window, or null while the platform has made none.
  IPlatformWindow* PlatformWindow() const { return FPlatformWindow; }
  void SetPlatformWindow(IPlatformWindow* window) { FPlatformWindow = window; }

  // The platform window showing this form, or null before it is shown.
  IWindowHost* Host() const { return FHost; }
  void SetHost(IWindowHost* host);
  float Scale() const { return FHost ? FHost->Scale() : 1.0f; }
  void Invalidate(const TWindowRect& rect);
  // The screen point of a client point; unchanged while no platform window shows the form.
  TPointF ClientToScreen(TPointF client) const {
    return FHost ? FHost->ClientToScreen(client) : client;
  }

  // The client area changed size (the platform window was resized): realign the controls and
  // raise OnResize.
  void ClientResized(float width, float height);
  float ClientAreaWidth() const { return FAreaWidth; }
  float ClientAreaHeight() const { return FAreaHeight; }

  // Pointer input from the platform window: client coordinates in window units, whole
  // numbers. See TPointerRouting.
  TPointerRouting& Pointer() { return FPointer; }
  const TPointerRouting& Pointer() const { return FPointer; }
  void MouseDown(scene::TMouseButton button, scene::TShiftState shift, float x, float y) {
    SetFocusRingShown(false);
    FPointer.MouseDown(button, shift, x, y);
  }
  void MouseMove(scene::TShiftState shift, float x, float y) { FPointer.MouseMove(shift, x, y); }
  void MouseUp(scene::TMouseButton button, scene::TShiftState shift, float x, float y,
               bool doClick) {
    FPointer.MouseUp(button, shift, x, y, doClick);
  }
  void MouseWheel(scene::TShiftState shift, int wheelDelta, float x, float y, bool& handled) {
    FPointer.MouseWheel(shift, wheelDelta, x, y, handled);
  }
  // A press from the platform window (see TPointerRouting::Press).
  void Press(scene::TMouseButton button, scene::TShiftState shift, float x, float y,
             TPointF screen) {
    SetFocusRingShown(false);
    FPointer.Press(button, shift, x, y, screen);
  }
  bool ContextMenuRequest(TPointF client, TPointF screen) {
    SetFocusRingShown(false);
    return FPointer.ContextMenuRequest(client, screen);
  }
  // Whether the focused control shows that it holds the focus (a button's focus ring): from a
  // key pressed in the window until the next pointer press, so that whoever uses the keyboard
  // sees where the keys go, and a click alone leaves no ring behind.
  bool FocusRingShown() const { return FFocusRingShown; }
  // The pointer's look now: that of the control holding the pointer (the captured one, else
  // the one under it), or of its nearest parent control that has one; Default over a 3D
  // object or nothing.
  TCursorShape PointerCursor() const;

  bool IsForm() const override { return true; }

  // Runs at the start of every paint, with the window's device current (a window finishes
  // work here that must be done before it is first drawn).
  virtual void PrepareToPaint() {}
  // Draws every visible 3D view of the window into its framebuffer, in tree order.
  void Paint3D(const TPaintTarget3D& target);
  // Paints the 2D layer over what Paint3D drew: a gradient fill, then the controls in tree
  // order, each before its own children. The 3D views are the window's first children, so
  // nothing of the 2D layer lies below a 3D image (a window with 3D views has a solid fill,
  // which the platform window clears with before Paint3D).
  void Paint2D(IPainter& painter);

  // A key pressed while the window is active. The focused control has it first; when that
  // control does not consume it (it leaves `key` and `keyChar` as they were), Tab and Shift+Tab
  // (without Ctrl or Alt) move the focus to the next or previous tab stop (TabOrder.h) and go
  // no further, Shift+F10 and the menu key open a context menu
  // (TPointerRouting::KeyboardContextMenu), and other keys go to OnKeyDown. keyChar is the
  // character the key types (0 for none).
  void KeyDown(TKeyCode key, char32_t keyChar, scene::TShiftState shift);

  // Builds the window's stored objects with their stored properties (runs while loading).
  virtual void BuildStoredTree() {}
  // Runs the creation handler once the stored tree has finished loading.
  void RunCreateHandler() {
    if (OnCreate) OnCreate(*this);
  }

  std::function<void(scene::TSceneNode&sender)> OnCreate, OnResize;

  // Where the pointer routing finds its targets: the window's controls.
  scene::IPointerTarget* TargetAt(TPointF client) override;
  scene::IPointerTarget* FirstTargetWithMenu() override;

 protected:
  void ObservedFreed(scene::TSceneNode* dying) override;

 public:
  std::function<void(scene::TSceneNode& sender, TKeyCode& key, char32_t& keyChar,
                     scene::TShiftState shift)>
      OnKeyDown;

 private:
  void SetFocusRingShown(bool v);
  // Sets one of the outer bounds, the others kept.
  void SetBoundsField(int TWindowBounds::*field, int v);
  friend class TWindowService;
  void ApplyFrame();

  std::string FCaption;
  int FClientWidth = 640, FClientHeight = 480;
  float FAreaWidth = 640, FAreaHeight = 480;
  TFill FFill;
  TWindowPlacement FPlacement = TWindowPlacement::Stored;
  // Full screen asked for while the window could not enter it (loading or hidden).
  bool FFullScreen = false;
  bool FFocusRingShown = false;
  TWindowBounds FBounds{0, 0, 640, 480};
  TWindowState FWindowState = wsNormal;
  TFormBorderStyle FBorderStyle = TFormBorderStyle::Sizeable;
  TBorderIcons FBorderIcons = AllBorderIcons;
  TFormStyle FFormStyle = TFormStyle::Normal;
  IPlatformWindow* FPlatformWindow = nullptr;
  IWindowHost* FHost = nullptr;
  TStyleBook* FStyleBook = nullptr;
  TPointerRouting FPointer{*this};
};

}  // namespace ui
