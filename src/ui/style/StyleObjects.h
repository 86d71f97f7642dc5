// The parts that button styles are made of.
//
// TButtonStyleObject draws the button's face from a style picture: for each look (normal,
// hot, pressed, focused) and each picture scale a source rectangle and a cap inset, drawn
// nine-slice so the corners keep their size and the edges and middle stretch.
// TButtonStyleTextObject is the caption, coloured by the look. TGlyph is the place of an
// icon; an empty one is hidden and takes no room.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/controls/Text.h"
#include "ui/style/StyledControl.h"

namespace ui {

struct TImageLink {
  float Scale = 1;
  TWindowRect Source;  // pixels of the picture at that scale
  float CapInset = 0;  // pixels of the picture on every side
};

class TButtonStyleObject : public TControl {
 public:
  TButtonStyleObject() { SetHitTest(false); }
  std::string_view ClassName() const override { return "TButtonStyleObject"; }

  const std::string& SourceImage() const { return FSourceImage; }
  void SetSourceImage(std::string name) { FSourceImage = std::move(name); }
  // The links of one look, one per scale.
  void SetLinks(TStyleState state, std::vector<TImageLink> links);
  const std::vector<TImageLink>& Links(TStyleState state) const;

 protected:
  void Paint(IPainter& painter) override;

 private:
  std::string FSourceImage;
  std::array<std::vector<TImageLink>, 4> FLinks;
};

class TButtonStyleTextObject : public TText {
 public:
  TButtonStyleTextObject();
  std::string_view ClassName() const override { return "TButtonStyleTextObject"; }
  scene::TAlphaColor StateColor(TStyleState state) const {
    return FColors[static_cast<size_t>(state)];
  }
  void SetStateColor(TStyleState state, scene::TAlphaColor color) {
    FColors[static_cast<size_t>(state)] = color;
  }

 private:
  std::array<scene::TAlphaColor, 4> FColors{0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000};
};

class TGlyph : public TControl {
 public:
  TGlyph() {
    SetVisible(false);
    SetHitTest(false);
  }
  std::string_view ClassName() const override { return "TGlyph"; }
};

// Draws `source` of `bitmap` over `dest` in nine parts: corners of `cap` pixels at their own
// size (cap / bitmap scale window units, shrunk when the destination is smaller), edges
// stretched along, the middle both ways.
void DrawNineSlice(IPainter& painter, const TBitmap& bitmap, const TWindowRect& source, float cap,
                   const TWindowRect& dest, float opacity);

// The button style element: a layout holding the face ("background", drawn from the picture
// `imageName` through `links`), an empty glyph and the caption ("text", black in every look).
struct TButtonStyleLinks {
  std::array<std::vector<TImageLink>, 4> States;  // Normal, Hot, Pressed, Focused
};
TControl* MakeButtonStyleElement(const std::string& imageName, const TButtonStyleLinks& links,
                                 scene::TAlphaColor textColor = 0xFF000000, float textSize = 12);
// The links of the desktop's button and speed button pictures, at scales 1, 1.5 and 2.
TButtonStyleLinks DesktopButtonLinks();
TButtonStyleLinks DesktopSpeedButtonLinks();

}  // namespace ui
