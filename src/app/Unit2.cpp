#include "app/Unit2.h"

#include "scene/animation/Interpolation.h"

namespace app {

TPngDecoder PngDecoder;

TForm2* Form2 = nullptr;
bool Dragging = false;
float LastZoomDistance = 0;
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
