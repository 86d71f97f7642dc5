#include "ui/accessibility/AccessibleControls.h"

#include "ui/controls/Text.h"
#include "ui/style/TextControls.h"
#include "ui/window/Form.h"

namespace ui {

namespace {

// A style copy, or a part of one.
bool InStyleCopy(const TControl& control) {
  for (const TControl* c = &control; c; c = c->ParentControl())
    if (c->Locked()) return true;
  return false;
}

bool IsSeen(const TControl& control) {
  return dynamic_cast<const TButton*>(&control) || dynamic_cast<const TLabel*>(&control) ||
         dynamic_cast<const TText*>(&control);
}

void CollectSeen(scene::TSceneNode& owner, std::vector<TControl*>& seen) {
  for (scene::TSceneNode* child : owner.Children()) {
    auto* c = dynamic_cast<TControl*>(child);
    if (!c || c->Locked()) continue;
    if (IsSeen(*c)) seen.push_back(c);
    CollectSeen(*c, seen);
  }
}

}  // namespace

std::vector<TControl*> AccessibleControls(TFormBase& window) {
  std::vector<TControl*> seen;
  CollectSeen(window, seen);
  return seen;
}

std::optional<TAccessibleInfo> AccessibleInfoOf(const TControl& control) {
  if (!IsSeen(control) || InStyleCopy(control)) return std::nullopt;
  TAccessibleInfo info;
  if (auto* button = dynamic_cast<const TButton*>(&control)) {
    info.Role = TAccessibleRole::Button;
    info.Name = button->Text();
  } else if (auto* label = dynamic_cast<const TPresentedTextControl*>(&control)) {
    info.Name = label->Text();
  } else if (auto* text = dynamic_cast<const TText*>(&control)) {
    info.Name = text->Text();
  }
  info.Shown = true;
  info.Enabled = true;
  for (const TControl* c = &control; c; c = c->ParentControl()) {
    info.Shown = info.Shown && c->Visible();
    info.Enabled = info.Enabled && c->Enabled();
  }
  info.Focusable = control.CanFocus() && info.Shown && info.Enabled;
  const TFormBase* form = control.Form();
  info.Focused = form && form->Pointer().Focused() == &control;
  info.Rect = control.AbsoluteRect();
  return info;
}

bool PressAccessible(TControl& control) {
  if (!dynamic_cast<TButton*>(&control) || !control.IsShownAndEnabled()) return false;
  control.Click();
  return true;
}

bool FocusAccessible(TControl& control) {
  TFormBase* form = control.Form();
  if (!form || !control.CanFocus() || !control.IsShownAndEnabled()) return false;
  form->Pointer().SetFocus(&control);
  return true;
}

}  // namespace ui
