#include "ui/controls/Text.h"

namespace ui {

TText::TText() {
  FSettings =
      WithLayout(FSettings, true, TTextTrimming::None, TTextAlign::Center, TTextAlign::Center);
}

void TText::SetText(std::string text) {
  if (text == FText) return;
  FText = std::move(text);
  FLayout.reset();
  Repaint();
  AccessibleChanged(TAccessibleChange::Name);
}

void TText::SetTextSettings(const TTextSettings& settings) {
  if (settings == FSettings) return;
  FSettings = settings;
  FLayout.reset();
  Repaint();
}

const TTextLayout& TText::Layout(ITextMeasure& measure) {
  if (!FLayout) FLayout = LayOutText(FText, FSettings, Width(), Height(), measure);
  return *FLayout;
}

void TText::Paint(IPainter& painter) {
  if (FText.empty()) return;
  DrawTextLayout(painter, Layout(painter), AbsoluteRect(), FSettings, AbsoluteOpacity());
}

void DrawTextLayout(IPainter& painter, const TTextLayout& layout, const TWindowRect& rect,
                    const TTextSettings& settings, float opacity) {
  if (layout.Lines.empty() || rect.Width() <= 0 || rect.Height() <= 0 || opacity <= 0) return;
  painter.Save();
  painter.ClipTo(rect);
  for (const TTextLine& line : layout.Lines)
    painter.DrawText(settings.Font, line.Text, {rect.Left + line.Left, rect.Top + line.Baseline},
                     settings.FontColor, opacity);
  painter.Restore();
}

}  // namespace ui
