// Context menus on Qt: a QMenu in the desktop's look, one action per entry, placed by the
// menu placement rule within the work area of the screen that holds the point, and run with
// QMenu::exec (a nested event loop: timers, animations and repaints go on meanwhile).
//
// The QMenu has no parent and lives only for one call, so it is gone when the call returns,
// whatever happened to the program's windows meanwhile (one closed while the menu was open).
#pragma once

#include <QPoint>
#include <QSize>
#include <vector>

#include "ui/menu/MenuPresenter.h"

namespace ui::qt {

class TQtMenuPresenter : public IMenuPresenter {
 public:
  std::optional<std::size_t> Present(const std::vector<TMenuEntry>& entries,
                                     TScreenPoint at) override;
};

// The screens a menu at `point` is placed on: the one holding it, or every screen when none
// does (the placement rule then takes the nearest).
std::vector<TMenuScreen> MenuScreensFor(QPoint point);
// Where a menu of `size` asked for at `point` opens on the current screens.
QPoint PlaceMenuOnScreens(QPoint point, QSize size);

}  // namespace ui::qt
