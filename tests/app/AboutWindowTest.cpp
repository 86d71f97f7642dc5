// The About window: its stored controls and how they look, the gradient behind them, the
// title's shadow, the fitted picture, the link that opens the product page with a hand pointer
// over it, and "OK", which hides the window and gives the keys back to the main window.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "support/FakePlatformWindow.h"
#include "support/RecordingPainter.h"
#include "ui/accessibility/AccessibleControls.h"
#include "ui/services/WebBrowser.h"

namespace app {
namespace {

using Lines = std::vector<std::string>;
using scene::mbLeft;
using scene::ssLeft;

class TRecordingBrowser : public ui::IWebBrowser {
 public:
  Lines Opened;
  void OpenPage(const std::string& address) override { Opened.push_back(address); }
};

// The About window alone, created as the application creates it (so it holds its real
// picture), with a browser that records the pages it is asked for.
struct AboutWindow : ::testing::Test {
  testing::TQuietPlatform Platform;
  std::optional<ui::TShell> Application{std::in_place, Platform};
  TRecordingBrowser Browser;
  scene::TServiceInstallation<ui::IWebBrowser> Pages{Browser};
  ui::testing::TRecordingPainter Painter;
  TForm1* form = nullptr;

  AboutWindow() {
    Application->RegisterWindow(Form1);
    Application->Run();
    form = Form1;
  }
  ~AboutWindow() override {
    Application.reset();
    Form1 = nullptr;
  }

  // The lines painted between the shadow's opening line (which `shadow` receives) and its end,
  // without their indentation, and the lines painted after it.
  void SplitAtTheShadow(const Lines& painted, std::string& shadow, Lines& cast, Lines& after) {
    auto it = painted.begin();
    while (it != painted.end() && it->rfind("shadow ", 0) != 0)
      ++it;
    ASSERT_NE(it, painted.end()) << "no shadow painted";
    shadow = *it++;
    for (; it != painted.end() && *it != "}"; ++it)
      cast.push_back(it->substr(2));
    ASSERT_NE(it, painted.end()) << "the shadow never ends";
    after.assign(it + 1, painted.end());
  }
};

TEST_F(AboutWindow, HoldsItsControlsInStoredOrderWithTheirPlacesTextsAndColours) {
  form->Paint2D(Painter);  // applies the styles
  std::vector<ui::TControl*> controls;
  for (scene::TSceneNode* child : form->Children())
    if (auto* c = dynamic_cast<ui::TControl*>(child)) controls.push_back(c);
  EXPECT_EQ(controls, (std::vector<ui::TControl*>{form->Image1, form->Label1, form->Label2,
                                                  form->Label3, form->SpeedButton1}));
  EXPECT_EQ(form->Image1->Name(), "Image1");
  EXPECT_EQ(form->Image1->AbsoluteRect(), (ui::TWindowRect{32, 32, 237, 167}));
  EXPECT_TRUE(form->Image1->HitTest());

  const struct {
    ui::TPresentedTextControl* control;
    const char* name;
    ui::TWindowRect rect;
    const char* text;
    float size;
    ui::TAlphaColor color;
    bool hitTest;
    ui::TCursorShape cursor;
  } rows[] = {
      {form->Label1,
       "Label1",
       {264, 32, 513, 73},
       "Moons of Orvane",
       26,
       0xFFADC5E7,
       false,
       ui::TCursorShape::Default},
      {form->Label2,
       "Label2",
       {264, 80, 441, 105},
       "Quorvex Com Ltd.",
       16,
       0xFFB8B7B7,
       false,
       ui::TCursorShape::Default},
      {form->Label3,
       "Label3",
       {264, 142, 497, 167},
       "orvane.example.org",
       16,
       0xFF6D90D0,
       true,
       ui::TCursorShape::Hand},
      {form->SpeedButton1,
       "SpeedButton1",
       {217, 194, 297, 227},
       "OK",
       16,
       0xFFB8B7B7,
       true,
       ui::TCursorShape::Default},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.control->Name(), row.name);
    EXPECT_EQ(row.control->AbsoluteRect(), row.rect);
    EXPECT_EQ(row.control->Text(), row.text);
    EXPECT_EQ(row.control->HitTest(), row.hitTest);
    EXPECT_EQ(row.control->Cursor(), row.cursor);
    // The family and style from the style (the platform's: the window has no style book), the
    // size and colour the control's own.
    EXPECT_EQ(row.control->StyledSettings(), ui::ssFamily | ui::ssStyle);
    ASSERT_NE(row.control->ResourceLink(), nullptr) << "no style applied";
    const ui::TTextSettings drawn = row.control->ResolvedTextSettings();
    EXPECT_EQ(drawn.Font.Family, "Segoe UI");
    EXPECT_EQ(drawn.Font.Size, row.size);
    EXPECT_EQ(drawn.FontColor, row.color);
  }
  EXPECT_EQ(form->SpeedButton1->ClassName(), "TSpeedButton");
  // "OK" holds the focus, so that a keyboard user can close the window.
  EXPECT_TRUE(form->SpeedButton1->CanFocus());
  EXPECT_EQ(form->Pointer().Focused(), form->SpeedButton1);

