// Laying out a text in a box: line breaks, word wrap, alignment and trimming.
//
// Explicit line feeds start new lines (a carriage return before one is dropped). With
// WordWrap a line longer than the box breaks after the last space that lets it fit, and a
// word wider than the box breaks between characters, so no wrapped line is wider than the
// box. HorzAlign places each line in the box, VertAlign the block of lines. With Trimming
// Character (or Word) a line wider than the box is cut at a character (or word) boundary and
// ends with an ellipsis, and lines below the box's height are dropped, the last line shown
// ending with an ellipsis; at least one line is kept, and what still overflows is clipped
// when drawn. With Trimming None nothing is cut.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/paint/Font.h"
#include "ui/paint/Painter.h"

namespace ui {

struct TTextLine {
  std::string Text;
  float Left = 0;      // relative to the box
  float Baseline = 0;  // relative to the box
  float Width = 0;
};

struct TTextLayout {
  std::vector<TTextLine> Lines;
};

// The ellipsis sign that ends trimmed text.
inline constexpr std::string_view Ellipsis = "\u2026";

TTextLayout LayOutText(std::string_view text, const TTextSettings& settings, float boxWidth,
                       float boxHeight, ITextMeasure& measure);

}  // namespace ui
