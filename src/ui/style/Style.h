// A style: named elements that draw controls, and the pictures they draw from.
//
// An element is a small tree of shapes and layouts; the style makes a fresh copy of it for
// every control it is applied to. Names are compared without regard to ASCII case.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/paint/Bitmap.h"
#include "ui/window/Control.h"

namespace ui {

bool SameStyleName(std::string_view a, std::string_view b);

// A picture in several scales (pixels per window unit), for crisp drawing at each.
struct TStyleImage {
  std::vector<TBitmapPtr> Bitmaps;  // ascending scale
  // The bitmap for a window scale: the smallest scale at least as large, else the largest.
  const TBitmap* ForScale(float scale) const;
};

class TStyle {
 public:
  using TElementMaker = std::function<TControl*()>;

  void AddElement(std::string name, TElementMaker make);
  void AddImage(std::string name, TStyleImage image);

  bool HasElement(std::string_view name) const;
  // A new copy of the named element (the caller owns it), or null when the style has none.
  TControl* MakeElement(std::string_view name) const;
  const TStyleImage* FindImage(std::string_view name) const;
  // The title of the style's first description element (depth first), empty when none.
  std::string DescriptionTitle() const;

 private:
  std::vector<std::pair<std::string, TElementMaker>> FElements;
  std::vector<std::pair<std::string, TStyleImage>> FImages;
  mutable std::optional<std::string> FTitle;
};

// Names the style a style resource is: what its description element holds.
class TStyleDescription : public TControl {
 public:
  TStyleDescription() { SetVisible(false); }
  const std::string& Title() const { return FTitle; }
  void SetTitle(std::string title) { FTitle = std::move(title); }
  std::string_view ClassName() const override { return "TStyleDescription"; }

 private:
  std::string FTitle;
};

}  // namespace ui
