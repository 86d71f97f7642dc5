// Which style element draws a control: default names, the style book entry in use, the order
// the lookup tries, and how the applied copy sits in the control.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/PanelElement.h"
#include "support/RecordingPainter.h"
#include "ui/controls/Shapes.h"
#include "ui/style/PlatformStyle.h"
#include "ui/style/StyleBook.h"
#include "ui/style/StyleLookup.h"
#include "ui/style/TextControls.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

using Lines = std::vector<std::string>;

// Every test starts and ends in the default environment (Linux, "Windows 8 Desktop").
struct Styles : ::testing::Test {
  Styles() { SetStyleEnvironment({}); }
  ~Styles() override { SetStyleEnvironment({}); }
};

// A rectangle element of one fill colour, which tells which element was applied. It takes the
// pointer (HitTest stays on), so only the copy's lock keeps it from doing so.
TStyle::TElementMaker Marked(scene::TAlphaColor fill) {
  return [fill] {
    auto* r = new TRectangle;
    r->SetFillColor(fill);
    r->SetStrokeKind(TBrushKind::None);
    return r;
  };
}

using TElements = std::vector<std::pair<std::string, scene::TAlphaColor>>;

// A book with one entry, for platform `platform`, holding the given elements.
void AddEntry(TStyleBook& book, std::string platform, TElements elements) {
  book.AddStyle(std::move(platform), [elements] {
    auto style = std::make_unique<TStyle>();
    for (const auto& [name, fill] : elements)
      style->AddElement(name, Marked(fill));
    return style;
  });
}

// The fill colour of the element applied to `control`, 0 when none is.
scene::TAlphaColor AppliedFill(TStyledControl& control) {
  control.ApplyStyleLookup();
  auto* r = dynamic_cast<TRectangle*>(control.ResourceLink());
  return r ? r->FillColor() : 0;
}

// A panel class of its own, drawn by "StarPanelstyle", else by its parent class's element.
class TStarPanel : public TPanel {
 public:
  std::string_view ClassName() const override { return "TStarPanel"; }
  std::string_view ParentClassName() const override { return Parent; }
  std::string Parent = "TPanel";
};

TStarPanel* MakeStarPanel(std::string parentClass) {
  auto* panel = new TStarPanel;
  panel->Parent = std::move(parentClass);
  return panel;
}

TEST(StyleNames, DefaultNamesComeFromClassNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"TPanel", "Panelstyle"},
      {"TButton", "Buttonstyle"},
      {"TSpeedButton", "SpeedButtonstyle"},
      {"TLabel", "Labelstyle"},
      {"TCustomButton", "Buttonstyle"},
      {"TCustomSpeedButton", "SpeedButtonstyle"},
  };
  for (const auto& [className, expected] : cases)
    EXPECT_EQ(DefaultStyleName(className), expected) << className;
}

TEST_F(Styles, TheBookChoosesTheEntryForThePlatform) {
  const struct {
    const char* name;
    const char* platform;
    const char* title;
    std::vector<std::string> entries;
    bool useStyleManager;
    int expected;
  } cases[] = {
      {"the platform style's title",
       "Linux",
       "Windows 8 Desktop",
       {"", "Windows 8 Desktop", "AndroidL Light"},
       false,
       1},
      {"the style manager takes entry 0 over the title",
       "Linux",
       "Windows 8 Desktop",
       {"", "Windows 8 Desktop", "AndroidL Light"},
       true,
       0},
      {"the platform name wins over the title, case ignored",
       "Windows",
       "Windows 8 Desktop",
       {"", "Windows 8 Desktop", "windows"},
       false,
       2},
      {"the platform name wins over the style manager",
       "Linux",
       "Windows 8 Desktop",
       {"", "Windows 8 Desktop", "LINUX"},
       true,
       2},
      {"the first of two entries for the title",
       "Linux",
       "Windows 8 Desktop",
       {"AndroidL Light", "Windows 8 Desktop", "Windows 8 Desktop"},
       false,
       1},
      {"the title's case must match",
       "Linux",
       "windows 8 desktop",
       {"", "Windows 8 Desktop"},
       false,
       0},
      {"no entry matches",
       "Linux",
       "Windows 10 Desktop",
       {"", "Windows 8 Desktop", "AndroidL Light"},
       false,
       0},
      {"an empty book", "Linux", "Windows 8 Desktop", {}, false, 0},
  };
  for (const auto& c : cases) {
    SetStyleEnvironment({c.platform, c.title});
    TStyleBook book;
    for (const std::string& entry : c.entries)
      book.AddStyle(entry, nullptr);
    book.SetUseStyleManager(c.useStyleManager);
    book.ChooseCurrent();
    EXPECT_EQ(book.CurrentIndex(), c.expected) << c.name;
    EXPECT_EQ(book.CurrentStyle() != nullptr, !c.entries.empty()) << c.name;
  }
}

