// The main window: the 3D scene, the overlay controls, the context menu and every handler.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/OrbitAnimation.h"
#include "app/SceneTextures.h"
#include "app/StoredScene.h"
#include "ui/Form.h"
#include "ui/PopupMenu.h"
#include "ui/gestures/GestureEvent.h"

namespace app {

// The PNG decoder of the platform, set by the entry point before the windows are created.
extern TPngDecoder PngDecoder;

class TForm2 : public ui::TFormBase, public TStoredScene {
 public:
  TForm2();
  ~TForm2() override;

  // The planet's spin and the seven orbits, FloatAnimation1 to FloatAnimation8.
  std::array<TOrbitAnimation*, 8> FloatAnimations{};

  void BuildStoredTree() override;
  void PrepareToPaint() override;
  void FormCreate(scene::TSceneNode& sender);

  // The context menu of the view and the bodies.
  ui::TPopupMenu* PopupMenu1 = nullptr;

  // Navigation: a drag swings the pivot (and with it camera and light) about the planet; the
  // wheel and a pinch move the camera along the pivot's Z axis, one unit a step, strictly
  // between -80 and -5.
  void Viewport3D1MouseDown(scene::TSceneNode& sender, scene::TMouseButton button,
                            scene::TShiftState shift, float x, float y);
  void Viewport3D1MouseMove(scene::TSceneNode& sender, scene::TShiftState shift, float x, float y);
  void Viewport3D1MouseUp(scene::TSceneNode& sender, scene::TMouseButton button,
                          scene::TShiftState shift, float x, float y);
  void Viewport3D1MouseWheel(scene::TSceneNode& sender, scene::TShiftState shift, int wheelDelta,
                             bool& handled);
  // A pinch zooms one step when the fingers' distance jumps by more than 4 pixels between
  // two events; a double tap is handled here.
  void Viewport3D1Gesture(scene::TSceneNode& sender, const ui::TGestureEventInfo& eventInfo,
                          bool& handled);
  // One zoom step: towards the planet when `aIn`.
  void DoZoom(bool aIn);
  // A press on a body (the planet, its rings or a moon) starts a drag as on empty space; a
  // right press asks for the context menu at the pointer instead.
  void BodyMouseDown(scene::TSceneNode& sender, scene::TMouseButton button,
                     scene::TShiftState shift, float x, float y);

  const TSceneTextures* Textures() const { return FTextures.get(); }

 private:
  void ConnectNavigation();

  std::unique_ptr<TSceneTextures> FTextures;
  // The pointer at the last press or the last move of a drag, in the view's coordinates.
  ui::TPointF FDown;
};

// State of the main window's unit, alive from start to end of the process.
extern TForm2* Form2;
extern bool Dragging;
extern int LastZoomDistance;
extern std::string PictureFolder;

}  // namespace app
