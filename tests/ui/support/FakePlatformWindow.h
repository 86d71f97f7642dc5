// A native window for the window service's tests, without a display: a screen and its work
// area, a frame of known widths per border style, and a log of what the service asked, in
// order. Like the Qt window it is made hidden at the form's stored client size, position,
// frame and state, and it tells the form every change of its client size.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "ui/window/Form.h"
#include "ui/window/PlatformWindow.h"

namespace ui::testing {

// The frame's widths around the client area.
struct TFrameWidths {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

inline TFrameWidths FrameOf(TFormBorderStyle style) {
  switch (style) {
    case TFormBorderStyle::None:
      return {};
    case TFormBorderStyle::Single:
      return {3, 26, 3, 3};
    case TFormBorderStyle::Sizeable:
      return {8, 31, 8, 8};
    case TFormBorderStyle::ToolWindow:
      return {3, 22, 3, 3};
    case TFormBorderStyle::SizeToolWin:
      return {8, 27, 8, 8};
  }
  return {};
}

inline std::string StateName(TWindowState state) {
  return state == wsNormal ? "normal" : state == wsMinimized ? "minimized" : "maximized";
}

inline std::string StyleName(TFormBorderStyle style) {
  const char* names[] = {"None", "Single", "Sizeable", "ToolWindow", "SizeToolWin"};
  return names[static_cast<int>(style)];
}

inline std::string BoundsText(const TWindowBounds& b) {
  return std::to_string(b.Left) + "," + std::to_string(b.Top) + " " + std::to_string(b.Width) +
         "x" + std::to_string(b.Height);
}

}  // namespace ui::testing

namespace ui {
// Readable failures.
inline std::ostream& operator<<(std::ostream& out, const TWindowBounds& b) {
  return out << testing::BoundsText(b);
}
inline std::ostream& operator<<(std::ostream& out, const TIntPoint& p) {
  return out << "(" << p.X << ", " << p.Y << ")";
}
inline std::ostream& operator<<(std::ostream& out, const TIntSize& s) {
  return out << s.Width << "x" << s.Height;
}
inline std::ostream& operator<<(std::ostream& out, const TFullScreenParams& p) {
  return out << "{" << testing::StyleName(p.BorderStyle) << ", "
             << testing::StateName(p.WindowState) << ", " << p.Position << ", " << p.Size << "}";
}
}  // namespace ui

namespace ui::testing {

class TFakePlatformWindow : public IPlatformWindow {
 public:
  TWindowBounds Screen{0, 0, 1920, 1080};
  TWindowBounds Work{0, 0, 1920, 1040};  // a panel along the bottom
  std::vector<std::string> Calls;
  bool Created = false, Shown = false;
  TFormBorderStyle Style;
  TBorderIcons Icons;
  TFormStyle FormStyle;
  TWindowState WindowState = wsNormal;
  TWindowBounds Normal;  // outer bounds of the normal state

  explicit TFakePlatformWindow(TFormBase& form)
      : Style(form.BorderStyle()),
        Icons(form.BorderIcons()),
        FormStyle(form.FormStyle()),
        WindowState(form.WindowState()),
        FForm(form) {
    const TFrameWidths f = FrameOf(Style);
    Normal = {form.Left(), form.Top(), form.ClientWidth() + f.Left + f.Right,
              form.ClientHeight() + f.Top + f.Bottom};
    form.SetPlatformWindow(this);
    TellClientSize();
  }
  ~TFakePlatformWindow() override { FForm.SetPlatformWindow(nullptr); }

  // The client area's size now.
  TIntSize Client() const {
    const TWindowBounds b = Bounds();
    const TFrameWidths f = FrameOf(Style);
    return {b.Width - f.Left - f.Right, b.Height - f.Top - f.Bottom};
  }
  // The calls since the last look, and a fresh log.
  std::vector<std::string> TakeCalls() {
    std::vector<std::string> calls;
    calls.swap(Calls);
    return calls;
  }

  void CreateNative() override {
    Created = true;
    Calls.push_back("create");
  }
  bool Visible() const override { return Shown; }
  void ShowNative() override {
    Shown = true;
    Calls.push_back("show " + StateName(WindowState));
  }
  void HideNative() override {
    Shown = false;
    Calls.push_back("hide");
  }
  void Activate() override { Calls.push_back("activate"); }
  void SetFrame(TFormBorderStyle style, TBorderIcons icons, TFormStyle formStyle) override {
    Style = style;
    Icons = icons;
    FormStyle = formStyle;
    Calls.push_back("frame " + StyleName(style));
    TellClientSize();
  }
  TWindowBounds Bounds() const override {
    if (WindowState != wsMaximized) return Normal;
    return Style == TFormBorderStyle::None ? Screen : Work;
  }
  void SetBounds(const TWindowBounds& bounds) override {
    Normal = bounds;
    Calls.push_back("bounds " + BoundsText(bounds));
    TellClientSize();
  }
  TWindowState State() const override { return WindowState; }
  void SetState(TWindowState state) override {
    WindowState = state;
    Calls.push_back("state " + StateName(state));
    TellClientSize();
  }
  TWindowBounds WorkArea() const override { return Work; }

 private:
  TFormBase& FForm;
  TIntSize FToldClient{-1, -1};

  void TellClientSize() {
    const TIntSize client = Client();
    if (client == FToldClient) return;
    FToldClient = client;
    FForm.ClientResized(static_cast<float>(client.Width), static_cast<float>(client.Height));
  }
};

}  // namespace ui::testing
