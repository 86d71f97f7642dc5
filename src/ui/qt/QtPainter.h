// The 2D layer's painter on Qt: IPainter over a QPainter that someone else opened, on the
// window (Qt's OpenGL paint engine) or on a QImage (the raster engine).
//
// Coordinates are window units, as the QPainter takes them (on a window it scales them by the
// device pixel ratio itself). Every call sets the QPainter state it needs (pen, brush,
// opacity, render hints, font) and leaves it so; the clip changes only through Save, Restore
// and ClipTo.
//
// Shapes are antialiased. Qt's OpenGL paint engine antialiases paths only on multisampled
// surfaces, so there each shape is rasterised with the raster engine into a small picture in
// device pixels, kept in the cache, and laid onto the window 1:1: the corners and edges as
// they were rasterised, the straight middle stretched from one row or column of pixels, so the
// picture's size depends on the corner radii and the outline, not on the rectangle's size.
// Positions are rasterised to 1/8 pixel.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <functional>
#include <memory>

#include "scene/render/TextureImage.h"
#include "ui/basics/PointF.h"
#include "ui/paint/Painter.h"

class QPainter;

namespace ui::qt {

// What painters derive from the calls and keep between frames: a QImage for each bitmap (the
// OpenGL paint engine keeps uploaded textures by the image, so a kept image is uploaded once),
// the rasterised shapes and the fonts. The least recently used pictures go first once those of
// bitmaps or shapes take more than their share of memory.
class TQtPaintCache {
 public:
  TQtPaintCache();
  ~TQtPaintCache();
  TQtPaintCache(const TQtPaintCache&) = delete;
  TQtPaintCache& operator=(const TQtPaintCache&) = delete;

  // Frees every kept picture and font (with the window's GL context current, so that the
  // textures Qt made of them are freed on it).
  void Clear();

 private:
  friend class TQtPainter;
  // A font as drawn and measured: the QFont, its metrics, and the scale of its whole pixel
  // size to the fractional one (see FontScale).
  struct TFontEntry {
    QFont Font;
    QFontMetricsF Metrics;
    double Scale;
  };
  struct TData;
  std::unique_ptr<TData> FData;
};

class TQtPainter : public IPainter {
 public:
  // How shapes reach the device: Auto rasterises them into pictures on Qt's OpenGL paint
  // engine and lets other engines draw them as paths.
  enum class TShapeDrawing { Auto, Rasterised, Paths };

  TQtPainter(QPainter& painter, TQtPaintCache& cache, TShapeDrawing shapes = TShapeDrawing::Auto);

  // ITextMeasure
  float TextWidth(const TFont& font, std::string_view text) override;
  TFontMetrics Metrics(const TFont& font) override;

  // IPainter
  void Save() override;
  void Restore() override;
  void ClipTo(const TWindowRect& rect) override;
  void FillRect(const TWindowRect& rect, float rx, float ry, scene::TAlphaColor color,
                float opacity) override;
  void StrokeRect(const TWindowRect& rect, float rx, float ry, float thickness,
                  scene::TAlphaColor color, float opacity) override;
  void DrawBitmap(const TBitmap& bitmap, const TWindowRect& source, const TWindowRect& dest,
                  float opacity, bool smooth) override;
  void DrawText(const TFont& font, std::string_view text, TPointF origin, scene::TAlphaColor color,
                float opacity) override;
  // With Qt's own linear gradient, the colours between stops as Qt interpolates them.
  void FillGradient(const TWindowRect& rect, const TGradient& gradient, float opacity) override;
  // `content` is drawn with the raster engine into a picture of the area in device pixels; its
  // alpha, blurred with a Gaussian of sigma BlurRadius / 2 (cut at BlurRadius), becomes the
  // shadow's colour and is laid over the window at the offset.
  void DrawShadow(const TShadow& shadow, const std::function<void(IPainter&)>& content) override;

 private:
  TQtPainter(QPainter& painter, TQtPaintCache::TData& cache, TShapeDrawing shapes);
  const TQtPaintCache::TFontEntry& FontOf(const TFont& font);
  // A filled (thickness 0) or outlined rectangle.
  void DrawShape(const TWindowRect& rect, float rx, float ry, float thickness,
                 scene::TAlphaColor color, float opacity);
  void DrawPath(const TWindowRect& rect, float rx, float ry, float thickness,
                scene::TAlphaColor color);
  // False when the painter's transformation is not a plain scale and translation (the shape
  // is then drawn as a path).
  bool DrawRasterised(const TWindowRect& rect, float rx, float ry, float thickness,
                      scene::TAlphaColor color);

  QPainter& FPainter;
  TQtPaintCache::TData& FCache;
  bool FRasterise;
};

// Paints onto `picture` (premultiplied RGBA, row 0 at the top) through a painter in window
// units of `scale` pixels each, the window point `origin` at the picture's top-left corner:
// the 2D layer of pictures made outside a paint. An empty picture is left as it is.
void PaintOntoPicture(scene::TTextureImage& picture, float scale, TPointF origin,
                      const std::function<void(IPainter&)>& paint);

}  // namespace ui::qt
