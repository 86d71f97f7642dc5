// Qt's keys as the form takes them.
#include <gtest/gtest.h>

#include "ui/qt/KeyInput.h"

namespace ui::qt {
namespace {

TEST(KeyInput, TranslatesKeysCharactersAndModifiers) {
  const struct {
    int qtKey;
    const char16_t* text;
    Qt::KeyboardModifiers modifiers;
    TKeyPress expected;
  } cases[] = {
      {Qt::Key_Tab, u"\t", Qt::NoModifier, {vkTab, U'\t', 0}},
      {Qt::Key_Backtab, u"", Qt::ShiftModifier, {vkTab, 0, scene::ssShift}},
      {Qt::Key_Return, u"\r", Qt::NoModifier, {vkReturn, U'\r', 0}},
      {Qt::Key_Enter, u"\r", Qt::KeypadModifier, {vkReturn, U'\r', 0}},
      {Qt::Key_Escape, u"\x1b", Qt::NoModifier, {vkEscape, 0x1B, 0}},
      {Qt::Key_Space, u" ", Qt::ControlModifier, {vkSpace, U' ', scene::ssCtrl}},
      {Qt::Key_Menu, u"", Qt::NoModifier, {vkApps, 0, 0}},
      {Qt::Key_F10,
       u"",
       Qt::AltModifier | Qt::MetaModifier,
       {vkF10, 0, scene::ssAlt | scene::ssCommand}},
      {Qt::Key_A, u"a", Qt::NoModifier, {'A', U'a', 0}},
      {Qt::Key_Z, u"Z", Qt::ShiftModifier, {'Z', U'Z', scene::ssShift}},
      {Qt::Key_7, u"7", Qt::NoModifier, {'7', U'7', 0}},
      {Qt::Key_Exclam, u"!", Qt::ShiftModifier, {0, U'!', scene::ssShift}},
      {Qt::Key_Left, u"", Qt::NoModifier, {vkLeft, 0, 0}},
      {Qt::Key_Down, u"", Qt::ShiftModifier, {vkDown, 0, scene::ssShift}},
      {Qt::Key_Home, u"", Qt::NoModifier, {vkHome, 0, 0}},
      {Qt::Key_F1, u"", Qt::NoModifier, {vkF1, 0, 0}},
      {Qt::Key_F11, u"", Qt::NoModifier, {vkF11, 0, 0}},
      // The keypad's plus is its character, as the main keyboard's.
      {Qt::Key_Plus, u"+", Qt::KeypadModifier, {0, U'+', 0}},
      {Qt::Key_S, u"\x13", Qt::ControlModifier, {'S', 0x13, scene::ssCtrl}},
      {Qt::Key_PageUp, u"", Qt::NoModifier, {0, 0, 0}},
      {Qt::Key_Shift, u"", Qt::ShiftModifier, {0, 0, scene::ssShift}},
      // Characters beyond the first plane arrive as surrogate pairs: one code point.
      {Qt::Key_unknown, u"\U0001F319\u00e9", Qt::NoModifier, {0, U'\U0001F319', 0}},
      {Qt::Key_E,
       u"\u00e9",
       Qt::AltModifier | Qt::ControlModifier,
       {'E', U'\u00e9', scene::ssAlt | scene::ssCtrl}},
  };
  for (const auto& c : cases) {
    const TKeyPress got = KeyPressOf(c.qtKey, QString::fromUtf16(c.text), c.modifiers);
    EXPECT_EQ(got, c.expected) << "Qt key 0x" << std::hex << c.qtKey << ": " << got.Key << ", "
                               << std::uint32_t(got.KeyChar) << ", " << got.Shift;
  }
}

}  // namespace
}  // namespace ui::qt
