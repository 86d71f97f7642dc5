// What the 2D layer paints, read from a recording painter: the order of the controls, the
// opacity each draws with, and the looks the styles give the side panel and its buttons.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "support/PanelElement.h"
#include "support/RecordingPainter.h"
#include "ui/controls/Shapes.h"
#include "ui/controls/Text.h"
#include "ui/style/PlatformStyle.h"
#include "ui/style/StyleBook.h"
#include "ui/style/StyleObjects.h"
#include "ui/style/TextControls.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

using Lines = std::vector<std::string>;

// A window of 800 x 600 whose book has a default entry (empty), one for "Windows 8 Desktop"
// with the side panel's rounded rectangle and the desktop's button, and one for another
// platform. The panel (40, 40, 145 x 353, opacity 0.8) holds a button (32, 24, 80 x 26)
// whose caption is 14 units high and takes only its font family, style and colour from the
// style.
struct SidePanel : ::testing::Test {
  TFormBase form;
  TStyleBook* book = new TStyleBook;
  TPanel* panel = new TPanel;
  TButton* button = new TButton;
  testing::TRecordingPainter painter;

  explicit SidePanel(TStyleEnvironment environment = {}) {
    SetStyleEnvironment(std::move(environment));
    book->AddStyle("", nullptr);
    book->AddStyle("Windows 8 Desktop", [] {
      auto style = std::make_unique<TStyle>();
      style->AddElement("Panel1Style1", [] { return testing::MakeRoundedPanelElement(); });
      style->AddElement("Buttonstyle", [] {
        return MakeButtonStyleElement("Windows 8 Desktopstyle.png", DesktopButtonLinks());
      });
      return style;
    });
    book->AddStyle("AndroidL Light", [] {
      auto style = std::make_unique<TStyle>();
      style->AddElement("Buttonstyle", [] {
        return MakeButtonStyleElement("AndroidL Lightstyle.png", DesktopButtonLinks(), 0xFF222222,
                                      18);
      });
      return style;
    });
    form.AddChild(book);
    form.SetStyleBook(book);
    form.AddChild(panel);
    form.ClientResized(800, 600);
    panel->SetBounds(40, 40, 145, 353);
    panel->SetOpacity(0.8f);
    panel->SetStyleLookup("Panel1Style1");
    panel->AddChild(button);
    button->SetBounds(32, 24, 80, 26);
    button->SetText("Mimas");
    TTextSettings settings = button->TextSettings();
    settings.Font.Size = 14;
    button->SetTextSettings(settings);
    button->SetStyledSettings(ssFamily | ssStyle | ssFontColor);
  }
  ~SidePanel() override { SetStyleEnvironment({}); }

  // The button's face in its normal look, cut from the picture for scale 1 with corners of 3,
  // and its caption centred in the face less the caption's margins, at the panel's opacity.
  static Lines ButtonLines() {
    return {
        "bitmap x1 4,168,7,171 -> 72,64,75,67 0.8",
        "bitmap x1 7,168,81,171 -> 75,64,149,67 0.8",
        "bitmap x1 81,168,84,171 -> 149,64,152,67 0.8",
        "bitmap x1 4,171,7,204 -> 72,67,75,87 0.8",
        "bitmap x1 7,171,81,204 -> 75,67,149,87 0.8",
        "bitmap x1 81,171,84,204 -> 149,67,152,87 0.8",
        "bitmap x1 4,204,7,207 -> 72,87,75,90 0.8",
        "bitmap x1 7,204,81,207 -> 75,87,149,90 0.8",
        "bitmap x1 81,204,84,207 -> 149,87,152,90 0.8",
        "save",
        "clip 73,66,151,88",
        "text 'Mimas' at 94.5,81.2 FF000000 0.8",
        "restore",
    };
  }
};

TEST_F(SidePanel, PaintsThePanelThenTheButtonFaceThenItsCaption) {
  form.Paint2D(painter);
  Lines expected = {"fill 40,40,185,393 r8 FF35356F 0.8"};
  for (const std::string& line : ButtonLines())
    expected.push_back(line);
  EXPECT_EQ(painter.Lines, expected);
}

struct SidePanelOnWindows10 : SidePanel {
  SidePanelOnWindows10() : SidePanel({"Linux", "Windows 10 Desktop"}) {}
};

TEST_F(SidePanelOnWindows10, PaintsTheLightSquarePanelWithItsOutline) {
  // No entry is made for that title: the panel and the button take the platform's elements.
  form.Paint2D(painter);
  Lines expected = {
      "fill 40.5,40.5,184.5,392.5 r0 FFF0F0F0 0.8",
      "stroke 40.5,40.5,184.5,392.5 r0 w1 FFCCCCCC 0.8",
  };
  for (const std::string& line : ButtonLines())
    expected.push_back(line);
  EXPECT_EQ(painter.Lines, expected);
}

TEST_F(SidePanel, AButtonWithoutCaptionDrawsNoText) {
  button->SetText("");
  form.Paint2D(painter);
  EXPECT_EQ(painter.Starting("text"), Lines{});
  EXPECT_EQ(painter.Starting("bitmap").size(), 9u);
}

// Plain rectangles without outline, each 10 x 10 at its own place, to follow paint order and
// opacity.
struct Shapes : ::testing::Test {
  TFormBase form;
  testing::TRecordingPainter painter;

