#include "ui/qt/QtPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/qt/OverlayFont.h"

namespace ui::qt {

namespace {

// Pictures kept by key, the most recently used first; beyond `maxBytes` the least recently
// used go (the one just added always stays).
template <class TKey, class THash = std::hash<TKey>>
class TPictureCache {
 public:
  explicit TPictureCache(std::size_t maxBytes) : FMaxBytes(maxBytes) {}

  const QImage* Find(const TKey& key) {
    const auto it = FIndex.find(key);
    if (it == FIndex.end()) return nullptr;
    FItems.splice(FItems.begin(), FItems, it->second);
    return &it->second->Image;
  }

  const QImage& Add(const TKey& key, QImage image) {
    const auto bytes = static_cast<std::size_t>(image.sizeInBytes());
    FItems.push_front({key, std::move(image), bytes});
    FIndex[key] = FItems.begin();
    FBytes += bytes;
    while (FBytes > FMaxBytes && FItems.size() > 1) {
      FBytes -= FItems.back().Bytes;
      FIndex.erase(FItems.back().Key);
      FItems.pop_back();
    }
    return FItems.front().Image;
  }

  void Clear() {
    FIndex.clear();
    FItems.clear();
    FBytes = 0;
  }

 private:
  struct TItem {
    TKey Key;
    QImage Image;
    std::size_t Bytes;
  };
  std::size_t FMaxBytes, FBytes = 0;
  std::list<TItem> FItems;
  std::unordered_map<TKey, typename std::list<TItem>::iterator, THash> FIndex;
};

// Shapes are placed to 1/8 device pixel and sized to 1/64.
constexpr int kPlaceSteps = 8;
constexpr int kSizeSteps = 64;

// A rasterised shape: the outer edge's offset into the picture's first pixel (1/8 pixel), the
// outer size, corner radii and outline thickness (1/64 pixel; thickness 0 fills) and colour.
struct TShapeKey {
  std::int32_t OffsetX, OffsetY, Width, Height, RadiusX, RadiusY, Thickness;
  std::uint32_t Color;
  friend bool operator==(const TShapeKey&, const TShapeKey&) = default;
};

struct TShapeKeyHash {
  std::size_t operator()(const TShapeKey& k) const {
    std::size_t h = 0;
    for (const std::uint32_t v :
         {std::uint32_t(k.OffsetX), std::uint32_t(k.OffsetY), std::uint32_t(k.Width),
          std::uint32_t(k.Height), std::uint32_t(k.RadiusX), std::uint32_t(k.RadiusY),
          std::uint32_t(k.Thickness), k.Color})
      h = (h ^ v) * 0x100000001b3ull;
    return h;
  }
};

// One axis of a shape on the device's pixel grid. The shape covers pixels Start to
// Start + Span. When sliced, its picture holds the Head pixels at the start, one pixel of the
// straight middle and the Tail pixels at the end, and the middle pixel is stretched over the
// Span - Head - Tail pixels between them; otherwise the picture is the whole span.
struct TAxisPlacement {
  int Start = 0, Span = 0;
  int Offset = 0;  // the outer edge within the first pixel, 1/8 pixel
  int Size = 0;    // the rasterised outer size, 1/64 pixel
  bool Sliced = false;
  int Head = 0, Tail = 0;
  int PictureSize() const { return Sliced ? Head + 1 + Tail : Span; }
};

// `edge` and `size` are the outer edge and size in device pixels; `corner` is how far from
// either outer edge the shape is not straight (corner curves, the outline's inner edge).
TAxisPlacement PlaceAxis(double edge, double size, double corner) {
  TAxisPlacement a;
  double start = std::floor(edge);
  int offset = static_cast<int>(std::lround((edge - start) * kPlaceSteps));
  if (offset == kPlaceSteps) {
    start += 1;
    offset = 0;
  }
  a.Start = static_cast<int>(start);
  a.Offset = offset;
  a.Size = static_cast<int>(std::lround(size * kSizeSteps));
  constexpr int perPixel = kSizeSteps / kPlaceSteps;
  a.Span = (offset * perPixel + a.Size + kSizeSteps - 1) / kSizeSteps;
  // The antialiased edge and the offset each reach at most one pixel further.
  a.Head = static_cast<int>(std::ceil(corner)) + 2;
  a.Tail = a.Head + 1;
  if (a.Span > a.Head + 1 + a.Tail) {
    a.Sliced = true;
    a.Size -= (a.Span - a.PictureSize()) * kSizeSteps;
  }
  return a;
}

// The pieces of one axis: picture pixels [From, From + Count) onto device pixels
// [To, To + Length).
struct TPiece {
  int From, Count, To, Length;
};

int PiecesOf(const TAxisPlacement& a, TPiece (&pieces)[3]) {
  if (!a.Sliced) {
    pieces[0] = {0, a.Span, a.Start, a.Span};
    return 1;
  }
  pieces[0] = {0, a.Head, a.Start, a.Head};
  pieces[1] = {a.Head, 1, a.Start + a.Head, a.Span - a.Head - a.Tail};
  pieces[2] = {a.Head + 1, a.Tail, a.Start + a.Span - a.Tail, a.Tail};
  return 3;
}

QImage RasteriseShape(const TShapeKey& key, int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF outer(double(key.OffsetX) / kPlaceSteps, double(key.OffsetY) / kPlaceSteps,
               double(key.Width) / kSizeSteps, double(key.Height) / kSizeSteps);
  const double rx = double(key.RadiusX) / kSizeSteps, ry = double(key.RadiusY) / kSizeSteps;
  const QColor color = QColor::fromRgba(key.Color);
  if (key.Thickness > 0) {
    const double thickness = double(key.Thickness) / kSizeSteps;
    const double half = thickness / 2;
    QPen pen(color, thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    outer.adjust(half, half, -half, -half);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
  }
  p.drawRoundedRect(outer, rx, ry, Qt::AbsoluteSize);
  return image;
}

float Clamp01(float v) {
  return v > 0 ? std::min(v, 1.0f) : 0.0f;  // NaN too gives 0
}

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRectF RectOf(const TWindowRect& r) {
  return QRectF(QPointF(r.Left, r.Top), QPointF(r.Right, r.Bottom));
}

// Blurs a picture's coverage (w x h values, row by row) in place with a Gaussian of sigma
// radius / 2 cut at the radius (pixels), one pass per axis; beyond the picture is empty.
void BlurCoverage(std::vector<float>& coverage, int w, int h, double radius) {
  const int reach = static_cast<int>(std::ceil(radius));
  if (reach <= 0 || w <= 0 || h <= 0) return;
  const double sigma = radius / 2;
  std::vector<float> kernel(static_cast<size_t>(2 * reach + 1));
  float sum = 0;
  for (int i = -reach; i <= reach; ++i) {
    const float k = static_cast<float>(std::exp(-(i * i) / (2 * sigma * sigma)));
    kernel[static_cast<size_t>(i + reach)] = k;
    sum += k;
  }
  for (float& k : kernel)
    k /= sum;
  std::vector<float> pass(coverage.size());
  const auto at = [w](int x, int y) { return static_cast<size_t>(y) * static_cast<size_t>(w) + x; };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float v = 0;
      for (int i = std::max(-reach, -x); i <= std::min(reach, w - 1 - x); ++i)
        v += coverage[at(x + i, y)] * kernel[static_cast<size_t>(i + reach)];
      pass[at(x, y)] = v;
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float v = 0;
      for (int i = std::max(-reach, -y); i <= std::min(reach, h - 1 - y); ++i)
        v += pass[at(x, y + i)] * kernel[static_cast<size_t>(i + reach)];
      coverage[at(x, y)] = v;
    }
}

}  // namespace

// --- the cache -------------------------------------------------------------------------------

struct TQtPaintCache::TData {
  TPictureCache<std::uint64_t> Bitmaps{std::size_t(64) << 20};
  TPictureCache<TShapeKey, TShapeKeyHash> Shapes{std::size_t(16) << 20};
  // By family, size and style; a handful in use at a time.
  std::map<std::tuple<std::string, float, TFontStyle>, TQtPaintCache::TFontEntry> Fonts;
};

TQtPaintCache::TQtPaintCache() : FData(std::make_unique<TData>()) {}
TQtPaintCache::~TQtPaintCache() = default;

void TQtPaintCache::Clear() {
  FData->Bitmaps.Clear();
  FData->Shapes.Clear();
  FData->Fonts.clear();
}

// --- the painter -----------------------------------------------------------------------------

TQtPainter::TQtPainter(QPainter& painter, TQtPaintCache& cache, TShapeDrawing shapes)
    : TQtPainter(painter, *cache.FData, shapes) {}

TQtPainter::TQtPainter(QPainter& painter, TQtPaintCache::TData& cache, TShapeDrawing shapes)
    : FPainter(painter), FCache(cache) {
  const QPaintEngine* engine = painter.paintEngine();
  FRasterise = shapes == TShapeDrawing::Rasterised ||
               (shapes == TShapeDrawing::Auto && engine && engine->type() == QPaintEngine::OpenGL2);
}

const TQtPaintCache::TFontEntry& TQtPainter::FontOf(const TFont& font) {
  auto key = std::make_tuple(font.Family, font.Size, font.Style);
  if (const auto it = FCache.Fonts.find(key); it != FCache.Fonts.end()) return it->second;
  if (FCache.Fonts.size() >= 64) FCache.Fonts.clear();
  const QFont qFont = MakeQFont(font);
  return FCache.Fonts
      .emplace(std::move(key),
               TQtPaintCache::TFontEntry{qFont, QFontMetricsF(qFont), FontScale(font.Size)})
      .first->second;
}

float TQtPainter::TextWidth(const TFont& font, std::string_view text) {
  if (text.empty()) return 0;
  const TQtPaintCache::TFontEntry& f = FontOf(font);
  return static_cast<float>(f.Metrics.horizontalAdvance(Utf8(text)) * f.Scale);
}

TFontMetrics TQtPainter::Metrics(const TFont& font) {
  const TQtPaintCache::TFontEntry& f = FontOf(font);
  return {static_cast<float>(f.Metrics.ascent() * f.Scale),
          static_cast<float>(f.Metrics.descent() * f.Scale),
          static_cast<float>(f.Metrics.lineSpacing() * f.Scale)};
}

void TQtPainter::Save() {
  FPainter.save();
}

void TQtPainter::Restore() {
  FPainter.restore();
}

void TQtPainter::ClipTo(const TWindowRect& rect) {
  FPainter.setClipRect(RectOf(rect), Qt::IntersectClip);
}

void TQtPainter::FillRect(const TWindowRect& rect, float rx, float ry, scene::TAlphaColor color,
                          float opacity) {
  if (!(rect.Width() > 0) || !(rect.Height() > 0)) return;
  DrawShape(rect, rx, ry, 0, color, opacity);
}

void TQtPainter::StrokeRect(const TWindowRect& rect, float rx, float ry, float thickness,
                            scene::TAlphaColor color, float opacity) {
  if (!(thickness > 0) || !(rect.Width() >= 0) || !(rect.Height() >= 0)) return;
  DrawShape(rect, rx, ry, thickness, color, opacity);
}

void TQtPainter::DrawShape(const TWindowRect& rect, float rx, float ry, float thickness,
                           scene::TAlphaColor color, float opacity) {
  opacity = Clamp01(opacity);
  if (opacity == 0 || (color >> 24) == 0) return;
  // Corners as the raster engine draws them: no larger than half the rectangle.
  rx = std::clamp(rx, 0.0f, rect.Width() / 2);
  ry = std::clamp(ry, 0.0f, rect.Height() / 2);
  if (rx == 0 || ry == 0) rx = ry = 0;
  FPainter.setOpacity(opacity);
  if (FRasterise && DrawRasterised(rect, rx, ry, thickness, color)) return;
  DrawPath(rect, rx, ry, thickness, color);
}

void TQtPainter::DrawPath(const TWindowRect& rect, float rx, float ry, float thickness,
                          scene::TAlphaColor color) {
  FPainter.setRenderHint(QPainter::Antialiasing, true);
  if (thickness > 0) {
    FPainter.setPen(
        QPen(QColor::fromRgba(color), thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    FPainter.setBrush(Qt::NoBrush);
  } else {
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(QColor::fromRgba(color));
  }
  FPainter.drawRoundedRect(RectOf(rect), rx, ry, Qt::AbsoluteSize);
}

bool TQtPainter::DrawRasterised(const TWindowRect& rect, float rx, float ry, float thickness,
                                scene::TAlphaColor color) {
  // Device pixels: the painter's transformation must only scale (the same along both axes)
  // and move.
  const QTransform device = FPainter.deviceTransform();
  if (device.type() > QTransform::TxScale || !(device.m11() > 0) ||
      std::abs(device.m11() - device.m22()) > 1e-9)
    return false;
  const double scale = device.m11();
  // Radii and thickness as the key holds them, so that equal keys give equal pictures.
  const auto steps = [](double v) {
    return static_cast<std::int32_t>(std::lround(v * kSizeSteps));
  };
  const std::int32_t radiusX = steps(rx * scale), radiusY = steps(ry * scale);
  const std::int32_t width = thickness > 0 ? std::max(steps(thickness * scale), 1) : 0;
  const double half = double(width) / (2 * kSizeSteps);
  const QRectF outer = device.mapRect(RectOf(rect)).adjusted(-half, -half, half, half);
  // Far beyond any screen (or not a number): the engine clips such paths itself.
  constexpr double limit = 1 << 20;
  if (!(std::abs(outer.left()) < limit && std::abs(outer.top()) < limit && outer.width() < limit &&
        outer.height() < limit))
    return false;
  const auto corner = [&](std::int32_t radius) {
    return std::max(radius + width / 2.0, double(width)) / kSizeSteps;
  };
  const TAxisPlacement x = PlaceAxis(outer.left(), outer.width(), corner(radiusX));
  const TAxisPlacement y = PlaceAxis(outer.top(), outer.height(), corner(radiusY));
  if (x.Span <= 0 || y.Span <= 0) return true;

  const QTransform world = FPainter.worldTransform();
  FPainter.setWorldTransform(device.inverted() * world);
  FPainter.setRenderHint(QPainter::Antialiasing, false);
  // A square-cornered fill on whole pixels has no edge to antialias (slicing takes whole
  // pixels off the size, so the size still tells whether the edges are whole).
  if (width == 0 && radiusX == 0 && x.Offset == 0 && y.Offset == 0 && x.Size % kSizeSteps == 0 &&
      y.Size % kSizeSteps == 0) {
    FPainter.fillRect(QRect(x.Start, y.Start, x.Span, y.Span), QColor::fromRgba(color));
    FPainter.setWorldTransform(world);
    return true;
  }

  const TShapeKey key{x.Offset, y.Offset, x.Size, y.Size, radiusX, radiusY, width, color};
  const QImage* picture = FCache.Shapes.Find(key);
  if (!picture)
    picture = &FCache.Shapes.Add(key, RasteriseShape(key, x.PictureSize(), y.PictureSize()));

  // Lay the pieces in device pixels, 1:1 or stretched from one row or column, unfiltered.
  FPainter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  TPiece columns[3], rows[3];
  const int columnCount = PiecesOf(x, columns), rowCount = PiecesOf(y, rows);
  for (int r = 0; r < rowCount; ++r)
    for (int c = 0; c < columnCount; ++c) {
      const TPiece& col = columns[c];
      const TPiece& row = rows[r];
      if (col.Length <= 0 || row.Length <= 0) continue;
      // An outline's hollow middle has nothing to lay.
      if (col.Count == 1 && row.Count == 1 && qAlpha(picture->pixel(col.From, row.From)) == 0)
        continue;
      FPainter.drawImage(QRectF(col.To, row.To, col.Length, row.Length), *picture,
                         QRectF(col.From, row.From, col.Count, row.Count));
    }
  FPainter.setWorldTransform(world);
  return true;
}

void TQtPainter::DrawBitmap(const TBitmap& bitmap, const TWindowRect& source,
                            const TWindowRect& dest, float opacity, bool smooth) {
  opacity = Clamp01(opacity);
  if (opacity == 0 || bitmap.Image().IsEmpty()) return;
  const QImage* image = FCache.Bitmaps.Find(bitmap.Id());
  if (!image) {
    const scene::TTextureImage& pixels = bitmap.Image();
    // A copy: the image outlives neither the bitmap nor the cache.
    image = &FCache.Bitmaps.Add(
        bitmap.Id(), QImage(pixels.Pixels.data(), pixels.Width, pixels.Height, pixels.Width * 4,
                            QImage::Format_RGBA8888_Premultiplied)
                         .copy());
  }
  FPainter.setOpacity(opacity);
  FPainter.setRenderHint(QPainter::Antialiasing, false);
  FPainter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
  FPainter.drawImage(RectOf(dest), *image, RectOf(source));
}

void TQtPainter::DrawText(const TFont& font, std::string_view text, TPointF origin,
                          scene::TAlphaColor color, float opacity) {
  opacity = Clamp01(opacity);
  if (opacity == 0 || (color >> 24) == 0 || text.empty()) return;
  FPainter.setOpacity(opacity);
  FPainter.setRenderHint(QPainter::TextAntialiasing, true);
  const TQtPaintCache::TFontEntry& f = FontOf(font);
  FPainter.setFont(f.Font);
  FPainter.setPen(QColor::fromRgba(color));
  if (f.Scale == 1) {
    FPainter.drawText(QPointF(origin.X, origin.Y), Utf8(text));
    return;
  }
  const QTransform world = FPainter.worldTransform();
  FPainter.setWorldTransform(QTransform::fromScale(f.Scale, f.Scale) * world);
  FPainter.drawText(QPointF(origin.X / f.Scale, origin.Y / f.Scale), Utf8(text));
  FPainter.setWorldTransform(world);
}

void TQtPainter::FillGradient(const TWindowRect& rect, const TGradient& gradient, float opacity) {
  opacity = Clamp01(opacity);
  if (opacity == 0 || gradient.Points.empty() || !(rect.Width() > 0) || !(rect.Height() > 0))
    return;
  const QRectF r = RectOf(rect);
  const auto at = [&r](TPointF p) {
    return QPointF(r.left() + p.X * r.width(), r.top() + p.Y * r.height());
  };
  QLinearGradient brush(at(gradient.StartPosition), at(gradient.StopPosition));
  for (const TGradientPoint& p : gradient.Points)
    brush.setColorAt(std::clamp(static_cast<double>(p.Offset), 0.0, 1.0),
                     QColor::fromRgba(p.Color));
  brush.setSpread(QGradient::PadSpread);
  FPainter.setOpacity(opacity);
  FPainter.setRenderHint(QPainter::Antialiasing, false);
  FPainter.fillRect(r, QBrush(brush));
}

void TQtPainter::DrawShadow(const TShadow& shadow, const std::function<void(IPainter&)>& content) {
  const float opacity = Clamp01(shadow.Opacity) * static_cast<float>(shadow.Color >> 24) / 255;
  if (opacity == 0 || !content || !(shadow.Area.Width() > 0) || !(shadow.Area.Height() > 0)) return;
  const QTransform device = FPainter.deviceTransform();
  const QRect pixels = device.mapRect(RectOf(shadow.Area)).toAlignedRect();
  // An area far beyond any screen (or not a number) casts nothing that could be seen.
  constexpr int limit = 1 << 14;
  if (pixels.isEmpty() || pixels.width() > limit || pixels.height() > limit) return;

  QImage picture(pixels.size(), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  {
    QPainter casting(&picture);
    casting.setTransform(device * QTransform::fromTranslate(-pixels.left(), -pixels.top()));
    TQtPainter castingPainter(casting, FCache, TShapeDrawing::Paths);
    content(castingPainter);
  }
  const int w = picture.width(), h = picture.height();
  std::vector<float> coverage(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < w; ++x)
      coverage[static_cast<size_t>(y) * static_cast<size_t>(w) + x] = qAlpha(line[x]) / 255.0f;
  }
  const double scale = std::sqrt(std::abs(device.determinant()));
  BlurCoverage(coverage, w, h, shadow.BlurRadius * scale);
  const float red = static_cast<float>((shadow.Color >> 16) & 0xFF);
  const float green = static_cast<float>((shadow.Color >> 8) & 0xFF);
  const float blue = static_cast<float>(shadow.Color & 0xFF);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const float k =
          std::min(coverage[static_cast<size_t>(y) * static_cast<size_t>(w) + x], 1.0f) * opacity;
      line[x] =
          qRgba(static_cast<int>(std::lround(red * k)), static_cast<int>(std::lround(green * k)),
                static_cast<int>(std::lround(blue * k)), static_cast<int>(std::lround(255 * k)));
    }
  }

  // Laid in device pixels, moved by the offset as the device sees it.
  const QPointF moved =
      device.map(QPointF(shadow.Offset.X, shadow.Offset.Y)) - device.map(QPointF());
  const QTransform world = FPainter.worldTransform();
  FPainter.setWorldTransform(device.inverted() * world);
  FPainter.setOpacity(1);
  FPainter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  FPainter.drawImage(QRectF(QPointF(pixels.left(), pixels.top()) + moved, QSizeF(w, h)), picture);
  FPainter.setWorldTransform(world);
}

void PaintOntoPicture(scene::TTextureImage& picture, float scale, TPointF origin,
                      const std::function<void(IPainter&)>& paint) {
  if (picture.IsEmpty()) return;
  QImage image(picture.Pixels.data(), picture.Width, picture.Height, picture.Width * 4,
               QImage::Format_RGBA8888_Premultiplied);
  QPainter painter(&image);
  painter.scale(scale, scale);
  painter.translate(-origin.X, -origin.Y);
  // A cache of its own: a window's keeps pictures for its GL paint engine.
  TQtPaintCache cache;
  TQtPainter qtPainter(painter, cache);
  paint(qtPainter);
}

}  // namespace ui::qt
