// A shell platform that shows nothing: it records the windows shown and the requests to end,
// and frees the windows when asked. Tests, benchmarks and fuzz targets run the real windows on
// it without a display.
#pragma once

#include <memory>
#include <vector>

#include "ui/window/Shell.h"

namespace app::testing {

class TQuietPlatform : public ui::IShellPlatform {
 public:
  std::vector<ui::TFormBase*> Shown;  // every window shown, in order
  int Quits = 0;
  void CreateWindowFor(ui::TFormBase&) override {}
  void ShowWindow(ui::TFormBase& form) override { Shown.push_back(&form); }
  void RunLoop(ui::TFormBase&) override {}
  void Quit() override { ++Quits; }
  void DestroyWindows(std::vector<std::unique_ptr<ui::TFormBase>>& forms) override {
    forms.clear();
  }
};

}  // namespace app::testing
