#include "app/Unit2.h"

namespace app {

TForm2* Form2 = nullptr;
bool Dragging = false;
float LastZoomDistance = 0;
std::string PictureFolder;

TForm2::TForm2() {
  SetName("Form2");
}

void TForm2::BuildStoredTree() {
  SetCaption("Moons of Orvane");
  SetClientSize(1332, 829);
  SetFillColor(ui::claBlack);
  SetFormPosition(ui::TFormPosition::ScreenCenter);
  SetFullScreen(true);
  OnCreate = [this](scene::TFmxObject& sender) { FormCreate(sender); };
}

void TForm2::FormCreate(scene::TFmxObject&) {
  // 1. The picture folder.
  // 2. No drag in progress.
  Dragging = false;
  // 3. Information texts hidden, name label shown.
  // 4. The moons turn about the planet's centre.
  // 5. Captions and the body table.
  // 6. The planet selected.
  // 7. Camera far out, the view tilted 15 degrees towards the ring plane.
  // 8. The camera glides in.
}

}  // namespace app
