#include "app/Unit1.h"

namespace app {

TForm1* Form1 = nullptr;

TForm1::TForm1() {
  SetName("Form1");
}

void TForm1::BuildStoredTree() {
  SetCaption("About");
  SetClientSize(515, 265);
  SetFillColor(0xFF244477);
  SetPlacement(ui::TWindowPlacement::ScreenCenter);
}

}  // namespace app
