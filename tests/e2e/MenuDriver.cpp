#include "MenuDriver.h"

#include <QColor>
#include <string>
#include <thread>

namespace e2e {

namespace {

bool IsFrameGrey(const QImage& screen, int x, int y) {
  if (!screen.rect().contains(x, y)) return false;
  const QColor c = screen.pixelColor(x, y);
  return std::abs(c.red() - c.green()) <= 2 && std::abs(c.green() - c.blue()) <= 2 &&
         c.green() >= 120 && c.green() <= 180;
}

// The centre of a row: the rows share the box's height evenly.
QPoint RowCentre(const QRect& box, TMenuRow row) {
  return {box.left() + 40, box.top() + box.height() * (2 * row + 1) / (2 * RowCount)};
}

void MovePointer(QPoint p) {
  Xdotool("mousemove " + std::to_string(p.x()) + " " + std::to_string(p.y()));
  std::this_thread::sleep_for(150ms);
}

}  // namespace

QRect MenuBoxAt(const QImage& screen, QPoint corner) {
  const QPoint inside = corner + QPoint(2, 2);
  if (!IsFrameGrey(screen, corner.x(), corner.y()) || !screen.rect().contains(inside) ||
      screen.pixelColor(inside) != QColor(Qt::white))
    return {};
  int right = corner.x(), bottom = corner.y();
  while (IsFrameGrey(screen, right + 1, corner.y()))
    ++right;
  while (IsFrameGrey(screen, corner.x(), bottom + 1))
    ++bottom;
  if (right - corner.x() < 50 || bottom - corner.y() < 50) return {};
  return QRect(corner, QPoint(right, bottom));
}

QRect FindMenuBox(const QImage& screen) {
  for (int y = 0; y < screen.height(); ++y)
    for (int x = 0; x < screen.width(); ++x)
      if (IsFrameGrey(screen, x, y) && IsFrameGrey(screen, x + 1, y) &&
          IsFrameGrey(screen, x, y + 1))
        if (const QRect box = MenuBoxAt(screen, {x, y}); !box.isEmpty()) return box;
  return {};
}

QImage CaptureWhen(const std::function<bool(const QImage&)>& shows,
                   std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  QImage screen = CaptureScreen();
  while (!shows(screen) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(200ms);
    screen = CaptureScreen();
  }
  return screen;
}

QRect OpenMenuAt(QPoint p, QImage* shown) {
  MovePointer(p);
  Xdotool("click 3");
  const QImage screen = CaptureWhen([p](const QImage& s) { return !MenuBoxAt(s, p).isEmpty(); });
  if (shown) *shown = screen;
  return MenuBoxAt(screen, p);
}

QRect OpenMenuNear(QPoint p) {
  MovePointer(p);
  Xdotool("click 3");
  // A menu moved to fit the screen still lies near the pointer: only that part is looked at
  // (a scan of a whole 8K screen is slow).
  const QRect around = QRect(p - QPoint(600, 600), QSize(1200, 1200)) & QRect({0, 0}, ScreenSize());
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  QRect box = FindMenuBox(CaptureArea(around));
  while (box.isEmpty() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(200ms);
    box = FindMenuBox(CaptureArea(around));
  }
  return box.translated(around.topLeft());
}

void ClickMenuRow(const QRect& box, TMenuRow row) {
  MovePointer(RowCentre(box, row));
  Xdotool("click 1");
}

void ChooseMenuRow(const QRect& box, TMenuRow row) {
  ClickMenuRow(box, row);
  CaptureWhen([box](const QImage& s) { return MenuBoxAt(s, box.topLeft()).isEmpty(); });
  std::this_thread::sleep_for(500ms);
}

}  // namespace e2e
