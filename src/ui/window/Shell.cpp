#include "ui/window/Shell.h"

#include "ui/window/WindowService.h"

namespace ui {

TShell::~TShell() {
  if (!FForms.empty()) FPlatform.DestroyWindows(FForms);
}

void TShell::Run() {
  for (const auto& create : FRegistrations) {
    TFormBase* form = create();
    FForms.emplace_back(form);
    form->BeginLoading();
    form->BuildStoredTree();
    form->EndLoading();
    form->RunCreateHandler();
    FPlatform.CreateWindowFor(*form);
  }
  if (FForms.empty() || FTerminated) return;
  WindowService().SetMainForm(FForms.front().get());
  FPlatform.ShowWindow(*FForms.front());
  FPlatform.RunLoop(*FForms.front());
}

void TShell::Terminate() {
  FTerminated = true;
  FPlatform.Quit();
}

}  // namespace ui