TEST_F(Styles, WithoutAMatchTheBookKeepsItsEntry) {
  TStyleBook book;
  for (const char* entry : {"", "Windows 8 Desktop"})
    book.AddStyle(entry, nullptr);
  book.ChooseCurrent();
  ASSERT_EQ(book.CurrentIndex(), 1);
  SetStyleEnvironment({"Linux", "Windows 10 Desktop"});
  book.ChooseCurrent();
  EXPECT_EQ(book.CurrentIndex(), 1);
}

// The lookup's order. The window's book, a second book (only in the pool) and the platform
// style ("panelstyle" F0F0F0) each hold a few elements; the first hit wins.
TEST_F(Styles, TheLookupTakesTheFirstElementInItsOrder) {
  constexpr scene::TAlphaColor book = 0xFF0000B0, pool = 0xFF0000C0, platform = 0xFFF0F0F0;
  const struct {
    const char* name;
    const char* lookup;
    const char* parent;  // the parent class of a star panel; null for a plain panel
    TElements inBook, inPool;
    scene::TAlphaColor expected;  // 0: no element
  } cases[] = {
      {"the lookup in the book", "Glow", nullptr, {{"Glow", book}}, {{"Glow", pool}}, book},
      {"the lookup, case ignored", "GLOW", nullptr, {{"glow", book}}, {}, book},
      {"the lookup in the platform style before the pool",
       "panelstyle",
       nullptr,
       {},
       {{"panelstyle", pool}},
       platform},
      {"the lookup in the pool before the default name",
       "Glow",
       nullptr,
       {{"Panelstyle", book}},
       {{"Glow", pool}},
       pool},
      {"the default name in the book before the platform style",
       "",
       nullptr,
       {{"Panelstyle", book}},
       {},
       book},
      {"an unknown lookup falls back on the default name",
       "Missing",
       nullptr,
       {{"Panelstyle", book}},
       {{"Panelstyle", pool}},
       book},
      {"the default name in the platform style", "", nullptr, {}, {{"Panelstyle", pool}}, platform},
      {"the default name before the parent class's",
       "",
       "TPanel",
       {{"Panelstyle", book}, {"StarPanelstyle", book + 1}},
       {},
       book + 1},
      {"the parent class's name in the book", "", "TPanel", {{"Panelstyle", book}}, {}, book},
      {"the parent class's name in the platform style", "", "TPanel", {}, {}, platform},
      {"found nowhere", "", "TCustomStar", {{"Panelstyle", book}}, {{"StarPanelstyle", pool}}, 0},
  };
  for (const auto& c : cases) {
    TFormBase form;
    auto* styleBook = new TStyleBook;
    AddEntry(*styleBook, "", c.inBook);
    form.AddChild(styleBook);
    form.SetStyleBook(styleBook);
    TStyleBook other;
    AddEntry(other, "", c.inPool);
    TStyledControl* control = c.parent ? MakeStarPanel(c.parent) : new TPanel;
    form.AddChild(control);
    control->SetStyleLookup(c.lookup);
    EXPECT_EQ(AppliedFill(*control), c.expected) << c.name;
  }
}

TEST_F(Styles, AControlNamedAsItsLookupGetsNoElement) {
  TFormBase form;
  auto* book = new TStyleBook;
  AddEntry(*book, "", {{"Glow", 0xFF0000B0}, {"Panelstyle", 0xFF0000B1}});
  form.AddChild(book);
  form.SetStyleBook(book);
  auto* panel = new TPanel;
  form.AddChild(panel);
  panel->SetStyleName("Glow");
  panel->SetStyleLookup("Glow");
  EXPECT_EQ(AppliedFill(*panel), 0u);
}

// A window of 400 x 300 with a panel at (40, 40) of 145 x 353 that holds a button; the book
// draws the panel with a rectangle stored centred at its own size, which takes the pointer
// unless locked and holds a rectangle that would too.
struct AppliedCopy : Styles {
  TFormBase form;
  TStyleBook* book = new TStyleBook;
  TPanel* panel = new TPanel;
  TButton* button = new TButton;
  testing::TRecordingPainter painter;
  Lines log;

