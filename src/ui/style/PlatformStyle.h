// The built-in style of the platform the program runs on, and what the style lookup knows of
// that platform.
//
// The desktop style carries the title "Windows 8 Desktop" (so a window's style book entry
// made for that title is the one in use); "Windows 10 Desktop" and "Windows 7" give the other
// looks of the desktop's panels. Each has a description, "panelstyle", "buttonstyle",
// "speedbuttonstyle", "labelstyle", menu elements and the picture the buttons are cut from,
// "<title>style.png", drawn for scales 1, 1.5 and 2.
#pragma once

#include <string>
#include <string_view>

#include "ui/style/Style.h"

namespace ui {

struct TStyleEnvironment {
  std::string PlatformName = "Linux";  // compared with style book entries
  std::string PlatformStyleTitle = "Windows 8 Desktop";
};

const TStyleEnvironment& StyleEnvironment();
// Replaces the environment (tests, other platforms); every styled control looks again.
void SetStyleEnvironment(TStyleEnvironment environment);

// The platform style for the environment's title (built on first use).
const TStyle& PlatformStyle();
// Builds the desktop style with the given title.
std::unique_ptr<TStyle> MakeDesktopStyle(std::string_view title);

// A picture element by name: in the platform style, then in each style book's current style.
const TStyleImage* FindStyleImage(std::string_view name);

}  // namespace ui
