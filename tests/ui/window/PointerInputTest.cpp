// What the window makes of the platform's pointer messages: whole-number points, its own
// double-click detection, menus before right presses, repeated moves dropped, and wheel
// deltas of any size turned into notches.
#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>
#include <vector>

#include "ui/menu/PopupMenu.h"
#include "ui/window/Control.h"
#include "ui/window/Form.h"
#include "ui/window/PointerInput.h"

namespace ui {
namespace {

using scene::mbLeft;
using scene::mbMiddle;
using scene::mbRight;

struct Input : ::testing::Test {
  TFormBase form;
  TControl* area = new TControl;
  TPopupMenu* menu = new TPopupMenu;
  TPointerInput input{form};
  std::vector<std::string> log;

  Input() {
    form.AddChild(menu);
    form.AddChild(area);
    area->SetName("area");
    area->SetBounds(0, 0, 1000, 1000);
    input.SetDoubleClickLimits(400, 4);
    area->OnMouseDown = [this](scene::TSceneNode&, TMouseButton b, TShiftState s, float x,
                               float y) {
      log.push_back("down " + std::to_string(b) + (s & scene::ssDouble ? " double " : " ") +
                    Point(x, y));
    };
    area->OnMouseUp = [this](scene::TSceneNode&, TMouseButton b, TShiftState, float x, float y) {
      log.push_back("up " + std::to_string(b) + " " + Point(x, y));
    };
    area->OnMouseMove = [this](scene::TSceneNode&, TShiftState, float x, float y) {
      log.push_back("move " + Point(x, y));
    };
    area->OnMouseWheel = [this](scene::TSceneNode&, TShiftState, int delta, bool& handled) {
      log.push_back("wheel " + std::to_string(delta));
      handled = true;
    };
    menu->OnPopup = [this](TPopupMenu&, int x, int y) { log.push_back("menu " + Point(x, y)); };
  }
  static std::string Point(float x, float y) {
    return std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
  }
  static TPlatformPointer At(float x, float y, std::int64_t ms = 0) {
    return {{x, y}, {x + 100, y + 100}, 0, ms};
  }
  std::vector<std::string> Take() { return std::exchange(log, {}); }
};

using Lines = std::vector<std::string>;

// Ten notches each way: what the largest deltas come to.
Lines Flood() {
  Lines lines(10, "wheel 120");
  lines.insert(lines.end(), 10, "wheel -120");
  return lines;
}

TEST_F(Input, PointsBecomeWholeNumbersHalvesToEven) {
  constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
  input.Move(At(10.5f, 11.5f));
  input.Move(At(2.4f, 2.6f));
  input.Move(At(NaN, 3));
  EXPECT_EQ(Take(), (Lines{"move 10,12", "move 2,3", "move 0,3"}));
}

TEST_F(Input, DoubleClicksAreTheSecondPressWithinTimeAndDistance) {
  const struct {
    const char* name;
    scene::TMouseButton first, second;
    TPlatformPointer secondAt;
    bool isDouble;
  } cases[] = {
      {"quick, same place", mbLeft, mbLeft, At(10, 10, 300), true},
      {"at the time limit", mbLeft, mbLeft, At(10, 10, 400), true},
      {"too slow", mbLeft, mbLeft, At(10, 10, 401), false},
      {"moved within the distance", mbLeft, mbLeft, At(14, 6, 100), true},
      {"moved too far", mbLeft, mbLeft, At(15, 10, 100), false},
      {"another button", mbLeft, mbMiddle, At(10, 10, 100), false},
      {"middle button", mbMiddle, mbMiddle, At(10, 10, 100), true},
      {"clock went back", mbLeft, mbLeft, At(10, 10, -5), false},
  };
  for (const auto& c : cases) {
    input.Lost();  // forget earlier presses
    input.Press(c.first, At(10, 10, 0));
    input.Release(c.first, At(10, 10, 50));
    Take();
    input.Press(c.second, c.secondAt);
    ASSERT_FALSE(log.empty()) << c.name;
    EXPECT_EQ(log.front().find("double") != std::string::npos, c.isDouble) << c.name;
    input.Release(c.second, c.secondAt);
  }
  // A third quick press starts afresh.
  Take();
  input.Press(mbLeft, At(10, 10, 1000));
  input.Press(mbLeft, At(10, 10, 1100));
  input.Press(mbLeft, At(10, 10, 1200));
  EXPECT_EQ(Take(), (Lines{"down 0 10,10", "down 0 double 10,10", "down 0 10,10"}));
}

TEST_F(Input, RightPressAsksForTheMenuFirst) {
  input.Press(mbRight, At(20.5f, 30, 0));
  input.Release(mbRight, At(20, 30, 10));
  EXPECT_EQ(Take(), (Lines{"down 1 20,30", "up 1 20,30"})) << "no menu: the press goes on";
  area->SetPopupMenu(menu);
  input.Press(mbRight, At(20.5f, 30, 1000));
  EXPECT_EQ(Take(), Lines{"menu 120,130"});
}

TEST_F(Input, RepeatedMovesAreDroppedUntilAButtonMessage) {
  input.Move(At(5, 5));
  input.Move(At(5, 5));
  input.Press(mbLeft, At(5, 5));
  input.Move(At(5, 5));
  input.Release(mbLeft, At(5, 5));
  input.Move(At(5, 5));
  EXPECT_EQ(Take(), (Lines{"move 5,5", "down 0 5,5", "move 5,5", "up 0 5,5", "move 5,5"}));
}

TEST_F(Input, WheelDeltasBecomeNotches) {
  const struct {
    const char* name;
    std::vector<int> deltas;
    Lines wheel;
  } cases[] = {
      {"a notch", {120}, {"wheel 120"}},
      {"two notches at once: one turn", {-240}, {"wheel -240"}},
      {"no vertical part", {0}, {}},
      {"fine steps add up", {40, 40, 30, 10}, {"wheel 120"}},
      {"fine steps backwards", {-60, -60, -60}, {"wheel -120"}},
      {"a change of direction starts afresh", {100, -100, 100}, {}},
      {"a flood of huge deltas is bounded", {INT_MAX, INT_MIN}, Flood()},
  };
  for (const auto& c : cases) {
    input.Lost();
    Take();
    input.Move(At(5, 5));
    for (int d : c.deltas)
      input.Wheel(d, At(5, 5));
    Lines wheel;
    for (const std::string& line : Take())
      if (line.rfind("wheel", 0) == 0) wheel.push_back(line);
    EXPECT_EQ(wheel, c.wheel) << c.name;
  }
}

TEST_F(Input, LosingThePointerReleasesTheCapture) {
  area->SetAutoCapture(true);
  input.Press(mbLeft, At(5, 5));
  ASSERT_EQ(form.Pointer().Captured(), area);
  input.Lost();
  EXPECT_EQ(form.Pointer().Captured(), nullptr);
}

}  // namespace
}  // namespace ui
