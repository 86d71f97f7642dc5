// The main window's overlay: the body table behind the label and the information texts,
// their placement about the view's centre line, selecting bodies by clicking them, the side
// panel's fly-to buttons and the ways the panel is shown and hidden.
#include <gtest/gtest.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/BodyCatalogue.h"

namespace app {
namespace {

using scene::mbLeft;
using scene::mbRight;
using scene::ssLeft;

using Overlay = testing::TMainWindowFixture;

// The seventh line (the semi-major axis) of a body's values.
std::string SemiMajorAxis(const std::string& entry) {
  size_t start = 0;
  for (int line = 0; line < 6; ++line)
    start = entry.find('\n', start) + 1;
  return entry.substr(start, entry.find('\n', start) - start);
}

TEST_F(Overlay, StartsWithThePlanetNamedTheInformationHiddenAndThePanelShown) {
  EXPECT_EQ(form->Label1->Text(), "Orvane");
  EXPECT_TRUE(form->Label1->Visible());
  EXPECT_FALSE(form->Text1->Visible());
  EXPECT_FALSE(form->Text2->Visible());
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_EQ(form->Text1->Text(),
            "            Mass:\n          Volume:\n        Diameter:\n         Density:\n"
            " Surface Gravity:\n Rotation Period:\n Semi-major Axis:\n  Orbital Period:\n"
            "      Axial Tilt:\nSurface Pressure:\n       Other:");
  EXPECT_EQ(form->Text2->Text(), BodyInfo[1]);
  EXPECT_EQ(BodyInfo[1],
            "5.6834×10^26 kg\n8.2713×10^14 km³\n120,536 km\n0.687 g/cm³\n10.44 m/s²\n10h 33m\n"
            "1,433 million km\n10,759.22 d\n26.73°\n140 kPa\n62 moons");
  for (size_t i = 9; i < BodyInfo.size(); ++i)
    EXPECT_EQ(BodyInfo[i], "") << i;
  // The label spans the view's top, 40 units high; the texts are 200 x 300.
  EXPECT_EQ(form->Label1->AbsoluteRect(), (ui::TWindowRect{0, 0, 1332, 40}));
  EXPECT_EQ(form->Text1->Width(), 200);
  EXPECT_EQ(form->Text1->Height(), 300);
}

TEST_F(Overlay, ResizingPlacesTheTextsAboutTheViewsCentreLine) {
  const struct {
    float width, captionsLeft, valuesLeft;
  } cases[] = {{1332, 459, 673}, {1920, 753, 967}, {320, -47, 167}, {1, -206.5f, 7.5f}};
  for (const auto& c : cases) {
    form->ClientResized(c.width, 1);
    EXPECT_EQ(form->Text1->Position(), (ui::TPointF{c.captionsLeft, 40})) << c.width;
    EXPECT_EQ(form->Text2->Position(), (ui::TPointF{c.valuesLeft, 40})) << c.width;
  }
  form->ClientResized(1332, 829);
  // The captions end 7 units left of the centre line (666), the values begin 7 right of it.
  EXPECT_EQ(form->Text1->AbsoluteRect().Right, 659);
}

TEST_F(Overlay, SelectBodyNamesTheBodyAndShowsItsValuesEvenWhileHidden) {
  const char* names[] = {"Orvane", "Mimas", "Enceladus", "Tethys",
                         "Dione",  "Rhea",  "Titan",     "Iapetus"};
  for (int index = 1; index <= 8; ++index) {
    form->Label1->SetVisible(index % 2 == 0);
    form->SelectBody(index);
    EXPECT_EQ(form->Label1->Text(), names[index - 1]);
    EXPECT_EQ(form->Text2->Text(), BodyInfo[static_cast<size_t>(index)]);
    EXPECT_FALSE(form->Text2->Visible());
    EXPECT_EQ(form->Label1->Visible(), index % 2 == 0);  // visibility is left alone
  }
  // Titan's own distance from the planet, not Rhea's.
  EXPECT_EQ(SemiMajorAxis(BodyInfo[7]), "1,221,870 km");
  EXPECT_EQ(SemiMajorAxis(BodyInfo[6]), "527,108 km");
  // An empty entry changes the values but names nobody.
  form->SelectBody(9);
  EXPECT_EQ(form->Label1->Text(), "Iapetus");
  EXPECT_EQ(form->Text2->Text(), "");
}

TEST_F(Overlay, ALeftPressOnABodySelectsItAndARightPressOnlyOpensTheMenu) {
  const ui::TPointF titan = Over(*form->Sphere8);
  form->MouseMove(0, titan.X, titan.Y);
  ASSERT_EQ(form->Pointer().Hovered(), form->Sphere8);
  form->MouseDown(scene::mbRight, 0, titan.X, titan.Y);
  EXPECT_EQ(form->Label1->Text(), "Orvane");
  EXPECT_EQ(form->PopupMenu1->PopupComponent(), form->Sphere8);
  form->MouseUp(mbRight, 0, titan.X, titan.Y, true);
  form->MouseDown(mbLeft, ssLeft, titan.X, titan.Y);
  EXPECT_EQ(form->Label1->Text(), "Titan");
  EXPECT_EQ(form->Text2->Text(), BodyInfo[7]);
  EXPECT_TRUE(Dragging);
  form->MouseUp(mbLeft, 0, titan.X, titan.Y, true);
  // The rings select the planet: a point on the ring plane beside the planet's disc.
  form->SelectBody(3);
  const ui::TPointF planet = Over(*form->Sphere1);
  for (float dx = 100; dx < 400; dx += 10) {
    form->MouseMove(0, planet.X + dx, planet.Y);
    if (form->Pointer().Hovered() == form->Disk1) break;
  }
  ASSERT_EQ(form->Pointer().Hovered(), form->Disk1);
  const ui::TPointF ring = form->Pointer().MousePos();
  form->MouseDown(mbLeft, ssLeft, ring.X, ring.Y);
  form->MouseUp(mbLeft, 0, ring.X, ring.Y, true);
  EXPECT_EQ(form->Label1->Text(), "Orvane");
}

TEST_F(Overlay, EveryFlyToButtonSelectsItsBodyAndTurnsTheUprightPivotTowardsIt) {
  const struct {
    ui::TButton* TForm2::*button;
    const char* caption;
    int index;
    float cameraZ;
  } rows[] = {{&TForm2::Button11, "Orvane", 1, -11},   {&TForm2::Button4, "Mimas", 2, -14},
              {&TForm2::Button8, "Enceladus", 3, -16}, {&TForm2::Button1, "Tethys", 4, -18},
              {&TForm2::Button2, "Dione", 5, -20},     {&TForm2::Button3, "Rhea", 6, -26},
              {&TForm2::Button5, "Titan", 7, -30},     {&TForm2::Button6, "Iapetus", 8, -30}};
  const std::array<scene::TSphere*, 8> bodies = {form->Sphere1, form->Sphere3, form->Sphere4,
                                                 form->Sphere5, form->Sphere6, form->Sphere7,
                                                 form->Sphere8, form->Sphere9};
  for (const auto& row : rows) {
    ui::TButton& button = *(form->*row.button);
    EXPECT_EQ(button.Text(), row.caption);
    // A drag tilted the pivot first; the planet has turned and the moons have moved on.
    form->Dummy1->RotationAngle().SetX(-40);
    form->Dummy1->RotationAngle().SetY(25);
    scene::TSphere& body = *bodies[static_cast<size_t>(row.index - 1)];
    body.RotationAngle().SetY(body.RotationAngle().Y() + 33);
    const float bodyAngle = body.RotationAngle().Y();
    const ui::TWindowRect r = button.AbsoluteRect();
    form->MouseMove(0, r.Left + 10, r.Top + 10);
    form->MouseDown(mbLeft, ssLeft, r.Left + 10, r.Top + 10);
    form->MouseUp(mbLeft, 0, r.Left + 10, r.Top + 10, true);
    EXPECT_EQ(form->Label1->Text(), row.caption);
    EXPECT_EQ(form->Text2->Text(), BodyInfo[static_cast<size_t>(row.index)]);
    EXPECT_EQ(CameraZ(), row.cameraZ) << row.caption;
    EXPECT_EQ(PivotX(), 0) << row.caption;
    EXPECT_EQ(form->Dummy1->RotationAngle().Z(), 0);
    const float expected = row.index == 1 ? bodyAngle : bodyAngle - 90;
    // Angles read back in 0 to 360.
    EXPECT_NEAR(std::fmod(PivotY() - expected + 720, 360), 0, 1e-3f) << row.caption;
  }
}

TEST_F(Overlay, DoubleClicksDoubleTapAndSpaceToggleThePanel) {
  // A double-click on empty space, then one on a moon.
  form->MouseDown(mbLeft, ssLeft, 250, 100);
  form->MouseUp(mbLeft, 0, 250, 100, true);
  form->MouseDown(mbLeft, ssLeft | scene::ssDouble, 250, 100);
  form->MouseUp(mbLeft, 0, 250, 100, true);
  EXPECT_FALSE(form->Panel1->Visible());
  const ui::TPointF moon = OnABody();
  form->MouseMove(0, moon.X, moon.Y);
  form->MouseDown(mbLeft, ssLeft, moon.X, moon.Y);
  form->MouseUp(mbLeft, 0, moon.X, moon.Y, true);
  form->MouseDown(mbLeft, ssLeft | scene::ssDouble, moon.X, moon.Y);
  form->MouseUp(mbLeft, 0, moon.X, moon.Y, true);
  EXPECT_TRUE(form->Panel1->Visible());
  // The double tap.
  bool handled = false;
  ui::TGestureEventInfo tap;
  tap.GestureID = 265;
  form->Viewport3D1Gesture(*form->Viewport3D1, tap, handled);
  EXPECT_TRUE(handled);
  EXPECT_FALSE(form->Panel1->Visible());
  // Space, with or without modifiers (the key code is not looked at); other keys do nothing.
  form->KeyDown(ui::vkSpace, U' ', 0);
  EXPECT_TRUE(form->Panel1->Visible());
  form->KeyDown(ui::vkSpace, U' ', scene::ssShift);
  EXPECT_FALSE(form->Panel1->Visible());
  form->KeyDown('A', U'a', 0);
  form->KeyDown(ui::vkReturn, U'\r', 0);
  EXPECT_FALSE(form->Panel1->Visible());
}

TEST_F(Overlay, SpaceAfterAButtonClickRepeatsItsFlyToAndLeavesThePanelShown) {
  const ui::TWindowRect dione = form->Button2->AbsoluteRect();
  form->MouseMove(0, dione.Left + 5, dione.Top + 5);
  form->MouseDown(mbLeft, ssLeft, dione.Left + 5, dione.Top + 5);
  form->MouseUp(mbLeft, 0, dione.Left + 5, dione.Top + 5, true);
  EXPECT_EQ(form->Pointer().Focused(), form->Button2);
  // Dragging elsewhere does not take the focus from the button.
  form->MouseDown(mbLeft, ssLeft, 250, 100);
  form->MouseMove(ssLeft, 300, 100);
  form->MouseUp(mbLeft, 0, 300, 100, true);
  form->SelectBody(1);
  form->Camera1->Position().SetZ(-40);
  form->KeyDown(ui::vkSpace, U' ', 0);
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_EQ(form->Label1->Text(), "Dione");
  EXPECT_EQ(CameraZ(), -20);
  EXPECT_EQ(PivotX(), 0);
  // With Ctrl held the button does not take the key: the window toggles the panel.
  form->KeyDown(ui::vkSpace, U' ', scene::ssCtrl);
  EXPECT_FALSE(form->Panel1->Visible());
  // A button of the hidden panel keeps no keys: Space shows the panel again instead of flying.
  form->Camera1->Position().SetZ(-40);
  form->KeyDown(ui::vkSpace, U' ', 0);
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_EQ(CameraZ(), -40);
  // Shown again, the button has the keys once more.
  form->KeyDown(ui::vkSpace, U' ', 0);
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_EQ(CameraZ(), -20);
}

TEST_F(Overlay, TheWindowHoldsItsObjectsInStoredOrder) {
  std::vector<std::string> names;
  for (scene::TSceneNode* child : form->Children())
    names.push_back(child->Name());
  ASSERT_GE(names.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 8),
            (std::vector<std::string>{"Viewport3D1", "Panel1", "StyleBook1", "PopupMenu1",
                                      "LightMaterialSource1", "Text1", "Text2", "SaveDialog1"}));
  // The label lies in the view between the pivot and the sky.
  const auto& view = form->Viewport3D1->Children();
  const auto at = [&](const scene::TSceneNode* o) {
    return std::find(view.begin(), view.end(), o) - view.begin();
  };
  EXPECT_EQ(at(form->Label1), at(form->Dummy1) + 1);
  EXPECT_EQ(at(form->Sphere2), at(form->Label1) + 1);
  // The buttons in the panel, top to bottom, 80 x 26 at x 32.
  float y = 24;
  for (ui::TButton* b : {form->Button11, form->Button4, form->Button8, form->Button1, form->Button2,
                         form->Button3, form->Button5, form->Button6}) {
    EXPECT_EQ(b->Position(), (ui::TPointF{32, y}));
    EXPECT_EQ(b->Width(), 80);
    EXPECT_EQ(b->Height(), 26);
    EXPECT_EQ(b->TextSettings().Font.Size, 14);
    y += 40;
  }
}

}  // namespace
}  // namespace app
