// What the 2D layer draws with: filled and outlined rectangles, pictures and lines of text,
// in the window's client coordinates (window units), over whatever the window shows already.
//
// Every call takes the opacity to draw with (the control's absolute opacity, 0..1); colours
// are 0xAARRGGBB, not premultiplied. The platform painter maps window units to pixels by the
// window's scale factor.
#pragma once

#include <functional>
#include <string_view>

#include "scene/math/AlphaColor.h"
#include "ui/basics/PointF.h"
#include "ui/paint/Bitmap.h"
#include "ui/paint/Fill.h"
#include "ui/paint/Font.h"

namespace ui {

struct TFontMetrics {
  float Ascent = 0;      // baseline below the line's top
  float Descent = 0;     // below the baseline
  float LineHeight = 0;  // distance from one line's top to the next
};

// Measures text as the painter will draw it (shaping and font fallback included).
class ITextMeasure {
 public:
  virtual ~ITextMeasure() = default;
  // The advance width of one line of UTF-8 text (no line breaks in it).
  virtual float TextWidth(const TFont& font, std::string_view text) = 0;
  virtual TFontMetrics Metrics(const TFont& font) = 0;
};

// A soft shadow cast by what a control draws: the drawing's coverage (how much of each point
// it covers, whatever its colours) in one colour, blurred and moved.
struct TShadow {
  TWindowRect Area;      // where the silhouette is taken, before the move; nothing outside it casts
  TPointF Offset;        // how far the shadow lies from what casts it
  float BlurRadius = 0;  // how far (window units) the blur spreads each point; 0 keeps edges sharp
  scene::TAlphaColor Color = 0xFF000000;
  float Opacity = 1;  // the shadow's opacity where the drawing covers fully, 0..1
};

class IPainter : public ITextMeasure {
 public:
  // Save and Restore bracket a change of the clip; ClipTo narrows the clip to a rectangle.
  virtual void Save() = 0;
  virtual void Restore() = 0;
  virtual void ClipTo(const TWindowRect& rect) = 0;

  // A rectangle with elliptic corners of radii rx, ry (0 for square corners).
  virtual void FillRect(const TWindowRect& rect, float rx, float ry, scene::TAlphaColor color,
                        float opacity) = 0;
  // Its outline, `thickness` units wide, centred on the rectangle's edge.
  virtual void StrokeRect(const TWindowRect& rect, float rx, float ry, float thickness,
                          scene::TAlphaColor color, float opacity) = 0;
  // Part `source` of the bitmap (pixels of the bitmap) stretched over `dest`.
  virtual void DrawBitmap(const TBitmap& bitmap, const TWindowRect& source, const TWindowRect& dest,
                          float opacity, bool smooth) = 0;
  // One line of UTF-8 text whose baseline starts at `origin`.
  virtual void DrawText(const TFont& font, std::string_view text, TPointF origin,
                        scene::TAlphaColor color, float opacity) = 0;
  // `rect` filled with `gradient`, whose positions are fractions of `rect`.
  virtual void FillGradient(const TWindowRect& rect, const TGradient& gradient, float opacity) = 0;
  // The shadow of what `content` draws (with the painter it is given, in the same coordinates)
  // over what is here already; `content` draws nothing here itself.
  virtual void DrawShadow(const TShadow& shadow, const std::function<void(IPainter&)>& content) = 0;
};

}  // namespace ui
