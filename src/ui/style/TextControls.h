// Styled controls with a caption: the label and the buttons.
//
// The caption is shown by the style's text element ("text") when the style has one, with the
// text settings that StyledSettings names taken from that element and the rest from the
// control; without one the control draws the caption itself with its own settings.
#pragma once

#include <string>

#include "ui/controls/Text.h"
#include "ui/style/StyledControl.h"

namespace ui {

class TPresentedTextControl : public TStyledControl {
 public:
  const std::string& Text() const { return FText; }
  void SetText(std::string text);
  const TTextSettings& TextSettings() const { return FSettings; }
  void SetTextSettings(const TTextSettings& settings);
  TStyledSettings StyledSettings() const { return FStyled; }
  void SetStyledSettings(TStyledSettings styled);
  // The settings the caption is drawn with.
  TTextSettings ResolvedTextSettings() const;

  std::string_view ParentClassName() const override { return "TPresentedTextControl"; }

 protected:
  TPresentedTextControl();
  void PrepareToPaint() override;
  void Paint(IPainter& painter) override;
  void StyleApplied() override;
  void Resized() override { FOwnLayout.reset(); }

 private:
  void UpdateStyleText();

  std::string FText;
  TTextSettings FSettings;
  TStyledSettings FStyled = AllStyledSettings;
  TText* FStyleText = nullptr;   // the style copy's text element, when there is one
  TTextSettings FStyleSettings;  // that element's settings as the style made them
  std::optional<TTextLayout> FOwnLayout;
};

// A caption (not a pointer target): word wrap on, trimmed at characters, left-aligned,
// vertically centred.
class TLabel : public TPresentedTextControl {
 public:
  TLabel();
  std::string_view ClassName() const override { return "TLabel"; }
};

// A push button: takes the keyboard focus when pressed, holds the pointer until the release,
// and clicks on a release inside it. While focused it consumes Enter and Space pressed
// without Shift, Ctrl or Alt and clicks itself, and, while the window shows where the focus is
// (TFormBase::FocusRingShown), draws its focus ring over its face: a 2-unit outline in
// FocusRingColor just inside its edge, with slightly rounded corners.
class TButton : public TPresentedTextControl {
 public:
  TButton();
  std::string_view ClassName() const override { return "TButton"; }
  std::string_view ParentClassName() const override { return "TCustomButton"; }
  bool CanFocus() const override { return true; }
  void KeyDown(TKeyCode& key, char32_t& keyChar, TShiftState shift) override;
  TStyleState VisualState() const override;

 protected:
  void PointerStateChanged() override { Repaint(); }
  void PaintOverChildren(IPainter& painter) override;
  bool IsFocused() const;
};

// A strong blue that stands out both on the light button faces and on the dark panel.
constexpr scene::TAlphaColor FocusRingColor = 0xFF0078D7;

// A button that never takes the keyboard focus.
class TSpeedButton : public TButton {
 public:
  std::string_view ClassName() const override { return "TSpeedButton"; }
  std::string_view ParentClassName() const override { return "TCustomSpeedButton"; }
  // A speed button takes no focus, unless it is made to: a window whose only button it is
  // must let a keyboard user reach it.
  bool CanFocus() const override { return FTakesFocus; }
  void SetTakesFocus(bool v) { FTakesFocus = v; }

 private:
  bool FTakesFocus = false;
};

// A container drawn by its style ("Panelstyle").
class TPanel : public TStyledControl {
 public:
  std::string_view ClassName() const override { return "TPanel"; }
};

}  // namespace ui
