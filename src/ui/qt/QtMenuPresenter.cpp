#include "ui/qt/QtMenuPresenter.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <memory>

namespace ui::qt {

namespace {

TScreenRect RectOf(const QRect& r) {
  return {r.x(), r.y(), r.width(), r.height()};
}

TMenuScreen MenuScreenOf(const QScreen& screen) {
  return {RectOf(screen.geometry()), RectOf(screen.availableGeometry())};
}

}  // namespace

std::vector<TMenuScreen> MenuScreensFor(QPoint point) {
  std::vector<TMenuScreen> screens;
  if (const QScreen* holding = QGuiApplication::screenAt(point)) {
    screens.push_back(MenuScreenOf(*holding));
    return screens;
  }
  for (const QScreen* screen : QGuiApplication::screens())
    screens.push_back(MenuScreenOf(*screen));
  return screens;
}

QPoint PlaceMenuOnScreens(QPoint point, QSize size) {
  const TScreenPoint placed =
      PlaceMenu({point.x(), point.y()}, {size.width(), size.height()}, MenuScreensFor(point));
  return {placed.X, placed.Y};
}

std::optional<std::size_t> TQtMenuPresenter::Present(const std::vector<TMenuEntry>& entries,
                                                     TScreenPoint at) {
  const auto menu = std::make_unique<QMenu>();
  std::vector<const QAction*> actions;
  for (const TMenuEntry& entry : entries) {
    QAction* action = menu->addAction(QString::fromStdString(entry.Text));
    // Only a checked item shows a mark; an unchecked one shows none (no empty box either),
    // as the menu's own items draw their marks.
    action->setCheckable(entry.Checked);
    action->setChecked(entry.Checked);
    actions.push_back(action);
  }
  const QPoint placed = PlaceMenuOnScreens({at.X, at.Y}, menu->sizeHint());
  const QAction* chosen = menu->exec(placed);
  for (std::size_t i = 0; i < actions.size(); ++i)
    if (actions[i] == chosen) return i;
  return std::nullopt;
}

}  // namespace ui::qt
