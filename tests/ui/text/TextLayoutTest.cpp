// Laying out text in a box with fixed metrics: a 10-unit font, so every code point is 5 units
// wide, lines are 10 apart and the baseline lies 8 below a line's top.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RecordingPainter.h"
#include "ui/text/TextLayout.h"

namespace ui {
namespace {

using Lines = std::vector<std::string>;

TTextSettings Settings(bool wrap, TTextTrimming trimming = TTextTrimming::None,
                       TTextAlign horz = TTextAlign::Leading,
                       TTextAlign vert = TTextAlign::Leading) {
  TTextSettings s;
  s.Font.Size = 10;
  s.WordWrap = wrap;
  s.Trimming = trimming;
  s.HorzAlign = horz;
  s.VertAlign = vert;
  return s;
}

TTextLayout LayOut(std::string_view text, const TTextSettings& settings, float width,
                   float height) {
  testing::TFixedMeasure measure;
  return LayOutText(text, settings, width, height, measure);
}

Lines TextsOf(const TTextLayout& layout) {
  Lines texts;
  for (const TTextLine& line : layout.Lines)
    texts.push_back(line.Text);
  return texts;
}

// Whether `s` is well-formed UTF-8: each lead byte followed by exactly its continuation bytes.
bool IsWholeUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const size_t length = lead < 0x80    ? 1
                          : lead >= 0xF0 ? 4
                          : lead >= 0xE0 ? 3
                          : lead >= 0xC0 ? 2
                                         : 0;
    if (length == 0 || i + length > s.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

TEST(TextLayout, WrapsAtTheLastSpaceThatLetsTheLineFit) {
  const struct {
    const char* text;
    float width;
    Lines expected;
  } cases[] = {
      {"Orvane has rings", 50, {"Orvane has", "rings"}},  // "Orvane has" is exactly 50
      {"Orvane has rings", 45, {"Orvane", "has rings"}},
      {"Mimas Enceladus Tethys", 60, {"Mimas", "Enceladus", "Tethys"}},
      {"Mimas   Tethys", 40, {"Mimas", "Tethys"}},  // the spaces at the break go
      {"Orvane has rings", 200, {"Orvane has rings"}},
  };
  for (const auto& c : cases) {
    const TTextLayout layout = LayOut(c.text, Settings(true), c.width, 100);
    EXPECT_EQ(TextsOf(layout), c.expected) << c.text << " in " << c.width;
  }
}

TEST(TextLayout, AWordWiderThanTheBoxBreaksBetweenCharacters) {
  const struct {
    const char* text;
    float width;
    Lines expected;
  } cases[] = {
      {"Hyperion", 15, {"Hyp", "eri", "on"}},
      {"a Hyperion", 15, {"a", "Hyp", "eri", "on"}},
      {"Rhea Hyperion Titan", 30, {"Rhea", "Hyperi", "on", "Titan"}},
  };
  for (const auto& c : cases) {
    const TTextLayout layout = LayOut(c.text, Settings(true), c.width, 100);
    EXPECT_EQ(TextsOf(layout), c.expected) << c.text << " in " << c.width;
    for (const TTextLine& line : layout.Lines)
      EXPECT_LE(line.Width, c.width) << "'" << line.Text << "' of " << c.text;
  }
}

TEST(TextLayout, LineFeedsStartNewLinesWithOrWithoutAReturnBeforeThem) {
  const struct {
    const char* text;
    bool wrap;
    Lines expected;
  } cases[] = {
      {"Titan\nRhea", false, {"Titan", "Rhea"}},
      {"Titan\r\nRhea", false, {"Titan", "Rhea"}},
      {"Titan\r\nRhea", true, {"Titan", "Rhea"}},
      {"Titan\n\nRhea", false, {"Titan", "", "Rhea"}},
      {"Titan\n", false, {"Titan", ""}},
      {"Titan is big\r\nRhea", true, {"Titan is", "big", "Rhea"}},
  };
  for (const auto& c : cases) {
    const TTextLayout layout = LayOut(c.text, Settings(c.wrap), 40, 100);
    EXPECT_EQ(TextsOf(layout), c.expected) << ::testing::PrintToString(std::string(c.text));
    for (const TTextLine& line : layout.Lines)
      EXPECT_EQ(line.Text.find('\r'), std::string::npos);
  }
}

TEST(TextLayout, TheLastLineThatFitsTheHeightEndsWithAnEllipsis) {
  const struct {
    const char* name;
    const char* text;
    bool wrap;
    TTextTrimming trimming;
    float width, height;
    Lines expected;
  } cases[] = {
      {"room for the mark",
       "one\ntwo\nthree",
       false,
       TTextTrimming::Character,
       100,
       25,
       {"one", "two\u2026"}},
      {"room for the mark, word",
       "one\ntwo\nthree",
       false,
       TTextTrimming::Word,
       100,
       25,
       {"one", "two\u2026"}},
      {"no trimming keeps every line",
       "one\ntwo\nthree",
       false,
       TTextTrimming::None,
       100,
       25,
       {"one", "two", "three"}},
      {"the mark replaces a character",
       "one\ntwo\nthree",
       false,
       TTextTrimming::Character,
       15,
       25,
       {"one", "tw\u2026"}},
      {"character cut of a full line",
       "Rhea Titan\nIapetus",
       false,
       TTextTrimming::Character,
       50,
       10,
       {"Rhea Tita\u2026"}},
      {"word cut of a full line",
       "Rhea Titan\nIapetus",
       false,
       TTextTrimming::Word,
       50,
       10,
       {"Rhea\u2026"}},
      {"wrapped lines",
       "Orvane has rings and moons",
       true,
       TTextTrimming::Character,
       50,
       20,
       {"Orvane has", "rings and\u2026"}},
      {"wrapped lines, no trimming",
       "Orvane has rings and moons",
       true,
       TTextTrimming::None,
       50,
       20,
       {"Orvane has", "rings and", "moons"}},
  };
  for (const auto& c : cases) {
    const TTextLayout layout = LayOut(c.text, Settings(c.wrap, c.trimming), c.width, c.height);
    EXPECT_EQ(TextsOf(layout), c.expected) << c.name;
    if (c.trimming == TTextTrimming::None) continue;
    for (const TTextLine& line : layout.Lines)
      EXPECT_LE(line.Width, c.width) << c.name << ": " << line.Text;
  }
}

TEST(TextLayout, ALineWiderThanTheBoxIsCutAtACharacterOrAWord) {
  const struct {
    const char* text;
    TTextTrimming trimming;
    Lines expected;
  } cases[] = {
      {"Mimas Enceladus", TTextTrimming::Character, {"Mimas Enc\u2026"}},
      {"Mimas Enceladus", TTextTrimming::Word, {"Mimas\u2026"}},
      {"Mimas Enceladus", TTextTrimming::None, {"Mimas Enceladus"}},
      // No word boundary before the cut: the word is cut at a character.
      {"Hyperionic Titan", TTextTrimming::Word, {"Hyperioni\u2026"}},
      // The cut falls at the end of a word: that word stays.
      {"Enceladus Rhea", TTextTrimming::Word, {"Enceladus\u2026"}},
      // Spaces before the mark go.
      {"Titan    Rhea", TTextTrimming::Character, {"Titan\u2026"}},
      // A line that fits is left alone.
      {"Mimas Rhea", TTextTrimming::Character, {"Mimas Rhea"}},
  };
  for (const auto& c : cases) {
    const TTextLayout layout = LayOut(c.text, Settings(false, c.trimming), 50, 100);
    EXPECT_EQ(TextsOf(layout), c.expected) << c.text;
  }
}

TEST(TextLayout, PlacesLinesAndTheBlockByTheAlignments) {
  // "Rhea" is 20 wide and "Titan" 25; two lines are 20 high, in a box of 100 x 50.
  const struct {
    TTextAlign horz, vert;
    std::vector<float> lefts;
    std::vector<float> baselines;
  } cases[] = {
      {TTextAlign::Leading, TTextAlign::Leading, {0, 0}, {8, 18}},
      {TTextAlign::Center, TTextAlign::Center, {40, 37.5f}, {23, 33}},
      {TTextAlign::Trailing, TTextAlign::Trailing, {80, 75}, {38, 48}},
      {TTextAlign::Trailing, TTextAlign::Leading, {80, 75}, {8, 18}},
      {TTextAlign::Leading, TTextAlign::Trailing, {0, 0}, {38, 48}},
  };
  for (const auto& c : cases) {
    const TTextLayout layout =
        LayOut("Rhea\nTitan", Settings(false, TTextTrimming::None, c.horz, c.vert), 100, 50);
    ASSERT_EQ(layout.Lines.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_FLOAT_EQ(layout.Lines[i].Left, c.lefts[i])
          << "line " << i << " horz " << static_cast<int>(c.horz);
      EXPECT_FLOAT_EQ(layout.Lines[i].Baseline, c.baselines[i])
          << "line " << i << " vert " << static_cast<int>(c.vert);
      EXPECT_FLOAT_EQ(layout.Lines[i].Width, i == 0 ? 20 : 25);
    }
  }
}

TEST(TextLayout, EmptyTextHasNoLines) {
  for (TTextTrimming trimming :
       {TTextTrimming::None, TTextTrimming::Character, TTextTrimming::Word})
    for (bool wrap : {false, true})
      EXPECT_TRUE(LayOut("", Settings(wrap, trimming), 100, 50).Lines.empty());
}

TEST(TextLayout, TinyBoxesKeepAtLeastOneLine) {
  const struct {
    const char* name;
    const char* text;
    bool wrap;
    TTextTrimming trimming;
    float width, height;
    Lines expected;
  } cases[] = {
      // Not one character fits: each line takes one anyway.
      {"width 0, wrapped", "Rhea", true, TTextTrimming::None, 0, 100, {"R", "h", "e", "a"}},
      // Not even the ellipsis fits: the one line kept is empty.
      {"width 0, trimmed", "Rhea", false, TTextTrimming::Character, 0, 100, {""}},
      {"nothing at all, trimmed", "Rhea Titan", true, TTextTrimming::Word, 0, 0, {""}},
      {"height 0, trimmed", "one\ntwo", false, TTextTrimming::Character, 100, 0, {"one\u2026"}},
      {"height 0, not trimmed", "one\ntwo", false, TTextTrimming::None, 100, 0, {"one", "two"}},
      {"one unit high", "one\ntwo", false, TTextTrimming::Word, 100, 1, {"one\u2026"}},
      {"one unit high, wrapped",
       "Orvane has rings",
       true,
       TTextTrimming::Character,
       30,
       1,
       {"Orvan\u2026"}},
      {"negative box", "Rhea", false, TTextTrimming::Character, -10, -10, {""}},
  };
  for (const auto& c : cases) {
    const TTextLayout layout = LayOut(c.text, Settings(c.wrap, c.trimming), c.width, c.height);
    EXPECT_EQ(TextsOf(layout), c.expected) << c.name;
  }
}

TEST(TextLayout, NeverSplitsACodePoint) {
  // "×" and "³" are two bytes, "…" three; each counts as one character.
  const struct {
    const char* name;
    const char* text;
    bool wrap;
    TTextTrimming trimming;
    float width;
    Lines expected;
  } cases[] = {
      {"wrapped signs",
       "\u00d7\u00d7\u00d7\u00d7\u00d7",
       true,
       TTextTrimming::None,
       10,
       {"\u00d7\u00d7", "\u00d7\u00d7", "\u00d7"}},
      {"wrapped ellipses",
       "\u2026\u2026\u2026",
       true,
       TTextTrimming::None,
       10,
       {"\u2026\u2026", "\u2026"}},
      {"wrapped mixed",
       "3\u00d710\u00b3 km",
       true,
       TTextTrimming::None,
       15,
       {"3\u00d71", "0\u00b3", "km"}},
      {"trimmed", "a\u00b3b\u00b3c\u00b3", false, TTextTrimming::Character, 15, {"a\u00b3\u2026"}},
      {"trimmed after a sign",
       "\u00d7\u00b3\u00d7\u00b3",
       false,
       TTextTrimming::Word,
       10,
       {"\u00d7\u2026"}},
  };
  for (const auto& c : cases) {
    const TTextLayout layout = LayOut(c.text, Settings(c.wrap, c.trimming), c.width, 100);
    EXPECT_EQ(TextsOf(layout), c.expected) << c.name;
    for (const TTextLine& line : layout.Lines) {
      EXPECT_TRUE(IsWholeUtf8(line.Text)) << c.name;
      EXPECT_LE(line.Width, c.width) << c.name;
    }
  }
}

}  // namespace
}  // namespace ui
