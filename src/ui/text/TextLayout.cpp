#include "ui/text/TextLayout.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Widths a hair over the box still fit: measuring sums rounded advances.
constexpr float FitSlack = 0.01f;

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offsets of the code point boundaries of `s`, 0 and s.size() included.
std::vector<size_t> Boundaries(std::string_view s) {
  std::vector<size_t> b;
  for (size_t i = 0; i < s.size(); ++i)
    if (!IsContinuationByte(s[i])) b.push_back(i);
  b.push_back(s.size());
  if (b.front() != 0) b.insert(b.begin(), 0);
  return b;
}

std::vector<std::string_view> SplitParagraphs(std::string_view text) {
  std::vector<std::string_view> paragraphs;
  size_t start = 0;
  while (true) {
    const size_t end = text.find('\n', start);
    std::string_view p = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!p.empty() && p.back() == '\r') p.remove_suffix(1);
    paragraphs.push_back(p);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return paragraphs;
}

class TLayoutWork {
 public:
  TLayoutWork(const TFont& font, float width, ITextMeasure& measure)
      : FFont(font), FWidth(width), FMeasure(measure) {}

  float Width(std::string_view s) { return s.empty() ? 0 : FMeasure.TextWidth(FFont, s); }
  bool Fits(std::string_view s) { return Width(s) <= FWidth + FitSlack; }

  // The longest prefix of `s`, ending at a code point boundary, for which `fits` holds (its
  // byte length; 0 when none). `fits` must hold for every prefix of one that fits.
  template <class Fits>
  size_t LongestPrefix(std::string_view s, Fits fits) {
    const std::vector<size_t> b = Boundaries(s);
    size_t lo = 0, hi = b.size() - 1;  // b[lo] fits (the empty prefix is taken to)
    while (lo < hi) {
      const size_t mid = (lo + hi + 1) / 2;
      if (fits(s.substr(0, b[mid])))
        lo = mid;
      else
        hi = mid - 1;
    }
    return b[lo];
  }

  // Breaks one paragraph into lines no wider than the box.
  void Wrap(std::string_view p, std::vector<std::string>& lines) {
    while (!Fits(p)) {
      const size_t fit = LongestPrefix(p, [&](std::string_view s) { return Fits(s); });
      size_t cut = fit;
      // Break after the last space that leaves something on the line.
      const size_t space = p.substr(0, std::min(p.size(), fit + 1)).find_last_of(' ');
      if (space != std::string_view::npos && space > 0 &&
          p.substr(0, space).find_first_not_of(' ') != std::string_view::npos)
        cut = space;
      if (cut == 0) cut = Boundaries(p)[1];  // not even one character fits: take one anyway
      std::string_view line = p.substr(0, cut);
      while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
      lines.emplace_back(line);
      p.remove_prefix(cut);
      while (!p.empty() && p.front() == ' ')
        p.remove_prefix(1);
      if (p.empty()) return;
    }
    lines.emplace_back(p);
  }

  // `line` cut so that it and the ellipsis fit; cut at a word boundary for Word trimming when
  // one leaves a word on the line.
  std::string Trim(std::string_view line, TTextTrimming trimming) {
    const float ellipsis = Width(Ellipsis);
    if (ellipsis > FWidth + FitSlack) return "";
    auto fits = [&](std::string_view s) { return Width(s) + ellipsis <= FWidth + FitSlack; };
    std::string_view kept = line.substr(0, LongestPrefix(line, fits));
    if (trimming == TTextTrimming::Word && kept.size() < line.size() && line[kept.size()] != ' ') {
      const size_t space = kept.find_last_of(' ');
      if (space != std::string_view::npos &&
          kept.substr(0, space).find_first_not_of(' ') != std::string_view::npos)
        kept = kept.substr(0, space);
    }
    while (!kept.empty() && kept.back() == ' ')
      kept.remove_suffix(1);
    return std::string(kept) + std::string(Ellipsis);
  }

 private:
  const TFont& FFont;
  float FWidth;
  ITextMeasure& FMeasure;
};

float AlignedOffset(TTextAlign align, float room) {
  switch (align) {
    case TTextAlign::Leading:
      return 0;
    case TTextAlign::Center:
      return room / 2;
    case TTextAlign::Trailing:
      return room;
  }
  return 0;
}

}  // namespace

TTextLayout LayOutText(std::string_view text, const TTextSettings& settings, float boxWidth,
                       float boxHeight, ITextMeasure& measure) {
  TTextLayout layout;
  if (text.empty()) return layout;
  boxWidth = std::max(0.0f, boxWidth);
  boxHeight = std::max(0.0f, boxHeight);
  TLayoutWork work(settings.Font, boxWidth, measure);

  std::vector<std::string> lines;
  for (std::string_view p : SplitParagraphs(text)) {
    if (settings.WordWrap && !p.empty())
      work.Wrap(p, lines);
    else
      lines.emplace_back(p);
  }

  const TFontMetrics metrics = measure.Metrics(settings.Font);
  const bool trims = settings.Trimming != TTextTrimming::None;
  if (trims && metrics.LineHeight > 0) {
    const auto fitting = static_cast<size_t>(
        std::max(1.0f, std::floor((boxHeight + FitSlack) / metrics.LineHeight)));
    if (lines.size() > fitting) {
      lines.resize(fitting);
      // The last line shown says that more follows.
      std::string& last = lines.back();
      const std::string marked = last + std::string(Ellipsis);
      last = work.Fits(marked) ? marked : work.Trim(last, settings.Trimming);
    }
  }
  for (std::string& line : lines)
    if (trims && !work.Fits(line)) line = work.Trim(line, settings.Trimming);

  const float blockHeight = metrics.LineHeight * static_cast<float>(lines.size());
  float top = AlignedOffset(settings.VertAlign, boxHeight - blockHeight);
  for (std::string& line : lines) {
    TTextLine l;
    l.Width = work.Width(line);
    l.Left = AlignedOffset(settings.HorzAlign, boxWidth - l.Width);
    l.Baseline = top + metrics.Ascent;
    l.Text = std::move(line);
    layout.Lines.push_back(std::move(l));
    top += metrics.LineHeight;
  }
  return layout;
}

}  // namespace ui
