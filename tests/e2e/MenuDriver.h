// Using the viewer's context menu as a person does: right-click, find the menu's box on the
// screen, click one of its rows.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>

#include "E2eSupport.h"

namespace e2e {

// The rows of the menu, top to bottom.
enum TMenuRow { AutoRotate, ShowNames, ShowInfo, FullScreen, Screenshot, About, Exit, RowCount };

// The desktop's menu is a white box in a one-pixel mid-grey frame. Its rectangle when its
// top-left corner lies at `corner`; empty when there is no menu there.
QRect MenuBoxAt(const QImage& screen, QPoint corner);

// The box of the menu wherever it lies on the screen (empty when there is none): the topmost,
// then leftmost.
QRect FindMenuBox(const QImage& screen);

// The screen once it shows what `shows` looks for, looked at again every 200 ms for up to
// `limit` (a sanitized build draws its frames late); the last look when it never does.
QImage CaptureWhen(const std::function<bool(const QImage&)>& shows,
                   std::chrono::milliseconds limit = 10s);

// Right-clicks at `p` and answers the menu's box once it is shown (empty when none came);
// `shown` receives the screen showing it.
QRect OpenMenuAt(QPoint p, QImage* shown = nullptr);
// The same where the menu may not open at `p`: a screen too small for it there has it moved
// to fit.
QRect OpenMenuNear(QPoint p);
// Clicks a row of the open menu whose box is `box`.
void ClickMenuRow(const QRect& box, TMenuRow row);
// The same, then waits until the menu has gone and the frames after the click are drawn.
void ChooseMenuRow(const QRect& box, TMenuRow row);

}  // namespace e2e
