// Where a context menu opens: at the point, moved up and left just enough to stay inside the
// work area of the display holding the point, never above or left of it.
#include <gtest/gtest.h>

#include <vector>

#include "ui/menu/MenuPresenter.h"

namespace ui {
namespace {

// One display of 1920 x 1080 with a 40-unit panel along its bottom.
const std::vector<TMenuScreen> OneScreen = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}};
// The same with panels on the left (64) and at the top (32): the work area starts at (64, 32).
const std::vector<TMenuScreen> OffsetArea = {{{0, 0, 1920, 1080}, {64, 32, 1856, 1048}}};
// That display with a 1280 x 1024 one on its right, their tops level.
const std::vector<TMenuScreen> TwoScreens = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}},
                                             {{1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}}};
const std::vector<TMenuScreen> Tiny = {{{0, 0, 320, 200}, {0, 0, 320, 200}}};

TEST(MenuPlacement, TheMenuStaysInsideTheWorkAreaOfItsDisplay) {
  const struct {
    const char* name;
    const std::vector<TMenuScreen>& screens;
    TScreenPoint point;
    TScreenSize menu;
    TScreenPoint placed;
  } cases[] = {
      {"inside", OneScreen, {500, 300}, {200, 180}, {500, 300}},
      {"touching the right and bottom edges", OneScreen, {1720, 860}, {200, 180}, {1720, 860}},
      {"bottom overflow", OneScreen, {500, 1000}, {200, 180}, {500, 860}},
      {"right overflow", OneScreen, {1800, 300}, {200, 180}, {1720, 300}},
      {"both", OneScreen, {1850, 1000}, {200, 180}, {1720, 860}},
      {"the last pixel", OneScreen, {1919, 1039}, {200, 180}, {1720, 860}},
      {"larger than the work area", OneScreen, {100, 100}, {2500, 1200}, {0, 0}},
      {"taller only", OneScreen, {700, 900}, {200, 1300}, {700, 0}},
      {"on the bottom panel", OneScreen, {500, 1060}, {200, 180}, {500, 860}},
      {"offset area, inside", OffsetArea, {100, 50}, {200, 180}, {100, 50}},
      {"offset area, both", OffsetArea, {1900, 1050}, {200, 180}, {1720, 900}},
      {"offset area, larger", OffsetArea, {100, 100}, {2000, 1100}, {64, 32}},
      {"on the left panel", OffsetArea, {10, 10}, {200, 180}, {64, 32}},
      {"second display", TwoScreens, {3150, 1000}, {200, 180}, {3000, 844}},
      {"first display's right edge", TwoScreens, {1850, 500}, {200, 180}, {1720, 500}},
      {"left of every display", TwoScreens, {-300, 500}, {200, 180}, {0, 500}},
      {"far beyond the second", TwoScreens, {4000, 2000}, {200, 180}, {3000, 844}},
      {"below the shorter display", TwoScreens, {2500, 1060}, {200, 180}, {2500, 844}},
      {"320 x 200, inside", Tiny, {20, 10}, {200, 180}, {20, 10}},
      {"320 x 200, both", Tiny, {250, 150}, {200, 180}, {120, 20}},
      {"320 x 200, taller than it", Tiny, {10, 10}, {200, 250}, {10, 0}},
      {"320 x 200, wider than it", Tiny, {300, 10}, {400, 100}, {0, 10}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlaceMenu(c.point, c.menu, c.screens), c.placed) << c.name;
}

TEST(MenuPlacement, WithoutADisplayTheMenuOpensAtThePoint) {
  EXPECT_EQ(PlaceMenu({-5, 7000}, {200, 180}, {}), (TScreenPoint{-5, 7000}));
}

}  // namespace
}  // namespace ui