  TRectangle* Add(scene::TSceneNode& parent, float x, scene::TAlphaColor fill) {
    auto* r = new TRectangle;
    parent.AddChild(r);
    r->SetBounds(x, 0, 10, 10);
    r->SetFillColor(fill);
    r->SetStrokeKind(TBrushKind::None);
    return r;
  }
};

TEST_F(Shapes, EachControlIsPaintedBeforeItsChildrenInTreeOrder) {
  TRectangle* a = Add(form, 0, 0xFF00000A);
  Add(*Add(*a, 10, 0xFF0000A1), 10, 0xFF000A11);
  Add(*a, 30, 0xFF0000A2);
  Add(form, 100, 0xFF00000B);
  form.Paint2D(painter);
  EXPECT_EQ(painter.Lines, (Lines{
                               "fill 0,0,10,10 r0 FF00000A 1",
                               "fill 10,0,20,10 r0 FF0000A1 1",
                               "fill 20,0,30,10 r0 FF000A11 1",
                               "fill 30,0,40,10 r0 FF0000A2 1",
                               "fill 100,0,110,10 r0 FF00000B 1",
                           }));
}

TEST_F(Shapes, AHiddenControlAndItsChildrenDrawNothing) {
  TRectangle* hidden = Add(form, 0, 0xFF00000A);
  Add(*hidden, 10, 0xFF0000A1);
  Add(form, 100, 0xFF00000B);
  hidden->SetVisible(false);
  form.Paint2D(painter);
  EXPECT_EQ(painter.Lines, (Lines{"fill 100,0,110,10 r0 FF00000B 1"}));
}

TEST_F(Shapes, ADisabledControlDrawsAtItsOpacityTimesDisabledOpacity) {
  const struct {
    float opacity;
    bool enabled;
    float disabledOpacity;
    const char* parentLine;  // null: nothing drawn
    const char* childLine;
  } cases[] = {
      {0.5f, true, 0.6f, "fill 0,0,10,10 r0 FF00000A 0.5", "fill 10,0,20,10 r0 FF0000A1 0.5"},
      {0.5f, false, 0.6f, "fill 0,0,10,10 r0 FF00000A 0.3", "fill 10,0,20,10 r0 FF0000A1 0.3"},
      {1, false, 0.25f, "fill 0,0,10,10 r0 FF00000A 0.25", "fill 10,0,20,10 r0 FF0000A1 0.25"},
      {1, false, 0, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    TFormBase window;
    TRectangle* parent = Add(window, 0, 0xFF00000A);
    Add(*parent, 10, 0xFF0000A1);
    parent->SetOpacity(c.opacity);
    parent->SetDisabledOpacity(c.disabledOpacity);
    parent->SetEnabled(c.enabled);
    window.Paint2D(painter);
    Lines expected;
    if (c.parentLine) expected = {c.parentLine, c.childLine};
    EXPECT_EQ(painter.Take(), expected) << c.opacity << (c.enabled ? " enabled" : " disabled");
  }
}

TEST_F(Shapes, OpacityOutsideZeroToOneIsClamped) {
  const struct {
    float set;
    float expected;
  } cases[] = {
      {-0.5f, 0},
      {2, 1},
      {std::numeric_limits<float>::quiet_NaN(), 1},
      {-std::numeric_limits<float>::infinity(), 0},
      {0.25f, 0.25f},
  };
  for (const auto& c : cases) {
    TFormBase window;
    TRectangle* r = Add(window, 0, 0xFF00000A);
    r->SetOpacity(c.set);
    r->SetDisabledOpacity(c.set);
    EXPECT_EQ(r->Opacity(), c.expected) << c.set;
    EXPECT_EQ(r->DisabledOpacity(), c.expected) << c.set;
    window.Paint2D(painter);
    const Lines expected =
        c.expected > 0 ? Lines{"fill 0,0,10,10 r0 FF00000A " + testing::Num(c.expected)} : Lines{};
    EXPECT_EQ(painter.Take(), expected) << c.set;
  }
}

TEST_F(Shapes, TextIsClippedToItsRectangle) {
  // The default 12-unit font: "Orvane" is 36 wide; wrapped lines are 12 apart.
  auto* text = new TText;
  form.AddChild(text);
  text->SetBounds(10, 20, 100, 50);
  text->SetText("Orvane");
  form.Paint2D(painter);
  EXPECT_EQ(painter.Take(),
            (Lines{"save", "clip 10,20,110,70", "text 'Orvane' at 42,48.6 FF000000 1", "restore"}));

  // Five lines overflow the 50-unit height above and below; the clip keeps them inside.
  text->SetText("Orvane\nhas\nrings\nand\nmoons");
  form.Paint2D(painter);
  const Lines lines = painter.Take();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[1], "clip 10,20,110,70");
  EXPECT_EQ(lines[2], "text 'Orvane' at 42,24.6 FF000000 1");
  EXPECT_EQ(lines.back(), "restore");
}

TEST_F(Shapes, EmptyTextDrawsNothing) {
  auto* text = new TText;
  form.AddChild(text);
  text->SetBounds(10, 20, 100, 50);
  auto* label = new TLabel;
  form.AddChild(label);
  label->SetBounds(10, 80, 100, 20);
  form.Paint2D(painter);
  EXPECT_EQ(painter.Starting("text"), Lines{});
  EXPECT_EQ(painter.Starting("clip"), Lines{});
}

}  // namespace
}  // namespace ui
