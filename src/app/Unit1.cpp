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
  // A fixed caption without buttons, above the main window and centred over it.
  SetBorderStyle(ui::TFormBorderStyle::Single);
  SetBorderIcons(0);
  SetFormStyle(ui::TFormStyle::StayOnTop);
  SetPlacement(ui::TWindowPlacement::MainFormCenter);
}

}  // namespace app
