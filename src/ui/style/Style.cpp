#include "ui/style/Style.h"

#include <algorithm>
#include <memory>

namespace ui {

bool SameStyleName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

const TBitmap* TStyleImage::ForScale(float scale) const {
  for (const TBitmapPtr& b : Bitmaps)
    if (b->Scale() >= scale) return b.get();
  return Bitmaps.empty() ? nullptr : Bitmaps.back().get();
}

void TStyle::AddElement(std::string name, TElementMaker make) {
  FElements.emplace_back(std::move(name), std::move(make));
  FTitle.reset();
}

void TStyle::AddImage(std::string name, TStyleImage image) {
  FImages.emplace_back(std::move(name), std::move(image));
}

bool TStyle::HasElement(std::string_view name) const {
  return std::any_of(FElements.begin(), FElements.end(),
                     [&](const auto& e) { return SameStyleName(e.first, name); });
}

TControl* TStyle::MakeElement(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& [elementName, make] : FElements)
    if (SameStyleName(elementName, name)) {
      TControl* copy = make();
      if (copy) copy->SetStyleName(elementName);
      return copy;
    }
  return nullptr;
}

const TStyleImage* TStyle::FindImage(std::string_view name) const {
  for (const auto& [imageName, image] : FImages)
    if (SameStyleName(imageName, name)) return &image;
  return nullptr;
}

namespace {
const TStyleDescription* FindDescription(const scene::TSceneNode& node) {
  if (auto* d = dynamic_cast<const TStyleDescription*>(&node)) return d;
  for (const scene::TSceneNode* child : node.Children())
    if (const TStyleDescription* d = FindDescription(*child)) return d;
  return nullptr;
}
}  // namespace

std::string TStyle::DescriptionTitle() const {
  if (FTitle) return *FTitle;
  FTitle.emplace();
  for (const auto& element : FElements) {
    const std::unique_ptr<TControl> copy(element.second());
    if (!copy) continue;
    if (const TStyleDescription* d = FindDescription(*copy)) {
      FTitle = d->Title();
      break;
    }
  }
  return *FTitle;
}

}  // namespace ui
