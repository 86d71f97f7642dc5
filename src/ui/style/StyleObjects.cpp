#include "ui/style/StyleObjects.h"

#include <algorithm>
#include <cmath>

#include "ui/controls/Shapes.h"
#include "ui/style/PlatformStyle.h"
#include "ui/window/Form.h"

namespace ui {

void TButtonStyleObject::SetLinks(TStyleState state, std::vector<TImageLink> links) {
  FLinks[static_cast<size_t>(state)] = std::move(links);
}

const std::vector<TImageLink>& TButtonStyleObject::Links(TStyleState state) const {
  return FLinks[static_cast<size_t>(state)];
}

namespace {
const TStyledControl* OwnerOf(const TControl& part) {
  for (const TControl* c = part.ParentControl(); c; c = c->ParentControl())
    if (auto* styled = dynamic_cast<const TStyledControl*>(c)) return styled;
  return nullptr;
}
}  // namespace

void TButtonStyleObject::Paint(IPainter& painter) {
  const float opacity = AbsoluteOpacity();
  if (opacity <= 0 || Width() <= 0 || Height() <= 0) return;
  const TStyledControl* owner = OwnerOf(*this);
  const TStyleState state = owner ? owner->VisualState() : TStyleState::Normal;
  const std::vector<TImageLink>& links = Links(state);
  const TStyleImage* image = FindStyleImage(FSourceImage);
  if (links.empty() || !image) return;
  const TFormBase* form = Form();
  const float scale = form ? form->Scale() : 1.0f;
  const TBitmap* bitmap = image->ForScale(scale);
  if (!bitmap) return;
  // The link drawn from the bitmap of that scale.
  const TImageLink* link = &links.front();
  for (const TImageLink& l : links)
    if (l.Scale == bitmap->Scale()) link = &l;
  DrawNineSlice(painter, *bitmap, link->Source, link->CapInset, AbsoluteRect(), opacity);
}

TButtonStyleTextObject::TButtonStyleTextObject() {
  SetHitTest(false);
  TTextSettings s = TextSettings();
  s.WordWrap = false;
  s.Trimming = TTextTrimming::Character;
  SetTextSettings(s);
}

void DrawNineSlice(IPainter& painter, const TBitmap& bitmap, const TWindowRect& source, float cap,
                   const TWindowRect& dest, float opacity) {
  const float s = bitmap.Scale() > 0 ? bitmap.Scale() : 1;
  // Corners keep their size in window units unless the destination is too small for two.
  const float capX = std::min({cap, source.Width() / 2}),
              capY = std::min({cap, source.Height() / 2});
  const float dx = std::min(capX / s, dest.Width() / 2), dy = std::min(capY / s, dest.Height() / 2);
  const float sx[4] = {source.Left, source.Left + capX, source.Right - capX, source.Right};
  const float sy[4] = {source.Top, source.Top + capY, source.Bottom - capY, source.Bottom};
  const float tx[4] = {dest.Left, dest.Left + dx, dest.Right - dx, dest.Right};
  const float ty[4] = {dest.Top, dest.Top + dy, dest.Bottom - dy, dest.Bottom};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      if (sx[col + 1] <= sx[col] || sy[row + 1] <= sy[row]) continue;
      if (tx[col + 1] <= tx[col] || ty[row + 1] <= ty[row]) continue;
      painter.DrawBitmap(bitmap, {sx[col], sy[row], sx[col + 1], sy[row + 1]},
                         {tx[col], ty[row], tx[col + 1], ty[row + 1]}, opacity, true);
    }
}

TControl* MakeButtonStyleElement(const std::string& imageName, const TButtonStyleLinks& links,
                                 scene::TAlphaColor textColor, float textSize) {
  auto* layout = new TLayout;
  layout->SetSize(80, 26);
  auto* background = new TButtonStyleObject;
  background->SetStyleName("background");
  background->SetSourceImage(imageName);
  for (int state = 0; state < 4; ++state)
    background->SetLinks(static_cast<TStyleState>(state), links.States[static_cast<size_t>(state)]);
  layout->AddChild(background);
  background->SetAlign(TControlAlign::Contents);
  auto* glyph = new TGlyph;
  glyph->SetStyleName("glyphstyle");
  glyph->SetSize(16, 16);
  glyph->SetMargins({3, 2, 1, 2});
  layout->AddChild(glyph);
  glyph->SetAlign(TControlAlign::Left);
  auto* text = new TButtonStyleTextObject;
  text->SetStyleName("text");
  text->SetMargins({1, 2, 1, 2});
  TTextSettings settings = text->TextSettings();
  settings.FontColor = textColor;
  settings.Font.Size = textSize;
  text->SetTextSettings(settings);
  for (int state = 0; state < 4; ++state)
    text->SetStateColor(static_cast<TStyleState>(state), textColor);
  layout->AddChild(text);
  text->SetAlign(TControlAlign::Client);
  return layout;
}

namespace {

// Scale-1 rectangles scaled to a picture scale, with that scale's cap inset.
std::vector<TImageLink> AtScales(TWindowRect r) {
  std::vector<TImageLink> links;
  const float scales[] = {1, 1.5f, 2};
  const float caps[] = {3, 4, 6};
  for (int i = 0; i < 3; ++i) {
    const float s = scales[i];
    links.push_back({s,
                     {std::round(r.Left * s), std::round(r.Top * s), std::round(r.Right * s),
                      std::round(r.Bottom * s)},
                     caps[i]});
  }
  return links;
}

}  // namespace

namespace {
// A column of the desktop's button picture: the normal, hot and pressed faces one below the
// other; a focused button looks hot or normal.
TButtonStyleLinks PictureColumn(float left, float right, bool focusedLooksHot) {
  TButtonStyleLinks l;
  l.States[0] = AtScales({left, 168, right, 207});
  l.States[1] = AtScales({left, 212, right, 251});
  l.States[2] = AtScales({left, 255, right, 294});
  l.States[3] = l.States[focusedLooksHot ? 1 : 0];
  return l;
}
}  // namespace

TButtonStyleLinks DesktopButtonLinks() {
  return PictureColumn(4, 84, true);
}

TButtonStyleLinks DesktopSpeedButtonLinks() {
  return PictureColumn(86, 126, false);
}

}  // namespace ui
