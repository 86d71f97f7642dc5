// Text layout fed any string, box and settings: no line of a word-wrapped text is wider than
// its box (give or take the layout's rounding allowance) unless it is a single character
// wider than the box on its own; trimmed text keeps at
// least one line; every line lies within the text and its widths are what the measure says.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ui/text/TextLayout.h"

namespace {

// Every byte that starts a UTF-8 character advances by a width depending on its value; a
// space is narrow.
class TMeasure : public ui::ITextMeasure {
 public:
  float TextWidth(const ui::TFont&, std::string_view text) override {
    float width = 0;
    for (unsigned char c : text)
      if ((c & 0xC0) != 0x80) width += c == ' ' ? 3.0f : 4.0f + (c % 7);
    return width;
  }
  ui::TFontMetrics Metrics(const ui::TFont&) override { return {10, 3, 14}; }
};

// The characters of `s` (UTF-8 sequences, as the layout splits them): how many.
int Characters(const std::string& s) {
  int n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  ui::TTextSettings settings;
  settings.WordWrap = input.ConsumeBool();
  settings.Trimming = static_cast<ui::TTextTrimming>(input.ConsumeIntegralInRange(0, 2));
  settings.HorzAlign = static_cast<ui::TTextAlign>(input.ConsumeIntegralInRange(0, 2));
  settings.VertAlign = static_cast<ui::TTextAlign>(input.ConsumeIntegralInRange(0, 2));
  const float width = input.ConsumeFloatingPointInRange<float>(0, 400);
  const float height = input.ConsumeFloatingPointInRange<float>(0, 200);
  const std::string text = input.ConsumeRemainingBytesAsString();
  TMeasure measure;
  const ui::TTextLayout layout = ui::LayOutText(text, settings, width, height, measure);
  if (settings.Trimming != ui::TTextTrimming::None && !text.empty() && layout.Lines.empty())
    std::abort();
  for (const ui::TTextLine& line : layout.Lines) {
    if (!std::isfinite(line.Left) || !std::isfinite(line.Baseline) || !std::isfinite(line.Width))
      std::abort();
    if (std::abs(line.Width - measure.TextWidth(settings.Font, line.Text)) > 1e-3f) std::abort();
    const bool wrapped = settings.WordWrap && settings.Trimming == ui::TTextTrimming::None;
    // A hundredth of a unit is the layout's allowance for rounding in measured widths.
    if (wrapped && line.Width > width + 0.0101f && Characters(line.Text) > 1) std::abort();
  }
  return 0;
}
