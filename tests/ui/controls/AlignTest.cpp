// Placing aligned controls in their parent.
#include <gtest/gtest.h>

#include "ui/controls/Shapes.h"

namespace ui {
namespace {

TControl* AddAligned(TControl& parent, TControlAlign align, float width, float height,
                     TMargins margins = {}) {
  auto* c = new TLayout;
  c->SetSize(width, height);
  c->SetMargins(margins);
  parent.AddChild(c);
  c->SetAlign(align);
  return c;
}

TWindowRect Bounds(const TControl& c) {
  return {c.Position().X, c.Position().Y, c.Position().X + c.Width(), c.Position().Y + c.Height()};
}

// A parent of 200 x 100 with, in child order: two Top strips (20 high with margins of 5, then
// 10 high), a Left strip 30 wide with a left margin of 2, a Client with margins of 1 and a
// Contents.
struct Aligned : ::testing::Test {
  TLayout parent;
  TControl* top1 = AddAligned(parent, TControlAlign::Top, 50, 20, {5, 5, 5, 5});
  TControl* top2 = AddAligned(parent, TControlAlign::Top, 50, 10);
  TControl* left = AddAligned(parent, TControlAlign::Left, 30, 50, {2, 0, 0, 0});
  TControl* client = AddAligned(parent, TControlAlign::Client, 10, 10, {1, 1, 1, 1});
  TControl* contents = AddAligned(parent, TControlAlign::Contents, 10, 10);

  Aligned() { parent.SetSize(200, 100); }
};

TEST_F(Aligned, EdgesStackInChildOrderAndTheClientTakesTheRest) {
  EXPECT_EQ(Bounds(*top1), (TWindowRect{5, 5, 195, 25}));
  EXPECT_EQ(Bounds(*top2), (TWindowRect{0, 30, 200, 40}));
  EXPECT_EQ(Bounds(*left), (TWindowRect{2, 40, 32, 100}));
  EXPECT_EQ(Bounds(*client), (TWindowRect{33, 41, 199, 99}));
  EXPECT_EQ(Bounds(*contents), (TWindowRect{0, 0, 200, 100}));
}

TEST_F(Aligned, ATinyParentGivesNoNegativeSizesAndGrowingBackRestoresTheLayout) {
  const struct { float width, height; } sizes[] = {{200, 1}, {0, 0}, {5, 5}, {1, 300}};
  for (const auto& size : sizes) {
    parent.SetSize(size.width, size.height);
    for (TControl* c : {top1, top2, left, client, contents}) {
      EXPECT_GE(c->Width(), 0) << size.width << " x " << size.height;
      EXPECT_GE(c->Height(), 0) << size.width << " x " << size.height;
    }
    EXPECT_EQ(Bounds(*contents), (TWindowRect{0, 0, size.width, size.height}));
  }
  parent.SetSize(200, 100);
  EXPECT_EQ(Bounds(*top1), (TWindowRect{5, 5, 195, 25}));
  EXPECT_EQ(Bounds(*left), (TWindowRect{2, 40, 32, 100}));
  EXPECT_EQ(Bounds(*client), (TWindowRect{33, 41, 199, 99}));
}

TEST(Align, CenterKeepsItsSizeInTheMiddle) {
  TLayout parent;
  TControl* centred = AddAligned(parent, TControlAlign::Center, 20, 10);
  parent.SetSize(200, 100);
  EXPECT_EQ(Bounds(*centred), (TWindowRect{90, 45, 110, 55}));
  parent.SetSize(10, 4);
  EXPECT_EQ(Bounds(*centred), (TWindowRect{-5, -3, 15, 7}));
}

}  // namespace
}  // namespace ui
