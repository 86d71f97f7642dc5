#include "ui/menu/MenuPresenter.h"

#include <algorithm>
#include <cstdint>

namespace ui {

namespace {

// How far `v` lies outside [low, high), 0 inside.
std::int64_t Outside(int v, int low, int high) {
  if (v < low) return static_cast<std::int64_t>(low) - v;
  if (v >= high) return static_cast<std::int64_t>(v) - high + 1;
  return 0;
}

// The squared distance from a point to a rectangle (0 inside).
std::int64_t DistanceSquared(TScreenPoint p, const TScreenRect& r) {
  const std::int64_t dx = Outside(p.X, r.Left, r.Right());
  const std::int64_t dy = Outside(p.Y, r.Top, r.Bottom());
  return dx * dx + dy * dy;
}

// `start` moved back by the overlap of [start, start + length) past `end`, but not before
// `low`; a start before `low` moves up to it.
int KeepWithin(int start, int length, int low, int end) {
  const std::int64_t overlap = static_cast<std::int64_t>(start) + length - end;
  std::int64_t placed = overlap > 0 ? start - overlap : start;
  placed = std::max<std::int64_t>(placed, low);
  return static_cast<int>(placed);
}

}  // namespace

TScreenPoint PlaceMenu(TScreenPoint point, TScreenSize size,
                       const std::vector<TMenuScreen>& screens) {
  if (screens.empty()) return point;
  // The display holding the point, else the nearest one (the first of equally near ones).
  const TMenuScreen* screen = &screens.front();
  std::int64_t nearest = DistanceSquared(point, screen->Geometry);
  for (const TMenuScreen& s : screens) {
    const std::int64_t d = DistanceSquared(point, s.Geometry);
    if (d < nearest) {
      nearest = d;
      screen = &s;
    }
  }
  const TScreenRect& area = screen->WorkArea;
  return {KeepWithin(point.X, size.Width, area.Left, area.Right()),
          KeepWithin(point.Y, size.Height, area.Top, area.Bottom())};
}

}  // namespace ui
