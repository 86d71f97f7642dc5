// The main window: the 3D scene, the overlay controls, the context menu and every handler.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/OrbitAnimation.h"
#include "app/SceneTextures.h"
#include "app/StoredScene.h"
#include "ui/Form.h"

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

  const TSceneTextures* Textures() const { return FTextures.get(); }

 private:
  std::unique_ptr<TSceneTextures> FTextures;
};

// State of the main window's unit, alive from start to end of the process.
extern TForm2* Form2;
extern bool Dragging;
extern float LastZoomDistance;
extern std::string PictureFolder;

}  // namespace app
