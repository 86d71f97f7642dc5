// A text drawn in its rectangle with its own settings (not styled).
//
// Defaults: word wrap on, no trimming, centred both ways, black, the default font. The text is
// laid out by the rules of text/TextLayout.h and clipped to the control's rectangle.
#pragma once

#include <optional>
#include <string>

#include "ui/text/TextLayout.h"
#include "ui/window/Control.h"

namespace ui {

class TText : public TControl {
 public:
  TText();

  const std::string& Text() const { return FText; }
  void SetText(std::string text);
  const TTextSettings& TextSettings() const { return FSettings; }
  void SetTextSettings(const TTextSettings& settings);

  std::string_view ClassName() const override { return "TText"; }

  // The layout of the text as it is drawn (made with `measure` when the text, the settings or
  // the size changed since the last one).
  const TTextLayout& Layout(ITextMeasure& measure);

 protected:
  void Paint(IPainter& painter) override;
  void Resized() override { FLayout.reset(); }

 private:
  std::string FText;
  TTextSettings FSettings;
  std::optional<TTextLayout> FLayout;
};

// Draws laid-out text in `rect` (client coordinates), clipped to it.
void DrawTextLayout(IPainter& painter, const TTextLayout& layout, const TWindowRect& rect,
                    const TTextSettings& settings, float opacity);

}  // namespace ui