  AppliedCopy() {
    book->AddStyle("", [] {
      auto style = std::make_unique<TStyle>();
      style->AddElement("Panel1Style1", [] {
        // With a part inside that would take the pointer if the copy were not locked.
        TRectangle* r = testing::MakeRoundedPanelElement();
        r->SetHitTest(true);
        auto* inner = new TRectangle;
        inner->SetBounds(10, 10, 20, 20);
        r->AddChild(inner);
        return r;
      });
      style->AddElement("Halo", Marked(0xFF0000B0));
      return style;
    });
    form.AddChild(book);
    form.SetStyleBook(book);
    form.AddChild(panel);
    form.ClientResized(400, 300);
    panel->SetBounds(40, 40, 145, 353);
    panel->AddChild(button);
    button->SetBounds(32, 24, 80, 26);
    panel->SetStyleLookup("Panel1Style1");
    panel->OnMouseDown = [this](scene::TSceneNode&, TMouseButton, TShiftState, float x, float y) {
      log.push_back("panel down " + testing::Num(x) + "," + testing::Num(y));
    };
  }
};

TEST_F(AppliedCopy, IsTheFirstChildAndFillsTheControl) {
  form.Paint2D(painter);
  TControl* copy = panel->ResourceLink();
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(panel->ChildCount(), 2);
  EXPECT_EQ(panel->Children()[0], copy);
  EXPECT_EQ(panel->Children()[1], button);
  EXPECT_TRUE(copy->Locked());
  EXPECT_EQ(copy->Align(), TControlAlign::Contents);
  EXPECT_EQ(copy->AbsoluteRect(), (TWindowRect{40, 40, 185, 393}));
  // Drawn below the panel's own children.
  EXPECT_EQ(painter.Lines.front(), "fill 40,40,185,393 r8 FF35356F 1");

  panel->SetSize(100, 200);
  EXPECT_EQ(copy->AbsoluteRect(), (TWindowRect{40, 40, 140, 240}));
}

TEST_F(AppliedCopy, NeverTakesThePointer) {
  form.Paint2D(painter);
  TControl* copy = panel->ResourceLink();
  ASSERT_NE(copy, nullptr);
  for (TPointF p : {TPointF{41, 41}, TPointF{55, 55}, TPointF{100, 300}})
    EXPECT_EQ(form.Pointer().ObjectAtPoint(p), panel) << p.X << "," << p.Y;
  EXPECT_EQ(form.Pointer().ObjectAtPoint({80, 70}), button);

  form.MouseDown(scene::mbLeft, scene::ssLeft, 55, 55);
  form.MouseUp(scene::mbLeft, 0, 55, 55, true);
  EXPECT_EQ(log, (Lines{"panel down 15,15"}));
}

TEST_F(AppliedCopy, AChangedLookupBringsAFreshCopy) {
  form.Paint2D(painter);
  ASSERT_NE(panel->ResourceLink(), nullptr);
  panel->SetStyleLookup("Halo");
  painter.Take();
  form.Paint2D(painter);
  auto* copy = dynamic_cast<TRectangle*>(panel->ResourceLink());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->FillColor(), 0xFF0000B0u);
  EXPECT_EQ(panel->ChildCount(), 2);
  EXPECT_EQ(panel->Children()[0], copy);
  EXPECT_EQ(painter.Lines.front(), "fill 40,40,185,393 r0 FF0000B0 1");
}

TEST_F(AppliedCopy, AnotherPlatformStyleBringsAFreshCopy) {
  panel->SetStyleLookup("");  // the platform's "panelstyle"
  form.Paint2D(painter);
  EXPECT_EQ(painter.Starting("stroke"), (Lines{"stroke 40.5,40.5,184.5,392.5 r0 w1 FF979797 1"}));
  SetStyleEnvironment({"Linux", "Windows 7"});
  painter.Take();
  form.Paint2D(painter);
  EXPECT_EQ(painter.Starting("fill"), (Lines{"fill 40.5,40.5,184.5,392.5 r0 FFF4F4F4 1"}));
  EXPECT_EQ(panel->ChildCount(), 2);
}

TEST_F(Styles, WithoutAnElementAControlPaintsOnlyItsChildren) {
  TFormBase form;
  auto* panel = MakeStarPanel("TCustomStar");
  form.AddChild(panel);
  panel->SetBounds(10, 10, 100, 100);
  auto* child = new TRectangle;
  panel->AddChild(child);
  child->SetBounds(5, 5, 20, 20);
  child->SetStrokeKind(TBrushKind::None);
  testing::TRecordingPainter painter;
  form.Paint2D(painter);
  EXPECT_EQ(panel->ResourceLink(), nullptr);
  EXPECT_EQ(panel->ChildCount(), 1);
  EXPECT_EQ(painter.Lines, (Lines{"fill 15,15,35,35 r0 FFE0E0E0 1"}));
}

}  // namespace
}  // namespace ui
