// What a screen reader is told of a window's controls: which ones it sees, in tree order, with
// their roles, names and states, and what its press and focus actions do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FakeWindowHost.h"
#include "ui/accessibility/AccessibleControls.h"
#include "ui/controls/Text.h"
#include "ui/style/TextControls.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

using Lines = std::vector<std::string>;

// A window as the viewer's main window is made: a plain control standing for the 3D view with
// a label inside it, a panel of two buttons (each with a locked style copy holding a text, as
// styles give them), a speed button and two texts, the second hidden.
struct Accessible : ::testing::Test {
  TFormBase form;
  TControl* view = new TControl;
  TLabel* label = new TLabel;
  TPanel* panel = new TPanel;
  TButton* first = new TButton;
  TButton* second = new TButton;
  TSpeedButton* speed = new TSpeedButton;
  TText* captions = new TText;
  TText* values = new TText;
  Lines clicks;

  Accessible() {
    form.ClientResized(800, 600);
    form.AddChild(view);
    view->SetBounds(0, 0, 800, 600);
    view->AddChild(label);
    label->SetBounds(0, 0, 800, 40);
    label->SetText("Orvane");
    form.AddChild(panel);
    panel->SetBounds(40, 40, 145, 353);
    float y = 24;
    for (auto [button, caption] : {std::pair{first, "Orvane"}, std::pair{second, "Mimas"}}) {
      panel->AddChild(button);
      button->SetBounds(32, y, 80, 26);
      button->SetText(caption);
      button->OnClick = [this, caption](scene::TSceneNode&) { clicks.push_back(caption); };
      auto* copy = new TControl;
      copy->SetLocked(true);
      button->AddChild(copy);
      auto* copyText = new TText;
      copyText->SetText(caption);
      copy->AddChild(copyText);
      y += 40;
    }
    form.AddChild(speed);
    speed->SetText("OK");
    form.AddChild(captions);
    captions->SetText("Radius\nMass");
    form.AddChild(values);
    values->SetText("1 km\n2 kg");
    values->SetVisible(false);
  }

  // One line per control seen: role, name, state.
  Lines Seen() {
    Lines lines;
    for (TControl* c : AccessibleControls(form)) {
      const std::optional<TAccessibleInfo> info = AccessibleInfoOf(*c);
      if (!info) {
        lines.push_back("not seen");
        continue;
      }
      std::string line = info->Role == TAccessibleRole::Button ? "button" : "text";
      line += " '" + info->Name + "'";
      if (info->Focusable) line += " focusable";
      if (info->Focused) line += " focused";
      if (!info->Shown) line += " hidden";
      if (!info->Enabled) line += " disabled";
      lines.push_back(line);
    }
    return lines;
  }
};

TEST_F(Accessible, SeesButtonsLabelsAndTextsInTreeOrderButNoStyleCopies) {
  EXPECT_EQ(Seen(), (Lines{"text 'Orvane'", "button 'Orvane' focusable", "button 'Mimas' focusable",
                           "button 'OK'", "text 'Radius\nMass'", "text '1 km\n2 kg' hidden"}));
  EXPECT_FALSE(AccessibleInfoOf(*view));
  EXPECT_FALSE(AccessibleInfoOf(*panel));
  auto* copyText = static_cast<TControl*>(first->Children()[0]->Children()[0]);
  EXPECT_FALSE(AccessibleInfoOf(*copyText));
  EXPECT_EQ(AccessibleInfoOf(*second)->Rect, (TWindowRect{72, 104, 152, 130}));
}

TEST_F(Accessible, StatesFollowFocusVisibilityAndTheEnabledFlag) {
  ASSERT_TRUE(FocusAccessible(*second));
  label->SetText("Mimas");
  EXPECT_EQ(Seen()[0], "text 'Mimas'");
  EXPECT_EQ(Seen()[2], "button 'Mimas' focusable focused");
  first->SetEnabled(false);
  EXPECT_EQ(Seen()[1], "button 'Orvane' disabled");
  panel->SetVisible(false);
  EXPECT_EQ(Seen()[2], "button 'Mimas' focused hidden");
  // Neither action reaches a hidden or disabled button.
  EXPECT_FALSE(PressAccessible(*second));
  EXPECT_FALSE(FocusAccessible(*first));
  panel->SetVisible(true);
  EXPECT_FALSE(PressAccessible(*first));
  EXPECT_TRUE(clicks.empty());
}

TEST_F(Accessible, PressClicksAButtonAndFocusFocusesOnlyButtonsThatTakeIt) {
  EXPECT_TRUE(PressAccessible(*second));
  EXPECT_TRUE(PressAccessible(*speed));
  EXPECT_FALSE(PressAccessible(*label));
  EXPECT_EQ(clicks, (Lines{"Mimas"}));  // the speed button has no handler
  EXPECT_FALSE(FocusAccessible(*speed));
  EXPECT_FALSE(FocusAccessible(*captions));
  EXPECT_EQ(form.Pointer().Focused(), nullptr);
  EXPECT_TRUE(FocusAccessible(*first));
  EXPECT_EQ(form.Pointer().Focused(), first);
}

// The window's host hears of focus moves, new texts and visibility, once the window shows.
struct TRecordingHost : testing::TFakeHost {
  Lines Changes;
  void AccessibleChanged(TControl& control, TAccessibleChange change) override {
    const char* kinds[] = {"focus", "name", "visibility"};
    Changes.push_back(std::string(kinds[static_cast<int>(change)]) + " " + control.Name());
  }
};

TEST_F(Accessible, TheHostHearsOfFocusNameAndVisibilityChanges) {
  TRecordingHost host;
  form.SetHost(&host);
  first->SetName("first");
  label->SetName("label");
  panel->SetName("panel");
  FocusAccessible(*first);
  FocusAccessible(*first);  // no change
  label->SetText("Mimas");
  label->SetText("Mimas");
  panel->SetVisible(false);
  EXPECT_EQ(host.Changes, (Lines{"focus first", "name label", "visibility panel"}));
  form.SetHost(nullptr);
}

}  // namespace
}  // namespace ui
