#include "ui/controls/Shapes.h"

namespace ui {

void TRectangle::SetFillColor(scene::TAlphaColor c) {
  FFillColor = c;
  Repaint();
}

void TRectangle::SetFillKind(TBrushKind k) {
  FFillKind = k;
  Repaint();
}

void TRectangle::SetStrokeColor(scene::TAlphaColor c) {
  FStrokeColor = c;
  Repaint();
}

void TRectangle::SetStrokeKind(TBrushKind k) {
  FStrokeKind = k;
  Repaint();
}

void TRectangle::SetStrokeThickness(float t) {
  FStrokeThickness = t < 0 ? 0 : t;
  Repaint();
}

void TRectangle::SetRadii(float x, float y) {
  FXRadius = x;
  FYRadius = y;
  Repaint();
}

void TRectangle::Paint(IPainter& painter) {
  const float opacity = AbsoluteOpacity();
  if (opacity <= 0) return;
  const bool stroked = FStrokeKind == TBrushKind::Solid && FStrokeThickness > 0;
  const float half = stroked ? FStrokeThickness / 2 : 0;
  TWindowRect r = AbsoluteRect();
  r = {r.Left + half, r.Top + half, r.Right - half, r.Bottom - half};
  if (r.Width() < 0 || r.Height() < 0) return;
  if (FFillKind == TBrushKind::Solid) painter.FillRect(r, FXRadius, FYRadius, FFillColor, opacity);
  if (stroked) painter.StrokeRect(r, FXRadius, FYRadius, FStrokeThickness, FStrokeColor, opacity);
}

}  // namespace ui
