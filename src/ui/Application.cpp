#include "ui/Application.h"

namespace ui {

TApplication::~TApplication() {
  if (!FForms.empty()) FPlatform.DestroyWindows(FForms);
}

void TApplication::Run() {
  for (const auto& create : FRegistrations) {
    TCustomForm* form = create();
    FForms.emplace_back(form);
    form->BeginLoading();
    form->BuildStoredTree();
    form->EndLoading();
    form->DoCreate();
    FPlatform.CreateWindowFor(*form);
  }
  if (FForms.empty() || FTerminated) return;
  FPlatform.ShowWindow(*FForms.front());
  FPlatform.RunLoop(*FForms.front());
}

void TApplication::Terminate() {
  FTerminated = true;
  FPlatform.Quit();
}

}  // namespace ui
