// The About window: picture, title, maker, link to the product page and an OK button.
#pragma once

#include "ui/Form.h"

namespace app {

class TForm1 : public ui::TFormBase {
 public:
  TForm1();
  void BuildStoredTree() override;
};

extern TForm1* Form1;

}  // namespace app
