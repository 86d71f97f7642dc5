// What a screen reader is told of a window's 2D controls: which controls it sees, and each
// one's role, name and state. The platform's accessibility bridge (ui/qt/FormAccessibility.h)
// hands this on.
//
// Seen are the buttons (named by their caption) and the texts and labels (named by their
// text), in tree order, shown or hidden; not the style copies inside styled controls, nor
// controls of other kinds (the 3D view, a panel), though the controls inside those are seen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/basics/PointF.h"

namespace ui {

class TControl;
class TFormBase;

enum class TAccessibleRole { Button, StaticText };

struct TAccessibleInfo {
  TAccessibleRole Role = TAccessibleRole::StaticText;
  std::string Name;
  bool Focusable = false;  // takes the keyboard focus (and is shown and enabled)
  bool Focused = false;    // holds the window's keyboard focus
  bool Shown = false;      // visible, and so are its parent controls
  bool Enabled = false;    // enabled, and so are its parent controls
  TWindowRect Rect;        // in the window's client area
  friend bool operator==(const TAccessibleInfo&, const TAccessibleInfo&) = default;
};

// The controls of `window` a screen reader sees, in tree order.
std::vector<TControl*> AccessibleControls(TFormBase& window);

// The role, name and state of `control`; nothing for a control a screen reader does not see.
std::optional<TAccessibleInfo> AccessibleInfoOf(const TControl& control);

// A screen reader's "press": clicks a button that is shown and enabled. False otherwise.
bool PressAccessible(TControl& control);
// A screen reader's "focus": gives a shown, enabled control that takes the focus the window's
// keyboard focus. False otherwise.
bool FocusAccessible(TControl& control);

}  // namespace ui
