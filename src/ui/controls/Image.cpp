#include "ui/controls/Image.h"

#include <algorithm>
#include <cmath>

#include "ui/window/Form.h"

namespace ui {

void TImage::SetBitmap(TBitmapPtr bitmap) {
  FBitmap = std::move(bitmap);
  Repaint();
}

TWindowRect TImage::FittedRect(float windowScale) const {
  if (!FBitmap || FBitmap->Width() <= 0 || FBitmap->Height() <= 0 || Width() <= 0 || Height() <= 0)
    return {};
  const float bitmapScale = FBitmap->Scale() > 0 ? FBitmap->Scale() : 1;
  const float w = FBitmap->Width() / bitmapScale, h = FBitmap->Height() / bitmapScale;
  const float r = std::max(w / Width(), h / Height());
  const float fw = w / r, fh = h / r;
  const float s = windowScale > 0 ? windowScale : 1;
  // In device pixels: the corner truncated, the size rounded.
  const float left = std::trunc((Width() - fw) / 2 * s), top = std::trunc((Height() - fh) / 2 * s);
  const float width = std::round(fw * s), height = std::round(fh * s);
  return {left / s, top / s, (left + width) / s, (top + height) / s};
}

void TImage::Paint(IPainter& painter) {
  const TFormBase* form = Form();
  const TWindowRect fit = FittedRect(form ? form->Scale() : 1);
  if (fit.Width() <= 0 || fit.Height() <= 0) return;
  const TWindowRect origin = AbsoluteRect();
  painter.DrawBitmap(
      *FBitmap, {0, 0, static_cast<float>(FBitmap->Width()), static_cast<float>(FBitmap->Height())},
      {origin.Left + fit.Left, origin.Top + fit.Top, origin.Left + fit.Right,
       origin.Top + fit.Bottom},
      AbsoluteOpacity(), true);
}

}  // namespace ui
