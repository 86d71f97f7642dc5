#include "ui/style/PlatformStyle.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "ui/controls/Shapes.h"
#include "ui/controls/Text.h"
#include "ui/style/StyleBook.h"
#include "ui/style/StyleObjects.h"

namespace ui {

namespace {

TStyleEnvironment& Environment() {
  static TStyleEnvironment environment;
  return environment;
}

std::unique_ptr<TStyle>& CurrentPlatformStyle() {
  static std::unique_ptr<TStyle> style;
  return style;
}

struct TFaceColors {
  scene::TAlphaColor Border, Top, Bottom;
};

// One button face: a one-unit border round a fill shading from top to bottom. The colours may
// be translucent; the picture holds them premultiplied.
void DrawFace(scene::TTextureImage& image, TWindowRect r, float scale, const TFaceColors& c) {
  const int left = static_cast<int>(r.Left), top = static_cast<int>(r.Top);
  const int right = std::min(static_cast<int>(r.Right), image.Width);
  const int bottom = std::min(static_cast<int>(r.Bottom), image.Height);
  const int border = std::max(1, static_cast<int>(std::lround(scale)));
  for (int y = top; y < bottom; ++y) {
    const float t = bottom - top > 1 ? static_cast<float>(y - top) / (bottom - top - 1) : 0;
    for (int x = left; x < right; ++x) {
      const bool edge = x - left < border || right - 1 - x < border || y - top < border ||
                        bottom - 1 - y < border;
      // Red, green, blue and alpha as stored (straight), then premultiplied.
      float straight[4];
      for (int channel = 0; channel < 4; ++channel) {
        const int shift = channel < 3 ? 16 - 8 * channel : 24;
        const float a = static_cast<float>((c.Top >> shift) & 0xFF);
        const float b = static_cast<float>((c.Bottom >> shift) & 0xFF);
        straight[channel] = edge ? static_cast<float>((c.Border >> shift) & 0xFF) : a + (b - a) * t;
      }
      std::uint8_t* p = image.Pixel(x, y);
      const float alpha = std::round(straight[3]);
      for (int channel = 0; channel < 3; ++channel)
        p[channel] =
            static_cast<std::uint8_t>(std::lround(std::round(straight[channel]) * alpha / 255));
      p[3] = static_cast<std::uint8_t>(alpha);
    }
  }
}

// The picture the desktop's buttons are cut from, at one scale: normal, hot and pressed faces
// of the button (left column) and of the speed button (right column).
TBitmapPtr MakeButtonPicture(float scale) {
  scene::TTextureImage image(static_cast<int>(std::ceil(128 * scale)),
                             static_cast<int>(std::ceil(300 * scale)));
  // Buttons are light and opaque; speed buttons are flat: a faint frame over whatever lies
  // below, lighter while the pointer is over them, darker while pressed.
  const TFaceColors buttonFaces[3] = {
      {0xFFADADAD, 0xFFF0F0F0, 0xFFE5E5E5},  // normal
      {0xFF7EB4EA, 0xFFECF4FC, 0xFFDCECFC},  // hot
      {0xFF569DE5, 0xFFDAECFC, 0xFFC4E0FC},  // pressed
  };
  const TFaceColors speedButtonFaces[3] = {
      {0x50FFFFFF, 0x18FFFFFF, 0x08FFFFFF},  // normal
      {0x90FFFFFF, 0x38FFFFFF, 0x20FFFFFF},  // hot
      {0x90FFFFFF, 0x30000000, 0x20000000},  // pressed
  };
  const struct {
    TButtonStyleLinks Links;
    const TFaceColors* Faces;
  } columns[2] = {{DesktopButtonLinks(), buttonFaces},
                  {DesktopSpeedButtonLinks(), speedButtonFaces}};
  for (const auto& column : columns)
    for (int state = 0; state < 3; ++state)
      for (const TImageLink& link : column.Links.States[static_cast<size_t>(state)])
        if (link.Scale == scale) DrawFace(image, link.Source, scale, column.Faces[state]);
  return std::make_shared<const TBitmap>(std::move(image), scale);
}

TControl* MakeTextLayout(TTextAlign horzAlign) {
  auto* layout = new TLayout;
  auto* text = new TText;
  text->SetStyleName("text");
  text->SetHitTest(false);
  TTextSettings s = text->TextSettings();
  s.HorzAlign = horzAlign;
  text->SetTextSettings(s);
  layout->AddChild(text);
  text->SetAlign(TControlAlign::Client);
  return layout;
}

}  // namespace

const TStyleEnvironment& StyleEnvironment() {
  return Environment();
}

void SetStyleEnvironment(TStyleEnvironment environment) {
  Environment() = std::move(environment);
  CurrentPlatformStyle().reset();
  NotifyStyleChanged();
}

const TStyle& PlatformStyle() {
  std::unique_ptr<TStyle>& style = CurrentPlatformStyle();
  if (!style) style = MakeDesktopStyle(Environment().PlatformStyleTitle);
  return *style;
}

std::unique_ptr<TStyle> MakeDesktopStyle(std::string_view titleView) {
  const std::string title(titleView);
  auto style = std::make_unique<TStyle>();
  style->AddElement("description", [title] {
    auto* d = new TStyleDescription;
    d->SetTitle(title);
    return d;
  });
  // The panel: a square rectangle with a one-unit outline.
  scene::TAlphaColor fill = 0xFFF0F0F0, stroke = 0xFF979797;
  if (title == "Windows 10 Desktop") stroke = 0xFFCCCCCC;
  if (title == "Windows 7") fill = 0xFFF4F4F4;
  style->AddElement("panelstyle", [fill, stroke] {
    auto* r = new TRectangle;
    r->SetFillColor(fill);
    r->SetStrokeColor(stroke);
    r->SetHitTest(false);
    return r;
  });
  const std::string picture = title + "style.png";
  style->AddElement("buttonstyle",
                    [picture] { return MakeButtonStyleElement(picture, DesktopButtonLinks()); });
  style->AddElement("speedbuttonstyle", [picture] {
    return MakeButtonStyleElement(picture, DesktopSpeedButtonLinks());
  });
  style->AddElement("labelstyle", [] { return MakeTextLayout(TTextAlign::Leading); });
  style->AddElement("popupstyle", [] {
    auto* r = new TRectangle;
    r->SetFillColor(0xFFF0F0F0);
    r->SetStrokeColor(0xFF979797);
    r->SetHitTest(false);
    return r;
  });
  style->AddElement("menuitemstyle", [] { return MakeTextLayout(TTextAlign::Leading); });
  TStyleImage image;
  for (float scale : {1.0f, 1.5f, 2.0f})
    image.Bitmaps.push_back(MakeButtonPicture(scale));
  style->AddImage(picture, std::move(image));
  return style;
}

const TStyleImage* FindStyleImage(std::string_view name) {
  if (const TStyleImage* image = PlatformStyle().FindImage(name)) return image;
  for (TStyleBook* book : TStyleBook::LoadedBooks())
    if (const TStyle* style = book->CurrentStyle())
      if (const TStyleImage* image = style->FindImage(name)) return image;
  return nullptr;
}

}  // namespace ui
