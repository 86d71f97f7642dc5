#include "ui/qt/FormAccessibility.h"

#include <QAccessibleInterface>
#include <QAccessibleObject>
#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <vector>

#include "ui/accessibility/AccessibleControls.h"
#include "ui/qt/FormWindow.h"
#include "ui/window/Control.h"
#include "ui/window/Form.h"

namespace ui::qt {

namespace {

QRect ScreenRect(const QWindow& window, const TWindowRect& r) {
  const QPoint topLeft = window.mapToGlobal(QPoint(qRound(r.Left), qRound(r.Top)));
  return {topLeft, QSize(qRound(r.Right - r.Left), qRound(r.Bottom - r.Top))};
}

// One control of a form. The control is null once it has been freed (the interface is then
// invalid until Qt deletes it).
class TControlAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TControlAccessible(TFormWindow& window, TControl& control)
      : FWindow(&window), FControl(&control) {}

  void Forget() { FControl = nullptr; }

  bool isValid() const override { return FControl != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FWindow; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(FWindow);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    const std::optional<TAccessibleInfo> info = Info();
    if (!info || t != QAccessible::Name) return {};
    return QString::fromStdString(info->Name);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const std::optional<TAccessibleInfo> info = Info();
    return info ? ScreenRect(*FWindow, info->Rect) : QRect();
  }
  QAccessible::Role role() const override {
    const std::optional<TAccessibleInfo> info = Info();
    if (info && info->Role == TAccessibleRole::Button) return QAccessible::Button;
    return QAccessible::StaticText;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    const std::optional<TAccessibleInfo> info = Info();
    if (!info) {
      s.invalid = true;
      return s;
    }
    s.focusable = info->Focusable;
    s.focused = info->Focused;
    // Nothing of a hidden window shows (the About window before it is opened).
    s.invisible = !info->Shown || !FWindow->isVisible();
    s.disabled = !info->Enabled;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface && role() == QAccessible::Button)
      return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  // QAccessibleActionInterface
  QStringList actionNames() const override {
    if (role() != QAccessible::Button) return {};
    return {pressAction(), setFocusAction()};
  }
  void doAction(const QString& actionName) override {
    if (!FControl) return;
    if (actionName == pressAction())
      PressAccessible(*FControl);
    else if (actionName == setFocusAction())
      FocusAccessible(*FControl);
  }
  QStringList keyBindingsForAction(const QString& actionName) const override {
    if (actionName == pressAction()) return {QStringLiteral("Space"), QStringLiteral("Return")};
    return {};
  }

 private:
  std::optional<TAccessibleInfo> Info() const {
    return FControl ? AccessibleInfoOf(*FControl) : std::nullopt;
  }

  TFormWindow* FWindow;
  TControl* FControl;
};

// The form's window: its caption as its name, the seen controls as its children.
class TWindowAccessible : public QAccessibleObject {
 public:
  explicit TWindowAccessible(TFormWindow& window) : QAccessibleObject(&window) {}

  bool isValid() const override {
    return QAccessibleObject::isValid() && Window().Form() != nullptr;
  }
  QWindow* window() const override { return &Window(); }
  QAccessibleInterface* parent() const override {
    // The application object, whichever class it is (qApp casts to the class its header names).
    return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
  }
  int childCount() const override { return static_cast<int>(Controls().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<TControl*> controls = Controls();
    if (index < 0 || index >= static_cast<int>(controls.size())) return nullptr;
    return Window().Accessibility().InterfaceOf(*controls[static_cast<size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<TControl*> controls = Controls();
    for (size_t i = 0; i < controls.size(); ++i)
      if (Window().Accessibility().InterfaceOf(*controls[i]) == child) return static_cast<int>(i);
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    // The last shown control under the point is the one drawn on top.
    const std::vector<TControl*> controls = Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
      const std::optional<TAccessibleInfo> info = AccessibleInfoOf(**it);
      if (info && info->Shown && ScreenRect(Window(), info->Rect).contains(x, y))
        return Window().Accessibility().InterfaceOf(**it);
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    TFormBase* form = Window().Form();
    auto* focused = form ? dynamic_cast<TControl*>(form->Pointer().Focused()) : nullptr;
    return focused ? Window().Accessibility().InterfaceOf(*focused) : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? Window().title() : QString();
  }
  QRect rect() const override { return Window().geometry(); }
  QAccessible::Role role() const override { return QAccessible::Window; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.active = Window().isActive();
    s.invisible = !Window().isVisible();
    return s;
  }

 private:
  TFormWindow& Window() const { return *static_cast<TFormWindow*>(object()); }
  std::vector<TControl*> Controls() const {
    TFormBase* form = Window().Form();
    return form ? AccessibleControls(*form) : std::vector<TControl*>{};
  }
};

}  // namespace

TFormAccessibility::~TFormAccessibility() {
  for (const auto& [control, id] : FIds) {
    const_cast<scene::TSceneNode*>(control)->RemoveFreeObserver(this);
    QAccessible::deleteAccessibleInterface(id);
  }
}

QAccessibleInterface* TFormAccessibility::InterfaceOf(TControl& control) {
  if (const auto it = FIds.find(&control); it != FIds.end())
    return QAccessible::accessibleInterface(it->second);
  if (!AccessibleInfoOf(control)) return nullptr;
  auto* iface = new TControlAccessible(FWindow, control);
  FIds.emplace(&control, QAccessible::registerAccessibleInterface(iface));
  control.AddFreeObserver(this);
  return iface;
}

void TFormAccessibility::ObservedFreed(scene::TSceneNode* dying) {
  const auto it = FIds.find(dying);
  if (it == FIds.end()) return;
  const QAccessible::Id id = it->second;
  FIds.erase(it);
  static_cast<TControlAccessible*>(QAccessible::accessibleInterface(id))->Forget();
  QAccessible::deleteAccessibleInterface(id);
}

// Only what assistive technology has read of the window (the interfaces made so far) is told
// of changes, and, while the platform's accessibility is active, a control taking the focus
// or renamed before it was read: nothing is made for nobody.
void TFormAccessibility::Changed(TControl& control, TAccessibleChange change) {
  if (change == TAccessibleChange::Visibility) {
    // The control itself and every seen control inside it that assistive technology knows,
    // in tree order; none when it has read nothing yet (no walk of the tree for nobody).
    TFormBase* form = FWindow.Form();
    if (!form || FIds.empty()) return;
    QAccessible::State invisible;
    invisible.invisible = true;
    for (TControl* seen : AccessibleControls(*form)) {
      const auto it = FIds.find(seen);
      if (it == FIds.end()) continue;
      bool inside = false;
      for (const TControl* c = seen; c && !inside; c = c->ParentControl())
        inside = c == &control;
      if (!inside) continue;
      QAccessibleStateChangeEvent event(QAccessible::accessibleInterface(it->second), invisible);
      FEventSink(&event);
    }
    return;
  }
  const bool known = FIds.contains(&control);
  if (!known && !QAccessible::isActive()) return;
  QAccessibleInterface* iface = InterfaceOf(control);
  if (!iface) return;
  QAccessibleEvent event(
      iface, change == TAccessibleChange::Focus ? QAccessible::Focus : QAccessible::NameChanged);
  FEventSink(&event);
}

QAccessibleInterface* FormAccessibleFactory(const QString&, QObject* object) {
  if (auto* window = qobject_cast<TFormWindow*>(object)) return new TWindowAccessible(*window);
  return nullptr;
}

void InstallFormAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(FormAccessibleFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace ui::qt
