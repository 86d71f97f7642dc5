#include "ui/style/TextControls.h"

#include "ui/style/Style.h"
#include "ui/style/StyleObjects.h"
#include "ui/window/Form.h"

namespace ui {

TPresentedTextControl::TPresentedTextControl() {
  FSettings.Trimming = TTextTrimming::Character;
}

void TPresentedTextControl::SetText(std::string text) {
  if (text == FText) return;
  FText = std::move(text);
  FOwnLayout.reset();
  UpdateStyleText();
  Repaint();
  AccessibleChanged(TAccessibleChange::Name);
}

void TPresentedTextControl::SetTextSettings(const TTextSettings& settings) {
  if (settings == FSettings) return;
  FSettings = settings;
  FOwnLayout.reset();
  UpdateStyleText();
  Repaint();
}

void TPresentedTextControl::SetStyledSettings(TStyledSettings styled) {
  if (styled == FStyled) return;
  FStyled = styled;
  UpdateStyleText();
  Repaint();
}

TTextSettings TPresentedTextControl::ResolvedTextSettings() const {
  if (!FStyleText) return FSettings;
  TTextSettings style = FStyleSettings;
  if (auto* buttonText = dynamic_cast<const TButtonStyleTextObject*>(FStyleText))
    style.FontColor = buttonText->StateColor(VisualState());
  return MergeTextSettings(FSettings, style, FStyled);
}

namespace {
// The first text in `element` (depth first) whose style name is "text". Style elements name
// their parts by StyleName; their object names are empty.
TText* FindStyleText(TControl& element) {
  if (auto* text = dynamic_cast<TText*>(&element); text && SameStyleName(text->StyleName(), "text"))
    return text;
  for (scene::TSceneNode* child : element.Children())
    if (auto* c = dynamic_cast<TControl*>(child))
      if (TText* text = FindStyleText(*c)) return text;
  return nullptr;
}
}  // namespace

void TPresentedTextControl::StyleApplied() {
  FStyleText = nullptr;
  if (TControl* resource = ResourceLink())
    if (TText* text = FindStyleText(*resource)) {
      FStyleText = text;
      FStyleSettings = text->TextSettings();
    }
  UpdateStyleText();
}

void TPresentedTextControl::UpdateStyleText() {
  if (!FStyleText) return;
  FStyleText->SetText(FText);
  FStyleText->SetTextSettings(ResolvedTextSettings());
}

void TPresentedTextControl::PrepareToPaint() {
  TStyledControl::PrepareToPaint();
  // The look (and with it the caption's colour) may have changed since the last paint.
  UpdateStyleText();
}

void TPresentedTextControl::Paint(IPainter& painter) {
  if (FStyleText || FText.empty()) return;
  if (!FOwnLayout) FOwnLayout = LayOutText(FText, FSettings, Width(), Height(), painter);
  DrawTextLayout(painter, *FOwnLayout, AbsoluteRect(), FSettings, AbsoluteOpacity());
}

TLabel::TLabel() {
  SetHitTest(false);
  SetTextSettings(WithLayout(TextSettings(), true, TTextTrimming::Character, TTextAlign::Leading,
                             TTextAlign::Center));
}

TButton::TButton() {
  SetAutoCapture(true);
  SetTextSettings(WithLayout(TextSettings(), false, TTextTrimming::Character, TTextAlign::Center,
                             TTextAlign::Center));
}

bool TButton::IsFocused() const {
  const TFormBase* form = Form();
  return form && form->Pointer().Focused() == this;
}

TStyleState TButton::VisualState() const {
  if (IsPressed() && IsMouseOver()) return TStyleState::Pressed;
  if (IsMouseOver()) return TStyleState::Hot;
  if (IsFocused()) return TStyleState::Focused;
  return TStyleState::Normal;
}

void TButton::PaintOverChildren(IPainter& painter) {
  const TFormBase* form = Form();
  if (!form || !form->FocusRingShown() || !IsFocused()) return;
  // The outline is centred on its rectangle: one unit in, it covers the outer two.
  const TWindowRect r = AbsoluteRect();
  painter.StrokeRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, 2, 2, 2, FocusRingColor,
                     AbsoluteOpacity());
}

void TButton::KeyDown(TKeyCode& key, char32_t& keyChar, TShiftState shift) {
  if (shift & (scene::ssShift | scene::ssCtrl | scene::ssAlt)) return;
  if (key != vkReturn && key != vkSpace && keyChar != U' ' && keyChar != U'\r') return;
  key = 0;
  keyChar = 0;
  Click();
}

}  // namespace ui
