#include "ui/window/WindowService.h"

#include <algorithm>

#include "ui/window/Form.h"

namespace ui {

TWindowService& WindowService() {
  static TWindowService service;
  return service;
}

TWindowBounds KeptInside(const TWindowBounds& window, const TWindowBounds& workArea) {
  TWindowBounds b = window;
  b.Left = std::max(std::min(b.Left, workArea.Right() - b.Width), workArea.Left);
  b.Top = std::max(std::min(b.Top, workArea.Bottom() - b.Height), workArea.Top);
  return b;
}

TWindowBounds CentredBounds(const TWindowBounds& window, const TWindowBounds& over,
                            const TWindowBounds& workArea) {
  TWindowBounds b = window;
  b.Left = RoundHalfEven((over.Width - window.Width) / 2.0 + over.Left);
  b.Top = RoundHalfEven((over.Height - window.Height) / 2.0 + over.Top);
  return KeptInside(b, workArea);
}

namespace {
// Marks a form as being shown for as long as Show runs, also when it ends with an error.
class TShowing {
 public:
  TShowing(std::set<const TFormBase*>& showing, const TFormBase& form)
      : FShowing(showing), FForm(&form) {
    FShowing.insert(FForm);
  }
  ~TShowing() { FShowing.erase(FForm); }
  TShowing(const TShowing&) = delete;
  TShowing& operator=(const TShowing&) = delete;

 private:
  std::set<const TFormBase*>& FShowing;
  const TFormBase* FForm;
};
}  // namespace

void TWindowService::Show(TFormBase& form) {
  IPlatformWindow* window = form.PlatformWindow();
  if (!window || FShowing.contains(&form)) return;
  if (window->Visible()) {
    window->Activate();
    return;
  }
  const TShowing showing(FShowing, form);
  window->CreateNative();
  window->SetFrame(form.BorderStyle(), form.BorderIcons(), form.FormStyle());
  // Placed at the first show only: a window shown again is where it was left.
  if (FShown.insert(&form).second) Place(form, *window);
  if (form.FFullScreen) {
    EnterFullScreen(form, *window);
    form.FFullScreen = false;
  }
  window->ShowNative();
  window->Activate();
}

void TWindowService::Hide(TFormBase& form) {
  IPlatformWindow* window = form.PlatformWindow();
  if (!window) return;
  const bool fullScreen = FullScreen(form);
  window->HideNative();
  if (fullScreen) {
    LeaveFullScreen(form, *window);
    form.FFullScreen = true;
  }
}

void TWindowService::Activate(TFormBase& form) {
  IPlatformWindow* window = form.PlatformWindow();
  if (window && window->Visible()) window->Activate();
}

void TWindowService::Place(TFormBase& form, IPlatformWindow& window) {
  TWindowPlacement placement = form.Placement();
  IPlatformWindow* mainWindow = FMainForm ? FMainForm->PlatformWindow() : nullptr;
  if (placement == TWindowPlacement::MainFormCenter && (!mainWindow || FMainForm == &form))
    placement = TWindowPlacement::ScreenCenter;
  if (placement == TWindowPlacement::Stored) return;
  const TWindowBounds workArea = window.WorkArea();
  const TWindowBounds over =
      placement == TWindowPlacement::ScreenCenter ? workArea : mainWindow->Bounds();
  window.SetBounds(CentredBounds(window.Bounds(), over, workArea));
}

bool TWindowService::FullScreen(const TFormBase& form) const {
  const auto it = FParams.find(&form);
  return it != FParams.end() && it->second.IsFullScreen();
}

const TFullScreenParams* TWindowService::FullScreenParams(const TFormBase& form) const {
  const auto it = FParams.find(&form);
  return it == FParams.end() ? nullptr : &it->second;
}

void TWindowService::SetFullScreen(TFormBase& form, bool value) {
  IPlatformWindow* window = form.PlatformWindow();
  if (form.IsLoading() || !window) {
    form.FFullScreen = value;
    return;
  }
  if (!value) {
    form.FFullScreen = false;
    if (FullScreen(form)) LeaveFullScreen(form, *window);
    return;
  }
  if (FullScreen(form)) return;
  if (!window->Visible() && !FShowing.contains(&form)) {
    // Shown first; the show enters full screen.
    form.FFullScreen = true;
    Show(form);
    return;
  }
  EnterFullScreen(form, *window);
}

void TWindowService::EnterFullScreen(TFormBase& form, IPlatformWindow& window) {
  TFullScreenParams& params = FParams[&form];  // all zero at the first entry
  const TWindowState state = window.State();
  params.BorderStyle = form.BorderStyle();
  params.WindowState = state;
  if (state == wsNormal) {
    const TWindowBounds b = window.Bounds();
    params.Position = {b.Left, b.Top};
    params.Size = {b.Width, b.Height};
  }
  if (state == wsMinimized) ApplyState(form, wsMaximized);
  form.SetBorderStyle(TFormBorderStyle::None);
  ApplyState(form, wsMaximized);
}

void TWindowService::LeaveFullScreen(TFormBase& form, IPlatformWindow& window) {
  const auto it = FParams.find(&form);
  if (it == FParams.end()) return;
  const TFullScreenParams taken = it->second;
  it->second.Clean();
  form.SetBorderStyle(taken.BorderStyle);
  // An entry made while maximised or minimised, with no normal entry before it, recorded no
  // bounds: the window gets its frame and state back and keeps the bounds it returns to.
  if (taken.Size.Width > 0 && taken.Size.Height > 0)
    window.SetBounds({taken.Position.X, taken.Position.Y, taken.Size.Width, taken.Size.Height});
  ApplyState(form, taken.WindowState);
}

void TWindowService::SetWindowState(TFormBase& form, TWindowState state) {
  ApplyState(form, FullScreen(form) ? wsMaximized : state);
}

void TWindowService::ApplyState(TFormBase& form, TWindowState state) {
  form.FWindowState = state;
  if (IPlatformWindow* window = form.PlatformWindow()) window->SetState(state);
}

void TWindowService::ScreenRemoved(TFormBase& form) {
  IPlatformWindow* window = form.PlatformWindow();
  if (!window) return;
  if (FullScreen(form) || window->State() == wsMaximized) {
    window->SetState(wsMaximized);
    return;
  }
  if (window->State() != wsNormal) return;
  const TWindowBounds bounds = window->Bounds();
  const TWindowBounds kept = KeptInside(bounds, window->WorkArea());
  if (!(kept == bounds)) window->SetBounds(kept);
}

void TWindowService::Forget(const TFormBase& form) {
  FParams.erase(&form);
  FShowing.erase(&form);
  FShown.erase(&form);
  if (FMainForm == &form) FMainForm = nullptr;
}

}  // namespace ui
