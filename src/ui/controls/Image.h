// A picture fitted into the control's rectangle: scaled by the same factor both ways so that
// it fits (larger pictures shrink, smaller ones grow), centred, its left and top edges on
// whole device pixels and its size rounded to whole device pixels, drawn smoothly.
#pragma once

#include "ui/paint/Bitmap.h"
#include "ui/window/Control.h"

namespace ui {

class TImage : public TControl {
 public:
  const TBitmapPtr& Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmapPtr bitmap);
  std::string_view ClassName() const override { return "TImage"; }

  // Where the picture goes in a box of the control's size (local window units), for a window
  // of the given scale; empty when there is no picture.
  TWindowRect FittedRect(float windowScale) const;

 protected:
  void Paint(IPainter& painter) override;

 private:
  TBitmapPtr FBitmap;
};

}  // namespace ui