  ASSERT_EQ(form->ShadowEffect1->Parent(), form->Label1);
  EXPECT_EQ(form->ShadowEffect1->Name(), "ShadowEffect1");
  EXPECT_EQ(form->ShadowEffect1->Distance(), 2);
  EXPECT_EQ(form->ShadowEffect1->Direction(), 45);
  EXPECT_EQ(form->ShadowEffect1->Softness(), 0.1f);
  EXPECT_EQ(form->ShadowEffect1->Opacity(), 0.5f);
  EXPECT_EQ(form->ShadowEffect1->ShadowColor(), 0xFF00FFFFu);

  const ui::TFill& fill = form->Fill();
  EXPECT_EQ(fill.Kind, ui::TBrushKind::Gradient);
  EXPECT_EQ(fill.Gradient.Points,
            (std::vector<ui::TGradientPoint>{{0xFF244477, 0}, {0xFF14141E, 1}}));
  EXPECT_EQ(fill.Gradient.StartPosition, (ui::TPointF{0.5f, 0}));
  EXPECT_EQ(fill.Gradient.StopPosition, (ui::TPointF{0.5f, 1}));
}

TEST_F(AboutWindow, PaintsTheGradientThePictureTheShadowedTitleAndTheRestInThatOrder) {
  form->Paint2D(Painter);
  const Lines painted = Painter.Take();
  ASSERT_GE(painted.size(), 2u);
  // Without a frame the window's outer size is its client size.
  EXPECT_EQ(painted[0], "gradient 0,0,515,265 0.5,0->0.5,1 FF244477@0 FF14141E@1 1");
  // The 438 x 280 picture fitted into 205 x 135: 205 x 131, one unit below the box's top.
  EXPECT_EQ(painted[1], "bitmap x1 0,0,438,280 -> 32,33,237,164 1");

  std::string shadow;
  Lines cast, after;
  SplitAtTheShadow(painted, shadow, cast, after);
  // The title's rectangle grown by 2 on every side, moved by 2 units at 45 degrees.
  EXPECT_EQ(shadow, "shadow 262,30,515,75 +1.414,1.414 blur2 FF00FFFF 0.5 {");
  // The silhouette is the title as it is painted next, over the shadow.
  ASSERT_FALSE(cast.empty());
  ASSERT_GE(after.size(), cast.size());
  EXPECT_EQ(Lines(after.begin(), after.begin() + static_cast<long>(cast.size())), cast);
  EXPECT_EQ(Painter.Starting("text 'Moons of Orvane'").size(), 0u);
  Painter.Lines = cast;
  const Lines title = Painter.Starting("text 'Moons of Orvane'");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_NE(title[0].find("FFADC5E7 1"), std::string::npos) << title[0];

  // Then the maker, the link and the button's caption, each in its own colour.
  Painter.Lines = after;
  for (const char* text : {"text 'Quorvex Com Ltd.'", "text 'orvane.example.org'", "text 'OK'"})
    EXPECT_EQ(Painter.Starting(text).size(), 1u) << text;
  EXPECT_NE(Painter.Starting("text 'orvane.example.org'")[0].find("FF6D90D0"), std::string::npos);
  EXPECT_NE(Painter.Starting("text 'OK'")[0].find("FFB8B7B7"), std::string::npos);
}

TEST_F(AboutWindow, TheGradientSpansTheOuterHeightSoTheClientAreaEndsShortOfItsStop) {
  // A window system's frame: 3 units left, right and below, a caption of 26 above.
  ui::testing::TFakePlatformWindow window(*form);
  form->Paint2D(Painter);
  ASSERT_FALSE(Painter.Lines.empty());
  EXPECT_EQ(Painter.Lines[0], "gradient 0,0,521,294 0.5,0->0.5,1 FF244477@0 FF14141E@1 1");
  // The colours of the client area's top and bottom rows, at their middles.
  const ui::TGradient& gradient = form->Fill().Gradient;
  EXPECT_EQ(gradient.ColorAt(0.5f / 294), 0xFF244477u);
  EXPECT_EQ(gradient.ColorAt(264.5f / 294), 0xFF161927u);
  EXPECT_EQ(gradient.ColorAt(264.5f / 265), 0xFF14141Eu) << "the stop, without a frame";
}

TEST_F(AboutWindow, EachClickOnTheLinkOpensTheProductPageOnce) {
  form->Label3Click(*form->Label3);
  EXPECT_EQ(Browser.Opened, Lines{"https://orvane.example.org/"});
  // As a person clicks it: twice, two pages.
  for (int i = 0; i < 2; ++i) {
    form->MouseDown(mbLeft, ssLeft, 300, 150);
    form->MouseUp(mbLeft, 0, 300, 150, true);
  }
  EXPECT_EQ(Browser.Opened, Lines(3, "https://orvane.example.org/"));
  // The other texts take no clicks.
  form->MouseDown(mbLeft, ssLeft, 300, 90);
  form->MouseUp(mbLeft, 0, 300, 90, true);
  EXPECT_EQ(Browser.Opened.size(), 3u);
}

TEST_F(AboutWindow, ThePointerIsAHandOverTheLinkOnly) {
  const struct {
    float x, y;
    ui::TCursorShape cursor;
  } moves[] = {
      {300, 150, ui::TCursorShape::Hand},    {300, 90, ui::TCursorShape::Default},
      {497, 167, ui::TCursorShape::Hand},    {498, 150, ui::TCursorShape::Default},
      {250, 210, ui::TCursorShape::Default}, {10, 250, ui::TCursorShape::Default},
  };
  for (const auto& m : moves) {
    form->MouseMove(0, m.x, m.y);
    EXPECT_EQ(form->PointerCursor(), m.cursor) << m.x << "," << m.y;
  }
}

// A screen reader reads the title, the maker, the link and "OK", which holds the focus.
TEST_F(AboutWindow, AScreenReaderReadsItsTextsAndOk) {
  std::vector<std::string> read;
  for (ui::TControl* control : ui::AccessibleControls(*form)) {
    const std::optional<ui::TAccessibleInfo> info = ui::AccessibleInfoOf(*control);
    ASSERT_TRUE(info);
    read.push_back((info->Role == ui::TAccessibleRole::Button ? "button " : "text ") + info->Name +
                   (info->Focused ? " (focused)" : ""));
  }
  EXPECT_EQ(read, (Lines{"text Moons of Orvane", "text Quorvex Com Ltd.",
                         std::string("text ") + ProductPageText, "button OK (focused)"}));
}

// Both windows, each with a native window that writes what it is asked into one log.
struct AboutOverTheMainWindow : testing::TMainWindowFixture {
  class TLoggedWindow : public ui::testing::TFakePlatformWindow {
   public:
    TLoggedWindow(ui::TFormBase& form, Lines& log, std::string who)
        : TFakePlatformWindow(form), FLog(log), FWho(std::move(who)) {}
    void HideNative() override {
      TFakePlatformWindow::HideNative();
      FLog.push_back(FWho + " hides");
    }
    void Activate() override {
      TFakePlatformWindow::Activate();
      FLog.push_back(FWho + " becomes active");
    }

