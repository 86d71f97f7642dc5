// A form's window through Qt's accessibility: its 2D controls as the window's accessible
// children with their roles, names and states, the press and focus actions, the events a
// screen reader hears, and the interfaces going with the controls.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls/Text.h"
#include "ui/qt/FormWindow.h"
#include "ui/style/TextControls.h"
#include "ui/window/Form.h"

namespace ui::qt {
namespace {

using Lines = std::vector<std::string>;

std::string Utf8(const QString& s) {
  return s.toStdString();
}

// A window of 400 x 300 shaped like the viewer's: a plain control for the 3D view holding the
// name label, a panel with the buttons "Orvane" and "Mimas" (a click names its body in the
// label) and two information texts, the second hidden.
struct Accessibility : ::testing::Test {
  std::unique_ptr<TFormBase> form = std::make_unique<TFormBase>();
  TLabel* label = new TLabel;
  TPanel* panel = new TPanel;
  TText* captions = new TText;
  TText* values = new TText;
  std::unique_ptr<TFormWindow> window;

  Accessibility() {
    form->SetCaption("Moons");
    form->SetClientSize(400, 300);
    auto* view = new TControl;
    form->AddChild(view);
    view->SetAlign(TControlAlign::Client);
    view->AddChild(label);
    label->SetBounds(0, 0, 400, 40);
    label->SetText("Orvane");
    form->AddChild(panel);
    panel->SetBounds(40, 40, 145, 120);
    float y = 24;
    for (const char* body : {"Orvane", "Mimas"}) {
      auto* button = new TButton;
      panel->AddChild(button);
      button->SetName(body);
      button->SetBounds(32, y, 80, 26);
      button->SetText(body);
      button->OnClick = [this, body](scene::TSceneNode&) { label->SetText(body); };
      y += 40;
    }
    form->AddChild(captions);
    captions->SetBounds(200, 40, 100, 100);
    captions->SetText("Radius");
    form->AddChild(values);
    values->SetBounds(300, 40, 100, 100);
    values->SetText("1 km");
    values->SetVisible(false);
    window = std::make_unique<TFormWindow>(*form);
    window->show();
  }
  ~Accessibility() override {
    if (form) window->FreeForm(std::move(form));
    window.reset();
  }

