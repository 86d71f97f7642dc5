#include "ui/qt/KeyInput.h"

#include <QList>

namespace ui::qt {

scene::TShiftState ShiftOf(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons) {
  scene::TShiftState s = 0;
  if (keys & Qt::ShiftModifier) s |= scene::ssShift;
  if (keys & Qt::AltModifier) s |= scene::ssAlt;
  if (keys & Qt::ControlModifier) s |= scene::ssCtrl;
  if (keys & Qt::MetaModifier) s |= scene::ssCommand;
  if (buttons & Qt::LeftButton) s |= scene::ssLeft;
  if (buttons & Qt::RightButton) s |= scene::ssRight;
  if (buttons & Qt::MiddleButton) s |= scene::ssMiddle;
  return s;
}

namespace {

TKeyCode KeyCodeOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return vkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return vkReturn;
    case Qt::Key_Escape:
      return vkEscape;
    case Qt::Key_Space:
      return vkSpace;
    case Qt::Key_Menu:
      return vkApps;
    case Qt::Key_F10:
      return vkF10;
    case Qt::Key_F1:
      return vkF1;
    case Qt::Key_F11:
      return vkF11;
    case Qt::Key_Home:
      return vkHome;
    case Qt::Key_Left:
      return vkLeft;
    case Qt::Key_Up:
      return vkUp;
    case Qt::Key_Right:
      return vkRight;
    case Qt::Key_Down:
      return vkDown;
    default:
      break;
  }
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return static_cast<TKeyCode>(qtKey);
  return 0;
}

}  // namespace

TKeyPress KeyPressOf(int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
  const QList<uint> points = text.toUcs4();
  return {KeyCodeOf(qtKey), points.isEmpty() ? 0 : static_cast<char32_t>(points.front()),
          ShiftOf(modifiers)};
}

}  // namespace ui::qt