   private:
    Lines& FLog;
    std::string FWho;
  };

  Lines Log;
  std::optional<TLoggedWindow> Main, About;

  AboutOverTheMainWindow() {
    Main.emplace(*Form2, Log, "main");
    Main->Shown = true;
    About.emplace(*Form1, Log, "about");
    form->MenuItem6Click(*form->MenuItem6);
    Form1->Show();  // what the platform does with the window the menu shows
    Log.clear();
  }
  ~AboutOverTheMainWindow() override {
    About.reset();
    Main.reset();
  }
};

TEST_F(AboutOverTheMainWindow, OkHidesTheAboutWindowThenMakesTheMainWindowActive) {
  ASSERT_TRUE(Form1->Visible());
  ASSERT_EQ(Platform.Shown.back(), Form1);
  Form1->SpeedButton1Click(*Form1->SpeedButton1);
  EXPECT_EQ(Log, (Lines{"about hides", "main becomes active"}));
  EXPECT_FALSE(Form1->Visible());
  EXPECT_TRUE(Form2->Visible());

  // Shown again, the same window; "OK" clicked as a person clicks it.
  Form1->Show();
  Log.clear();
  Form1->MouseDown(mbLeft, ssLeft, 257, 210);
  Form1->MouseUp(mbLeft, 0, 257, 210, true);
  EXPECT_EQ(Log, (Lines{"about hides", "main becomes active"}));
}

// A keyboard user closes the window as "OK" does: Enter or Space (on "OK", which holds the
// focus) and Escape; keys with Ctrl or Alt do nothing.
TEST_F(AboutOverTheMainWindow, EnterSpaceAndEscapeCloseItAsOkDoes) {
  const struct {
    const char* name;
    ui::TKeyCode key;
    char32_t keyChar;
    scene::TShiftState shift;
    bool closes;
  } keys[] = {
      {"Escape", ui::vkEscape, 0x1B, 0, true},
      {"Enter", ui::vkReturn, U'\r', 0, true},
      {"Space", ui::vkSpace, U' ', 0, true},
      {"Ctrl+Escape", ui::vkEscape, 0x1B, scene::ssCtrl, false},
      {"Alt+Enter", ui::vkReturn, U'\r', scene::ssAlt, false},
      {"a letter", 'A', U'a', 0, false},
  };
  for (const auto& k : keys) {
    Form1->Show();
    Log.clear();
    Form1->KeyDown(k.key, k.keyChar, k.shift);
    EXPECT_EQ(!Form1->Visible(), k.closes) << k.name;
    if (k.closes) {
      EXPECT_EQ(Log, (Lines{"about hides", "main becomes active"})) << k.name;
    }
  }
}

}  // namespace
}  // namespace app