  QAccessibleInterface* Window() { return QAccessible::queryAccessibleInterface(window.get()); }
  QAccessibleInterface* Child(int i) { return Window()->child(i); }
};

TEST_F(Accessibility, TheWindowHasTheControlsAsChildrenWithRolesNamesAndStates) {
  QAccessibleInterface* iface = Window();
  ASSERT_TRUE(iface);
  EXPECT_TRUE(iface->isValid());
  EXPECT_EQ(iface->role(), QAccessible::Window);
  EXPECT_EQ(Utf8(iface->text(QAccessible::Name)), "Moons");
  ASSERT_EQ(iface->childCount(), 5);
  const struct {
    QAccessible::Role role;
    const char* name;
    bool focusable, invisible;
  } children[] = {
      {QAccessible::StaticText, "Orvane", false, false},
      {QAccessible::Button, "Orvane", true, false},
      {QAccessible::Button, "Mimas", true, false},
      {QAccessible::StaticText, "Radius", false, false},
      {QAccessible::StaticText, "1 km", false, true},
  };
  for (int i = 0; i < 5; ++i) {
    const auto& c = children[i];
    SCOPED_TRACE(c.name);
    QAccessibleInterface* child = iface->child(i);
    ASSERT_TRUE(child);
    EXPECT_TRUE(child->isValid());
    EXPECT_EQ(child->role(), c.role);
    EXPECT_EQ(Utf8(child->text(QAccessible::Name)), c.name);
    EXPECT_EQ(bool(child->state().focusable), c.focusable);
    EXPECT_EQ(bool(child->state().invisible), c.invisible);
    EXPECT_FALSE(child->state().focused);
    EXPECT_EQ(child->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(child), i);
    EXPECT_EQ(child, iface->child(i)) << "one interface per control";
    EXPECT_EQ(child->actionInterface() != nullptr, c.role == QAccessible::Button);
  }
  // The "Mimas" button's place on the screen, and what lies at its centre.
  const QRect mimas = iface->child(2)->rect();
  EXPECT_EQ(mimas.size(), QSize(80, 26));
  EXPECT_EQ(mimas.topLeft() - window->mapToGlobal(QPoint(0, 0)), QPoint(72, 104));
  EXPECT_EQ(iface->childAt(mimas.center().x(), mimas.center().y()), iface->child(2));
}

TEST_F(Accessibility, PressClicksTheButtonAndFocusMovesTheKeyboardFocus) {
  QAccessibleInterface* mimas = Child(2);
  ASSERT_TRUE(mimas && mimas->actionInterface());
  QAccessibleActionInterface* actions = mimas->actionInterface();
  EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(label->Text(), "Mimas");
  EXPECT_EQ(Utf8(Child(0)->text(QAccessible::Name)), "Mimas");
  EXPECT_EQ(Window()->focusChild(), nullptr);
  actions->doAction(QAccessibleActionInterface::setFocusAction());
  EXPECT_TRUE(mimas->state().focused);
  EXPECT_EQ(Window()->focusChild(), mimas);
  // A hidden panel's buttons are invisible and do not press.
  panel->SetVisible(false);
  EXPECT_TRUE(Child(1)->state().invisible);
  Child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(label->Text(), "Mimas");
}

// A screen reader starts from the application: the window is among its children, and while
// the window is hidden nothing of it shows.
TEST_F(Accessibility, TheApplicationListsTheWindowAndAHiddenWindowShowsNothing) {
  QAccessibleInterface* application =
      QAccessible::queryAccessibleInterface(QCoreApplication::instance());
  ASSERT_TRUE(application);
  bool listed = false;
  for (int i = 0; i < application->childCount(); ++i)
    listed = listed || application->child(i) == Window();
  EXPECT_TRUE(listed) << "the window is not among the application's children";
  EXPECT_FALSE(Child(1)->state().invisible);
  window->hide();
  for (int i = 0; i < Window()->childCount(); ++i)
    EXPECT_TRUE(Child(i)->state().invisible) << i;
  EXPECT_TRUE(Window()->state().invisible);
}

// What a screen reader that has read the window hears: the focus moving, a label's new name,
// and the panel's buttons hidden. (Qt hands the events on only while the platform's
// accessibility is active, which needs the desktop's accessibility bus; they are taken here
// where they are sent.)
std::string Heard(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  const std::string name = iface ? Utf8(iface->text(QAccessible::Name)) : "?";
  switch (event->type()) {
    case QAccessible::Focus:
      return "focus " + name;
    case QAccessible::NameChanged:
      return "name " + name;
    case QAccessible::StateChanged:
      return std::string(static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().invisible
                             ? "shown/hidden "
                             : "state ") +
             name;
    default:
      return "other " + name;
  }
}

TEST_F(Accessibility, AScreenReaderHearsOfFocusNamesAndHiding) {
  Lines heard;
  window->Accessibility().SetEventSink(
      [&](QAccessibleEvent* event) { heard.push_back(Heard(event)); });
  // Before the screen reader has read the window nothing is made for it.
  form->KeyDown(vkTab, U'\t', 0);
  EXPECT_EQ(heard, Lines{});
  form->KeyDown(vkTab, U'\t', scene::ssShift);
  // It reads the window.
  ASSERT_EQ(Window()->childCount(), 5);
  for (int i = 0; i < 5; ++i)
    ASSERT_TRUE(Child(i));
  form->KeyDown(vkTab, U'\t', 0);
  form->KeyDown(vkTab, U'\t', 0);
  form->KeyDown(vkReturn, U'\r', 0);
  panel->SetVisible(false);
  EXPECT_EQ(heard, (Lines{"focus Orvane", "focus Mimas", "name Mimas", "shown/hidden Orvane",
                          "shown/hidden Mimas"}));
}

TEST_F(Accessibility, TheInterfacesGoWithTheControls) {
  QAccessibleInterface* mimas = Child(2);
  const QAccessible::Id id = QAccessible::uniqueId(mimas);
  ASSERT_EQ(QAccessible::accessibleInterface(id), mimas);
  delete form->FindObject("Mimas");
  EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
  EXPECT_EQ(Window()->childCount(), 4);
  const QAccessible::Id orvane = QAccessible::uniqueId(Child(1));
  window->FreeForm(std::move(form));
  EXPECT_EQ(QAccessible::accessibleInterface(orvane), nullptr);
  EXPECT_FALSE(Window()->isValid());
  EXPECT_EQ(Window()->childCount(), 0);
}

}  // namespace
}  // namespace ui::qt
