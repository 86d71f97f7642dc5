// The application object: registers the program's windows, creates them in registration
// order, shows the first as the main window and runs the event loop until it is asked to end
// or the main window is closed.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/window/Form.h"

namespace ui {

// The platform side of the application: native windows and the event loop.
class IShellPlatform {
 public:
  virtual ~IShellPlatform() = default;
  // Gives `form` a native window (hidden) and connects them (TFormBase::SetPlatformWindow).
  virtual void CreateWindowFor(TFormBase& form) = 0;
  // Shows the main window at the start (the Qt shell through TFormBase::Show).
  virtual void ShowWindow(TFormBase& form) = 0;
  // Runs the event loop until Quit is called or the main window is closed.
  virtual void RunLoop(TFormBase& mainForm) = 0;
  virtual void Quit() = 0;
  // Frees every form with its native window (device resources are released while the
  // window's device is current).
  virtual void DestroyWindows(std::vector<std::unique_ptr<TFormBase>>& forms) = 0;
};

class TShell {
 public:
  explicit TShell(IShellPlatform& platform) : FPlatform(platform) {}
  ~TShell();

  // Registers a window class; `reference` is assigned when Run creates the window, before its
  // creation handler runs.
  template <class TWindowClass>
  void RegisterWindow(TWindowClass*& reference) {
    FRegistrations.push_back([&reference]() -> TFormBase* {
      auto* form = new TWindowClass;
      reference = form;
      return form;
    });
  }

  // Creates every registered window in order (building its stored tree, finishing loading,
  // then its creation handler), makes the first one the window service's main window, shows
  // it and runs the event loop.
  void Run();
  // Shows a window that Run created, without waiting for it (a second window beside the main
  // one).
  void ShowWindow(TFormBase& form) { FPlatform.ShowWindow(form); }
  // Asks the event loop to end after the current message.
  void Terminate();
  bool Terminated() const { return FTerminated; }

  TFormBase* MainForm() const { return FForms.empty() ? nullptr : FForms.front().get(); }

 private:
  IShellPlatform& FPlatform;
  std::vector<std::function<TFormBase*()>> FRegistrations;
  std::vector<std::unique_ptr<TFormBase>> FForms;
  bool FTerminated = false;
};

}  // namespace ui
