// Plain shapes and containers of the 2D layer: a filled and outlined rectangle, and a layout
// that only holds other controls.
#pragma once

#include "ui/paint/Fill.h"
#include "ui/window/Control.h"

namespace ui {

class TRectangle : public TControl {
 public:
  scene::TAlphaColor FillColor() const { return FFillColor; }
  void SetFillColor(scene::TAlphaColor c);
  TBrushKind FillKind() const { return FFillKind; }
  void SetFillKind(TBrushKind k);
  scene::TAlphaColor StrokeColor() const { return FStrokeColor; }
  void SetStrokeColor(scene::TAlphaColor c);
  TBrushKind StrokeKind() const { return FStrokeKind; }
  void SetStrokeKind(TBrushKind k);
  float StrokeThickness() const { return FStrokeThickness; }
  void SetStrokeThickness(float t);
  float XRadius() const { return FXRadius; }
  float YRadius() const { return FYRadius; }
  void SetRadii(float x, float y);

  std::string_view ClassName() const override { return "TRectangle"; }

 protected:
  // The fill covers the rectangle inset by half the outline; the outline is centred on that
  // inset rectangle's edge, so it lies wholly inside the control.
  void Paint(IPainter& painter) override;

 private:
  scene::TAlphaColor FFillColor = 0xFFE0E0E0;
  TBrushKind FFillKind = TBrushKind::Solid;
  scene::TAlphaColor FStrokeColor = 0xFF000000;
  TBrushKind FStrokeKind = TBrushKind::Solid;
  float FStrokeThickness = 1;
  float FXRadius = 0, FYRadius = 0;
};

class TLayout : public TControl {
 public:
  std::string_view ClassName() const override { return "TLayout"; }
};

}  // namespace ui
