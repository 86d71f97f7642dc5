// A window's state, frame and style as the form stores them, integer screen bounds, and the
// record the window service keeps of a window's full-screen entry.
#pragma once

namespace ui {

enum TWindowState { wsNormal, wsMinimized, wsMaximized };

// The frame: none (no caption, no border), a caption with a fixed-size or a resizable border,
// and the small-captioned tool window variants of both.
enum class TFormBorderStyle { None, Single, Sizeable, ToolWindow, SizeToolWin };

// The buttons of a framed window's caption; a set of bits.
using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 1u << 0;
constexpr TBorderIcons biMinimize = 1u << 1;
constexpr TBorderIcons biMaximize = 1u << 2;
constexpr TBorderIcons AllBorderIcons = biSystemMenu | biMinimize | biMaximize;

// Popup and StayOnTop windows stay above ordinary windows.
enum class TFormStyle { Normal, Popup, StayOnTop };

struct TIntPoint {
  int X = 0, Y = 0;
  bool operator==(const TIntPoint&) const = default;
};

struct TIntSize {
  int Width = 0, Height = 0;
  bool operator==(const TIntSize&) const = default;
};

// A rectangle of the screen in window units: a window's outer bounds (frame and caption
// included), a screen or its work area.
struct TWindowBounds {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  bool operator==(const TWindowBounds&) const = default;
};

// What a window was when it last entered full screen: its border style and state, and its
// bounds from the last entry made in the normal state (zero until there was one).
struct TFullScreenParams {
  TFormBorderStyle BorderStyle = TFormBorderStyle::None;
  TWindowState WindowState = wsNormal;
  TIntPoint Position;
  TIntSize Size;

  // A borderless maximised window is what full screen makes of a window, so that pair (the
  // one Clean leaves) is the record of a window that is not full screen.
  bool IsFullScreen() const {
    return BorderStyle != TFormBorderStyle::None || WindowState != wsMaximized;
  }
  void Clean() {
    BorderStyle = TFormBorderStyle::None;
    WindowState = wsMaximized;
  }
  bool operator==(const TFullScreenParams&) const = default;
};

}  // namespace ui
