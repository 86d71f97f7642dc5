// Qt's keys and modifiers in the 2D layer's terms.
#pragma once

#include <QString>
#include <Qt>

#include "scene/input/PointerEvent.h"
#include "ui/basics/Keys.h"

namespace ui::qt {

// The modifier keys and pressed mouse buttons of an event.
scene::TShiftState ShiftOf(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons = Qt::NoButton);

struct TKeyPress {
  TKeyCode Key = 0;
  char32_t KeyChar = 0;
  scene::TShiftState Shift = 0;
  friend bool operator==(const TKeyPress&, const TKeyPress&) = default;
};

// A key press (a repeat of a held key alike) as the form takes it. The key code: Tab (also
// Shift+Tab, which Qt reports as Backtab), Return and the keypad's Enter, Escape, Space, the
// context-menu key (vkApps) and F10 by their codes in Keys.h; letters and digits by their
// upper-case ASCII code ('A', '7'), as Qt numbers them; 0 for every other key. KeyChar is the
// first code point of the text the key types (0 for none).
TKeyPress KeyPressOf(int qtKey, const QString& text, Qt::KeyboardModifiers modifiers);

}  // namespace ui::qt
