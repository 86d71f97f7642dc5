// A shadow effect under its control: the area and offset of the shadow it casts, its limits,
// and that it is painted first, as a silhouette of everything the control draws.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/RecordingPainter.h"
#include "ui/controls/Text.h"
#include "ui/window/Form.h"
#include "ui/window/ShadowEffect.h"

namespace ui {
namespace {

using Lines = std::vector<std::string>;

// A text of 249 x 41 at (264, 32) with a shadow effect, in a window of 515 x 265.
struct Shadow : ::testing::Test {
  TFormBase form;
  TText* text = new TText;
  TShadowEffect* shadow = new TShadowEffect;
  testing::TRecordingPainter painter;

  Shadow() {
    form.AddChild(text);
    form.ClientResized(515, 265);
    text->SetBounds(264, 32, 249, 41);
    text->SetText("Title");
    text->AddChild(shadow);
  }

  std::string Cast() {
    const TShadow s = shadow->ShadowOf(*text);
    return testing::Rect(s.Area) + " +" + testing::Num(s.Offset.X) + "," +
           testing::Num(s.Offset.Y) + " blur" + testing::Num(s.BlurRadius) + " " +
           testing::Color(s.Color) + " " + testing::Num(s.Opacity);
  }
};

TEST_F(Shadow, GrowsTheControlsRectangleBySoftnessAndMovesItByDistanceInTheDirection) {
  const struct {
    const char* name;
    std::function<void()> set;
    const char* expected;
  } cases[] = {
      {"the About title's",
       [&] {
         shadow->SetDistance(2);
         shadow->SetDirection(45);
         shadow->SetSoftness(0.1f);
         shadow->SetOpacity(0.5f);
         shadow->SetShadowColor(0xFF00FFFF);
       },
       "262,30,515,75 +1.414,1.414 blur2 FF00FFFF 0.5"},
      {"straight down, sharp",
       [&] {
         shadow->SetDirection(90);
         shadow->SetDistance(4);
         shadow->SetSoftness(0);
       },
       "264,32,513,73 +0,4 blur0 FF00FFFF 0.5"},
      // 0.15 x 20 is 3.0000001 in single precision: truncated to 3.
      {"to the left, softer",
       [&] {
         shadow->SetDirection(180);
         shadow->SetSoftness(0.15f);
       },
       "261,29,516,76 +-4,0 blur3 FF00FFFF 0.5"},
      {"softness at most 3", [&] { shadow->SetSoftness(7); },
       "204,-28,573,133 +-4,0 blur60 FF00FFFF 0.5"},
      {"softness at least 0", [&] { shadow->SetSoftness(-1); },
       "264,32,513,73 +-4,0 blur0 FF00FFFF 0.5"},
      {"opacity at most 1", [&] { shadow->SetOpacity(2); }, "264,32,513,73 +-4,0 blur0 FF00FFFF 1"},
      {"with the control's opacity",
       [&] {
         shadow->SetOpacity(0.5f);
         text->SetOpacity(0.5f);
       },
       "264,32,513,73 +-4,0 blur0 FF00FFFF 0.25"},
      {"opacity at least 0", [&] { shadow->SetOpacity(-1); },
       "264,32,513,73 +-4,0 blur0 FF00FFFF 0"},
  };
  for (const auto& c : cases) {
    c.set();
    EXPECT_EQ(Cast(), c.expected) << c.name;
  }
}

TEST_F(Shadow, IsPaintedFirstAsTheSilhouetteOfTheControlAndItsChildren) {
  auto* inner = new TText;
  text->AddChild(inner);
  inner->SetBounds(0, 0, 20, 20);
  inner->SetText("x");
  form.Paint2D(painter);
  // Each text centred both ways in its box (the painter's letters are 6 wide, 12 high).
  const Lines own = {
      "save", "clip 264,32,513,73", "text 'Title' at 373.5,56.1 FF000000 1", "restore",
      "save", "clip 264,32,284,52", "text 'x' at 271,45.6 FF000000 1",       "restore",
  };
  Lines expected = {"shadow 260,28,517,77 +1.414,1.414 blur4 FF000000 0.5 {"};
  for (const std::string& line : own)
    expected.push_back("  " + line);
  expected.push_back("}");
  expected.insert(expected.end(), own.begin(), own.end());
  EXPECT_EQ(painter.Lines, expected);

  shadow->SetEnabled(false);
  painter.Lines.clear();
  form.Paint2D(painter);
  EXPECT_EQ(painter.Lines, own) << "a disabled effect casts nothing";
  shadow->SetEnabled(true);
  text->SetVisible(false);
  painter.Lines.clear();
  form.Paint2D(painter);
  EXPECT_EQ(painter.Lines, Lines{}) << "nor does a hidden control";
}

}  // namespace
}  // namespace ui
