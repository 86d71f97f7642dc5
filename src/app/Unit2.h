// The main window: the 3D scene, the overlay controls, the context menu and every handler.
#pragma once

#include <string>

#include "ui/Form.h"

namespace app {

class TForm2 : public ui::TCustomForm {
 public:
  TForm2();

  void BuildStoredTree() override;
  void FormCreate(scene::TFmxObject& sender);
};

// State of the main window's unit, alive from start to end of the process.
extern TForm2* Form2;
extern bool Dragging;
extern float LastZoomDistance;
extern std::string PictureFolder;

}  // namespace app
