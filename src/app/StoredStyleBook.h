// The main window's style book: a default entry with no elements, the entry made for the
// "Windows 8 Desktop" platform style (the dark blue rounded panel and the buttons drawn from
// that style's picture) and one for "AndroidL Light".
#pragma once

#include "ui/style/StyleBook.h"

namespace app {

// Fills `book` with its three stored entries, in order.
void AddStoredStyles(ui::TStyleBook& book);

}  // namespace app
