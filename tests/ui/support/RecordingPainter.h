// A painter for tests: writes every drawing call as one readable line and measures text with
// fixed metrics, so that layouts and painted output can be compared as plain strings.
//
// Metrics: every UTF-8 code point is 0.5 x the font size wide; ascent 0.8, descent 0.2 and
// line height 1.0 x the size. Numbers are written with up to three decimals, trailing zeros
// dropped; colours as eight hex digits.
//
//   save / restore / clip L,T,R,B
//   fill L,T,R,B r<rx>[/<ry>] AARRGGBB <opacity>
//   stroke L,T,R,B r<rx>[/<ry>] w<thickness> AARRGGBB <opacity>
//   bitmap x<scale> L,T,R,B -> L,T,R,B <opacity>        (source pixels -> destination)
//   text '<utf-8>' at X,Y AARRGGBB <opacity>            (X,Y the baseline's start)
//   gradient L,T,R,B SX,SY->EX,EY AARRGGBB@<offset>... <opacity>   (start and stop positions)
//   shadow L,T,R,B +DX,DY blur<radius> AARRGGBB <opacity> {   (the area, before the offset)
//     <the lines of what casts it, indented by two spaces>
//   }
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/paint/Painter.h"

namespace ui::testing {

// `v` with up to three decimals and no trailing zeros ("0.8", "40", "-2.5").
inline std::string Num(float v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(v));
  std::string s = buffer;
  while (s.back() == '0')
    s.pop_back();
  if (s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

inline std::string Rect(const TWindowRect& r) {
  return Num(r.Left) + "," + Num(r.Top) + "," + Num(r.Right) + "," + Num(r.Bottom);
}

inline std::string Color(scene::TAlphaColor c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%08X", static_cast<unsigned>(c));
  return buffer;
}

// The number of code points of UTF-8 text (bytes that do not continue a sequence).
inline int CodePoints(std::string_view text) {
  int n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// Measures with the fixed metrics only (for layouts that draw nothing).
class TFixedMeasure : public ITextMeasure {
 public:
  float TextWidth(const TFont& font, std::string_view text) override {
    return 0.5f * font.Size * static_cast<float>(CodePoints(text));
  }
  TFontMetrics Metrics(const TFont& font) override {
    return {0.8f * font.Size, 0.2f * font.Size, font.Size};
  }
};

class TRecordingPainter : public IPainter {
 public:
  std::vector<std::string> Lines;

  // The lines recorded so far, forgotten here.
  std::vector<std::string> Take() { return std::exchange(Lines, {}); }
  // The recorded lines that start with `prefix` ("text", "fill", ...).
  std::vector<std::string> Starting(std::string_view prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : Lines)
      if (std::string_view(line).substr(0, prefix.size()) == prefix) found.push_back(line);
    return found;
  }

  float TextWidth(const TFont& font, std::string_view text) override {
    return FMeasure.TextWidth(font, text);
  }
  TFontMetrics Metrics(const TFont& font) override { return FMeasure.Metrics(font); }

  void Save() override { Lines.push_back("save"); }
  void Restore() override { Lines.push_back("restore"); }
  void ClipTo(const TWindowRect& rect) override { Lines.push_back("clip " + Rect(rect)); }

  void FillRect(const TWindowRect& rect, float rx, float ry, scene::TAlphaColor color,
                float opacity) override {
    Lines.push_back("fill " + Rect(rect) + " " + Radii(rx, ry) + " " + Color(color) + " " +
                    Num(opacity));
  }
  void StrokeRect(const TWindowRect& rect, float rx, float ry, float thickness,
                  scene::TAlphaColor color, float opacity) override {
    Lines.push_back("stroke " + Rect(rect) + " " + Radii(rx, ry) + " w" + Num(thickness) + " " +
                    Color(color) + " " + Num(opacity));
  }
  void DrawBitmap(const TBitmap& bitmap, const TWindowRect& source, const TWindowRect& dest,
                  float opacity, bool /*smooth*/) override {
    Lines.push_back("bitmap x" + Num(bitmap.Scale()) + " " + Rect(source) + " -> " + Rect(dest) +
                    " " + Num(opacity));
  }
  void DrawText(const TFont& /*font*/, std::string_view text, TPointF origin,
                scene::TAlphaColor color, float opacity) override {
    Lines.push_back("text '" + std::string(text) + "' at " + Num(origin.X) + "," + Num(origin.Y) +
                    " " + Color(color) + " " + Num(opacity));
  }
  void FillGradient(const TWindowRect& rect, const TGradient& gradient, float opacity) override {
    std::string line = "gradient " + Rect(rect) + " " + Point(gradient.StartPosition) + "->" +
                       Point(gradient.StopPosition);
    for (const TGradientPoint& p : gradient.Points) {
      line += ' ';
      line += Color(p.Color);
      line += '@';
      line += Num(p.Offset);
    }
    line += ' ';
    line += Num(opacity);
    Lines.push_back(line);
  }
  void DrawShadow(const TShadow& shadow, const std::function<void(IPainter&)>& content) override {
    Lines.push_back("shadow " + Rect(shadow.Area) + " +" + Point(shadow.Offset) + " blur" +
                    Num(shadow.BlurRadius) + " " + Color(shadow.Color) + " " + Num(shadow.Opacity) +
                    " {");
    TRecordingPainter casting;
    content(casting);
    for (const std::string& line : casting.Lines)
      Lines.push_back("  " + line);
    Lines.push_back("}");
  }

 private:
  static std::string Point(TPointF p) { return Num(p.X) + "," + Num(p.Y); }
  static std::string Radii(float rx, float ry) {
    // Appended piece by piece: GCC 12 warns falsely about "literal" + a temporary string.
    std::string s = "r";
    s += Num(rx);
    if (rx != ry) {
      s += '/';
      s += Num(ry);
    }
    return s;
  }

  TFixedMeasure FMeasure;
};

}  // namespace ui::testing
