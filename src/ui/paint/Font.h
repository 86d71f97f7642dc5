// Fonts and the text settings of text controls.
#pragma once

#include <cstdint>
#include <string>

#include "scene/math/AlphaColor.h"

namespace ui {

enum TFontStyleBits : std::uint8_t {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};
using TFontStyle = std::uint8_t;

// A font request. Size is in window units (the height of the em square). A family the
// renderer does not have, "Default" and the desktop default "Segoe UI" are drawn with the
// face the program carries.
struct TFont {
  std::string Family = "Segoe UI";
  float Size = 12;
  TFontStyle Style = 0;
  friend bool operator==(const TFont&, const TFont&) = default;
};

enum class TTextAlign { Leading, Center, Trailing };
enum class TTextTrimming { None, Character, Word };

// Which text settings a styled control takes from its style rather than its own.
enum TStyledSettingBits : std::uint8_t {
  ssFamily = 1,
  ssSize = 2,
  ssStyle = 4,
  ssFontColor = 8,
  ssOther = 16,  // alignment, word wrap and trimming
};
using TStyledSettings = std::uint8_t;
constexpr TStyledSettings AllStyledSettings = ssFamily | ssSize | ssStyle | ssFontColor | ssOther;

struct TTextSettings {
  TFont Font;
  scene::TAlphaColor FontColor = 0xFF000000;
  TTextAlign HorzAlign = TTextAlign::Leading;
  TTextAlign VertAlign = TTextAlign::Center;
  bool WordWrap = false;
  TTextTrimming Trimming = TTextTrimming::None;
  friend bool operator==(const TTextSettings&, const TTextSettings&) = default;
};

// `s` with its alignment, wrapping and trimming replaced (a control class's defaults).
inline TTextSettings WithLayout(TTextSettings s, bool wordWrap, TTextTrimming trimming,
                                TTextAlign horzAlign, TTextAlign vertAlign) {
  s.WordWrap = wordWrap;
  s.Trimming = trimming;
  s.HorzAlign = horzAlign;
  s.VertAlign = vertAlign;
  return s;
}

// The settings that reach the screen: each group from `style` when named in `styled`,
// otherwise from `own`.
inline TTextSettings MergeTextSettings(const TTextSettings& own, const TTextSettings& style,
                                       TStyledSettings styled) {
  TTextSettings s = own;
  if (styled & ssFamily) s.Font.Family = style.Font.Family;
  if (styled & ssSize) s.Font.Size = style.Font.Size;
  if (styled & ssStyle) s.Font.Style = style.Font.Style;
  if (styled & ssFontColor) s.FontColor = style.FontColor;
  if (styled & ssOther) {
    s.HorzAlign = style.HorzAlign;
    s.VertAlign = style.VertAlign;
    s.WordWrap = style.WordWrap;
    s.Trimming = style.Trimming;
  }
  return s;
}

}  // namespace ui
