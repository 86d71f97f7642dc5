#include "ui/menu/PopupMenu.h"

#include <utility>

#include "ui/menu/MenuPresenter.h"

namespace ui {

namespace {
// A menu is on the screen (the platform's menu loop runs).
bool GMenuOpen = false;

struct TMenuOpenScope {
  TMenuOpenScope() { GMenuOpen = true; }
  ~TMenuOpenScope() { GMenuOpen = false; }
};
}  // namespace

void TMenuItem::Click() {
  if (FAutoCheck) FIsChecked = !FIsChecked;
  if (OnClick) OnClick(*this);
}

TPopupMenu::~TPopupMenu() {
  *FAlive = false;
}

std::vector<TMenuItem*> TPopupMenu::Items() const {
  std::vector<TMenuItem*> items;
  for (scene::TSceneNode* child : Children())
    if (auto* item = dynamic_cast<TMenuItem*>(child)) items.push_back(item);
  return items;
}

void TPopupMenu::SetPopupComponent(scene::TSceneNode* component) {
  if (component == FPopupComponent) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeObserver(this);
  FPopupComponent = component;
  if (FPopupComponent) FPopupComponent->AddFreeObserver(this);
}

bool TPopupMenu::IsAnyMenuOpen() {
  return GMenuOpen;
}

void TPopupMenu::Popup(int x, int y) {
  if (GMenuOpen) return;
  if (OnPopup) OnPopup(*this, x, y);
  std::vector<TMenuItem*> shown = Items();
  std::erase_if(shown, [](const TMenuItem* item) { return !item->Visible(); });
  if (shown.empty()) return;
  FPopupPoint = {static_cast<float>(x), static_cast<float>(y)};
  IMenuPresenter* presenter = scene::TService<IMenuPresenter>::Get();
  if (!presenter) return;

  std::vector<TMenuEntry> entries;
  for (const TMenuItem* item : shown)
    entries.push_back({item->Text(), item->IsChecked()});
  FShown = shown;
  const std::shared_ptr<bool> alive = FAlive;
  std::optional<std::size_t> chosen;
  {
    const TMenuOpenScope open;
    try {
      chosen = presenter->Present(entries, {x, y});
    } catch (...) {
      if (*alive) FShown.clear();
      throw;
    }
  }
  // Anything may have happened in the menu loop, down to the menu being freed.
  if (!*alive) return;
  shown = std::exchange(FShown, {});
  if (chosen && *chosen < shown.size() && shown[*chosen]) Queue(shown[*chosen]);
}

void TPopupMenu::PopupFor(scene::TSceneNode& component, TPointF screenPoint) {
  if (GMenuOpen) return;
  SetPopupComponent(&component);
  Popup(RoundHalfEven(screenPoint.X), RoundHalfEven(screenPoint.Y));
}

void TPopupMenu::Queue(TMenuItem* item) {
  IOneShotTimerSource* timers = scene::TService<IOneShotTimerSource>::Get();
  if (!timers) return;
  FQueued = item;
  // A new start replaces a click still waiting.
  FClickTimer = timers->StartOneShot(ClickDelayMs, [this] { RunQueuedClick(); });
}

void TPopupMenu::RunQueuedClick() {
  TMenuItem* item = std::exchange(FQueued, nullptr);
  FClickTimer.reset();
  if (item) item->Click();
}

void TPopupMenu::ObservedFreed(scene::TSceneNode* dying) {
  if (dying == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::ChildRemoved(scene::TSceneNode* child) {
  for (TMenuItem*& item : FShown)
    if (item == child) item = nullptr;
  if (child == FQueued) {
    FQueued = nullptr;
    FClickTimer.reset();
  }
}

}  // namespace ui
