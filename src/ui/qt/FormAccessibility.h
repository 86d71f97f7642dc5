// The 2D controls of a form's window for assistive technology (screen readers) through Qt's
// accessibility framework.
//
// The window's accessible object (made by FormAccessibleFactory for every TFormWindow) has the
// controls that AccessibleControls (ui/AccessibleControls.h) lists as its children: buttons
// (role Button, named by their caption, with the press and focus actions) and texts and labels
// (role StaticText, named by their text), each focusable, focused, invisible or disabled as
// the control is. Qt owns the interfaces once registered; a window's TFormAccessibility
// keeps one per control, made when first asked for and deleted when the control or the window
// goes, and tells Qt of focus, name and visibility changes.
#pragma once

#include <QAccessible>
#include <functional>
#include <unordered_map>

#include "scene/tree/SceneNode.h"
#include "ui/window/WindowHost.h"

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;
class QString;

namespace ui {
class TControl;
}

namespace ui::qt {

class TFormWindow;

class TFormAccessibility : public scene::TSceneNode {
 public:
  explicit TFormAccessibility(TFormWindow& window) : FWindow(window) {}
  ~TFormAccessibility() override;

  TFormWindow& Window() const { return FWindow; }
  // The interface of `control`, made and registered with Qt the first time; null for a control
  // assistive technology does not see.
  QAccessibleInterface* InterfaceOf(TControl& control);
  // Where the change events go: Qt's accessibility (QAccessible::updateAccessibility, which
  // hands them on while the platform's accessibility is active) unless set otherwise.
  using TEventSink = std::function<void(QAccessibleEvent*)>;
  void SetEventSink(TEventSink sink) { FEventSink = std::move(sink); }
  // Tells Qt's accessibility of a change of `control`: for the controls assistive technology
  // has read, and while it is active also for a control taking the focus or renamed.
  void Changed(TControl& control, TAccessibleChange change);

 protected:
  void ObservedFreed(scene::TSceneNode* dying) override;

 private:
  TFormWindow& FWindow;
  std::unordered_map<const scene::TSceneNode*, QAccessible::Id> FIds;
  TEventSink FEventSink = QAccessible::updateAccessibility;
};

// Qt's interface factory for the form windows: answers the accessible object of a
// TFormWindow, null for any other object.
QAccessibleInterface* FormAccessibleFactory(const QString& className, QObject* object);
// Installs FormAccessibleFactory (once; later calls do nothing).
void InstallFormAccessibility();

}  // namespace ui::qt
