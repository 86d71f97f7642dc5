// Every key and mouse action of the main window, as the F1 list, `--help` and the manual page
// tell them (the manual page and README keep their own copy, which a test holds to this one).
#pragma once

#include <array>

namespace app {

struct TKeyHelpRow {
  const char* Keys;
  const char* Action;
};

inline constexpr std::array<TKeyHelpRow, 12> KeyHelpRows = {{
    {"Drag", "Swing the view"},
    {"Arrow keys", "Swing the view"},
    {"Wheel, pinch, + or -", "Zoom in or out"},
    {"Home", "Back to the start view"},
    {"Click a body", "Its name and data"},
    {"Double-click, Space", "Show or hide the side panel"},
    {"Tab, Enter", "The side panel's buttons"},
    {"Right-click, Shift+F10", "The menu"},
    {"F11", "Full screen on or off"},
    {"Escape", "Leave full screen"},
    {"Ctrl+S", "Save a screenshot"},
    {"F1", "This list"},
}};

}  // namespace app
