// Finding the style element that draws a control.
//
// Default element names come from class names: a name containing "TCustom" loses its first
// seven characters, then a leading "T" is dropped, and "style" is appended ("TPanel" gives
// "Panelstyle", "TCustomButton" "Buttonstyle"). The lookup, first hit
// winning (a control whose own StyleName equals its StyleLookup gets nothing):
// 1. a non-empty StyleLookup in the window's style book's current style, the platform style,
//    then the shared pool (every style book's current style);
// 2. StyleLookup, the default name and the parent class's name in the book's current style;
// 3. the same three names in the platform style.
#pragma once

#include <string>
#include <string_view>

#include "ui/style/StyledControl.h"

namespace ui {

std::string DefaultStyleName(std::string_view className);

// A new copy of the element that draws `control` (the caller owns it), or null.
TControl* MakeStyleCopy(const TStyledControl& control);

}  // namespace ui
