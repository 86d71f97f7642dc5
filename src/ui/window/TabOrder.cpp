#include "ui/window/TabOrder.h"

#include <algorithm>

#include "ui/window/Control.h"

namespace ui {

namespace {

void CollectStops(scene::TSceneNode& owner, std::vector<TControl*>& stops) {
  std::vector<TControl*> children;
  for (scene::TSceneNode* child : owner.Children())
    if (auto* c = dynamic_cast<TControl*>(child); c && !c->Locked() && c->IsShownAndEnabled())
      children.push_back(c);
  // Those without an order (negative) after the others; a stable sort keeps child order.
  std::stable_sort(children.begin(), children.end(), [](const TControl* a, const TControl* b) {
    const bool aGiven = a->TabOrder() >= 0, bGiven = b->TabOrder() >= 0;
    if (aGiven != bGiven) return aGiven;
    return aGiven && a->TabOrder() < b->TabOrder();
  });
  for (TControl* c : children) {
    if (c->CanFocus()) stops.push_back(c);
    CollectStops(*c, stops);
  }
}

}  // namespace

std::vector<TControl*> TabStops(scene::TSceneNode& owner) {
  std::vector<TControl*> stops;
  CollectStops(owner, stops);
  return stops;
}

TControl* NextTabStop(scene::TSceneNode& window, scene::TSceneNode* from, bool backwards) {
  const std::vector<TControl*> stops = TabStops(window);
  if (stops.empty()) return nullptr;
  const auto at = std::find(stops.begin(), stops.end(), from);
  if (at == stops.end()) return backwards ? stops.back() : stops.front();
  const size_t i = static_cast<size_t>(at - stops.begin());
  return stops[backwards ? (i + stops.size() - 1) % stops.size() : (i + 1) % stops.size()];
}

}  // namespace ui
