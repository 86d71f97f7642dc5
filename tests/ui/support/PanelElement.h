// The style element tests draw their panels with: a dark blue rounded rectangle without an
// outline, stored centred at its designed size (applying it makes it fill the panel).
#pragma once

#include "ui/controls/Shapes.h"

namespace ui::testing {

inline TRectangle* MakeRoundedPanelElement() {
  auto* r = new TRectangle;
  r->SetFillColor(0xFF35356F);
  r->SetStrokeKind(TBrushKind::None);
  r->SetRadii(8, 8);
  r->SetHitTest(false);
  r->SetSize(257, 314);
  r->SetAlign(TControlAlign::Center);
  return r;
}

}  // namespace ui::testing
