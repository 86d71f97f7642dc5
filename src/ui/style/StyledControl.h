// A control drawn by a style element: a private copy of the element, found by the control's
// StyleLookup or its class name (style/StyleLookup.h), becomes the control's first child, so
// it is drawn below the control's other children and never takes the pointer.
//
// The element is looked up and applied once, before the control is first painted, and again
// after StyleLookup changes or any style changes (NotifyStyleChanged). When no element is
// found the control has no style copy and draws only its own content and children.
#pragma once

#include <string>

#include "ui/window/Control.h"

namespace ui {

// The look a style draws a control in.
enum class TStyleState { Normal, Hot, Pressed, Focused };

class TStyledControl : public TControl {
 public:
  ~TStyledControl() override;

  const std::string& StyleLookup() const { return FStyleLookup; }
  void SetStyleLookup(std::string name);
  // The class name of the class this one derives from, for the lookup's third name.
  virtual std::string_view ParentClassName() const { return "TStyledControl"; }
  // The element applied (the control's first child), or null when none is.
  TControl* ResourceLink() const { return FResource; }
  // Looks the element up again before the next paint.
  void NeedStyleLookup();
  // Looks the element up and applies it now.
  void ApplyStyleLookup();

  virtual TStyleState VisualState() const { return TStyleState::Normal; }

 protected:
  void PrepareToPaint() override;
  // After a copy was applied (`ResourceLink` set) or removed (null).
  virtual void StyleApplied() {}
  void ChildRemoved(scene::TSceneNode* child) override;

 private:
  void FreeResource();

  std::string FStyleLookup;
  TControl* FResource = nullptr;
  bool FNeedStyle = true;
  unsigned FStyleSerial = 0;
};

// Tells every styled control to look its element up again (a style was changed).
void NotifyStyleChanged();
unsigned StyleSerial();

}  // namespace ui
