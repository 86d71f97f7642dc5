// How a context menu reaches the screen.
//
// The platform's menu presenter shows a menu's entries at a screen point and runs the
// platform's menu loop until the menu closes (a nested loop: timers and animations keep
// running), then answers the chosen entry. The program installs its presenter, with the
// one-shot timers that run a chosen item's click once the menu has closed, for the whole
// process; tests install a recording one. With none installed no menu is shown.
//
// The placement rule is plain arithmetic on screen rectangles, so every platform places its
// menus alike and the rule is tested without a display.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "scene/service/Service.h"
#include "ui/services/OneShotTimer.h"

namespace ui {

// Screen coordinates, in the whole units the platform places its menus in.
struct TScreenPoint {
  int X = 0, Y = 0;
  friend bool operator==(const TScreenPoint&, const TScreenPoint&) = default;
};

struct TScreenSize {
  int Width = 0, Height = 0;
};

struct TScreenRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int Right() const { return Left + Width; }  // the first column past the rectangle
  int Bottom() const { return Top + Height; }
  bool Contains(TScreenPoint p) const {
    return p.X >= Left && p.X < Right() && p.Y >= Top && p.Y < Bottom();
  }
};

// A display: its whole area, and its work area (without the desktop's panels and docks).
struct TMenuScreen {
  TScreenRect Geometry;
  TScreenRect WorkArea;
};

// Where the top-left corner of a menu of `size`, asked for at `point`, goes.
//
// The corner goes to the point. The work area is that of the display containing the point;
// a point on no display takes the nearest display's. A menu that would reach below the work
// area moves up by the overlap, but not above the work area's top; one that would reach past
// its right edge moves left by the overlap, but not past its left edge. A corner above or left
// of the work area (a point on a desktop panel, or on no display) moves down or right into it,
// so the menu always opens where it can be seen. Without any display the corner stays at the
// point.
TScreenPoint PlaceMenu(TScreenPoint point, TScreenSize size,
                       const std::vector<TMenuScreen>& screens);

// One line of a shown menu.
struct TMenuEntry {
  std::string Text;
  bool Checked = false;
};

class IMenuPresenter {
 public:
  virtual ~IMenuPresenter() = default;
  // Shows `entries` in order at the screen point `at` and returns once the menu has closed:
  // the index of the chosen entry, or none when the menu was dismissed.
  virtual std::optional<std::size_t> Present(const std::vector<TMenuEntry>& entries,
                                             TScreenPoint at) = 0;
};

}  // namespace ui
