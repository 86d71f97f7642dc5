#include "app/Unit2.h"

#include <cstdlib>
#include <functional>

#include "scene/animation/Interpolation.h"

namespace app {

TPngDecoder PngDecoder;

TForm2* Form2 = nullptr;
bool Dragging = false;
int LastZoomDistance = 0;
std::string PictureFolder;

namespace {
// Seconds per turn of the planet and of each moon's orbit, Mimas to Iapetus.
constexpr std::array<float, 8> BodyAnimationDurations = {30, 64, 94, 128, 188, 308, 1152, 5680};
}  // namespace

TForm2::TForm2() {
  SetName("Form2");
  // Decoding runs on worker threads while the window is built, created and shown.
  if (PngDecoder) FTextures = std::make_unique<TSceneTextures>(PngDecoder);
}

TForm2::~TForm2() = default;

void TForm2::BuildStoredTree() {
  SetCaption("Moons of Orvane");
  SetClientSize(1332, 829);
  SetFillColor(ui::claBlack);
  SetPlacement(ui::TWindowPlacement::ScreenCenter);
  SetFullScreen(true);
  OnCreate = [this](scene::TSceneNode& sender) { FormCreate(sender); };

  auto* viewport = new ui::TViewport3D;
  viewport->SetName("Viewport3D1");
  AddChild(viewport);
  TStoredSceneExtras extras;
  extras.AddBodyAnimation = [this](scene::TSphere& body, int number) {
    FloatAnimations[number - 1] =
        AddBodyAnimation(body, number, BodyAnimationDurations[number - 1]);
  };
  static_cast<TStoredScene&>(*this) = BuildStoredScene(*viewport, *this, extras);

  PopupMenu1 = new ui::TPopupMenu;
  PopupMenu1->SetName("PopupMenu1");
  AddChild(PopupMenu1);
  viewport->SetPopupMenu(PopupMenu1);
  ConnectNavigation();
}

void TForm2::ConnectNavigation() {
  using namespace std::placeholders;
  Viewport3D1->OnMouseDown = std::bind(&TForm2::Viewport3D1MouseDown, this, _1, _2, _3, _4, _5);
  Viewport3D1->OnMouseMove = std::bind(&TForm2::Viewport3D1MouseMove, this, _1, _2, _3, _4);
  Viewport3D1->OnMouseUp = std::bind(&TForm2::Viewport3D1MouseUp, this, _1, _2, _3, _4, _5);
  Viewport3D1->OnMouseWheel = std::bind(&TForm2::Viewport3D1MouseWheel, this, _1, _2, _3, _4);
  Viewport3D1->Touch().SetInteractiveGestures(
      {ui::TInteractiveGesture::Zoom, ui::TInteractiveGesture::DoubleTap});
  Viewport3D1->OnGesture = std::bind(&TForm2::Viewport3D1Gesture, this, _1, _2, _3);
  // The bodies (the planet, its rings and the moons) pass their presses, moves and releases on
  // to the drag.
  const std::array<scene::TControl3D*, 9> bodies = {Sphere1, Disk1,   Sphere3, Sphere4, Sphere5,
                                                    Sphere6, Sphere7, Sphere8, Sphere9};
  for (scene::TControl3D* body : bodies) {
    body->OnMouseDown = [this](scene::TSceneNode& sender, scene::TMouseButton button,
                               scene::TShiftState shift, float x, float y, const scene::TVector3D&,
                               const scene::TVector3D&) {
      BodyMouseDown(sender, button, shift, x, y);
    };
    body->OnMouseMove = [this](scene::TSceneNode& sender, scene::TShiftState shift, float x,
                               float y, const scene::TVector3D&, const scene::TVector3D&) {
      Viewport3D1MouseMove(sender, shift, x, y);
    };
    body->OnMouseUp = [this](scene::TSceneNode& sender, scene::TMouseButton button,
                             scene::TShiftState shift, float x, float y, const scene::TVector3D&,
                             const scene::TVector3D&) {
      Viewport3D1MouseUp(sender, button, shift, x, y);
    };
  }
}

void TForm2::Viewport3D1MouseDown(scene::TSceneNode&, scene::TMouseButton, scene::TShiftState,
                                  float x, float y) {
  Dragging = true;
  FDown = {x, y};
}

void TForm2::Viewport3D1MouseMove(scene::TSceneNode&, scene::TShiftState shift, float x, float y) {
  if (!Dragging) return;
  // A drag whose release never reached the view or a body (it happened over the panel or
  // outside the window) ends at the first move made with no button held, instead of leaving
  // the view to follow the pointer.
  if (!(shift & scene::ssAnyButton)) {
    Dragging = false;
    return;
  }
  // Degrees per unit of pointer travel, growing with the distance so that a drag of the same
  // length moves the picture about equally at every zoom.
  const float z = Camera1->Position().Z();
  const float k = 0.3f * ((-7 - z) / 33 + 0.1f);
  // Two separate writes: each turns the pivot about its own axes as they stand after the
  // previous one.
  Dummy1->RotationAngle().SetX(Dummy1->RotationAngle().X() - (y - FDown.Y) * k);
  Dummy1->RotationAngle().SetY(Dummy1->RotationAngle().Y() + (x - FDown.X) * k);
  FDown = {x, y};
}

void TForm2::Viewport3D1MouseUp(scene::TSceneNode&, scene::TMouseButton, scene::TShiftState, float,
                                float) {
  Dragging = false;
}

void TForm2::Viewport3D1MouseWheel(scene::TSceneNode&, scene::TShiftState, int wheelDelta,
                                   bool& handled) {
  // One step per turn, whatever its size.
  DoZoom(wheelDelta > 0);
  handled = true;
}

void TForm2::Viewport3D1Gesture(scene::TSceneNode&, const ui::TGestureEventInfo& eventInfo,
                                bool& handled) {
  using ui::TInteractiveGestureFlag;
  switch (eventInfo.GestureID) {
    case 259: {  // zoom
      const bool begins = eventInfo.Flags.Contains(TInteractiveGestureFlag::gfBegin);
      if (begins) LastZoomDistance = eventInfo.Distance;
      if (!begins && !eventInfo.Flags.Contains(TInteractiveGestureFlag::gfEnd)) {
        // Compared with the previous event only: small changes never add up to a step.
        const int d = eventInfo.Distance - LastZoomDistance;
        if (std::abs(d) > 4) DoZoom(d > 0);
        LastZoomDistance = eventInfo.Distance;
      }
      handled = true;
      break;
    }
    case 265:  // double tap
    case 1:
    case 2:
    case 260:
      handled = true;
      break;
    default:
      break;
  }
}

void TForm2::DoZoom(bool aIn) {
  const float z = Camera1->Position().Z() + (aIn ? 1.0f : -1.0f);
  if (-80 < z && z < -5) Camera1->Position().SetZ(z);
}

void TForm2::BodyMouseDown(scene::TSceneNode& sender, scene::TMouseButton button,
                           scene::TShiftState shift, float x, float y) {
  if (button == scene::mbRight) {
    // The platform adapter asked the body for a menu first and it had none: the window's menu
    // opens at the pointer instead.
    PopupMenu1->PopupFor(sender, ClientToScreen({x, y}));
    return;
  }
  Viewport3D1MouseDown(sender, button, shift, x, y);
}

void TForm2::PrepareToPaint() {
  if (FTextures) FTextures->AttachAll(*this);
}

void TForm2::FormCreate(scene::TSceneNode&) {
  Dragging = false;
  // The moons' rotation centres are not stored: they turn about the planet's centre.
  SetMoonRotationCentres(*this);
  // The camera starts far out and glides in over three seconds.
  SetStartView(*this);
  Camera1->AnimateFloat("position.z", -26, 3, scene::TAnimationType::In,
                        scene::TInterpolationType::Linear);
}

}  // namespace app
