// The window service: how forms are shown, hidden and placed, and how they enter and leave
// full screen. It decides; each form's native window (IPlatformWindow) carries out.
//
// One service serves the process (WindowService()); the application makes its first window
// the main window. A form without a native window only remembers what it is asked.
#pragma once

#include <map>
#include <set>

#include "ui/window/PlatformWindow.h"
#include "ui/window/WindowTypes.h"

namespace ui {

class TFormBase;

class TWindowService {
 public:
  // The window that MainFormCenter places other windows over (null for none).
  TFormBase* MainForm() const { return FMainForm; }
  void SetMainForm(TFormBase* form) { FMainForm = form; }

  // A hidden window is placed (at its first show only), enters full screen when that was
  // asked for while it was hidden, and is shown in its state and activated. A visible window
  // is brought to the front and activated; a window being shown ignores the call.
  void Show(TFormBase& form);
  // A full-screen window is hidden, then leaves full screen and remembers to enter it again
  // at its next show.
  void Hide(TFormBase& form);
  // Brings a visible window to the front and makes it the active one, so that keys reach it; a
  // hidden window stays hidden.
  void Activate(TFormBase& form);

  // True while the window's full-screen record says it is full screen.
  bool FullScreen(const TFormBase& form) const;
  // Enters full screen (showing a hidden window first) or leaves it; asking for the state the
  // window is in changes nothing.
  void SetFullScreen(TFormBase& form, bool value);
  // While the window is full screen every state asked for is wsMaximized.
  void SetWindowState(TFormBase& form, TWindowState state);

  // A screen was removed and the window may have moved to another one: a full-screen or
  // maximised window covers its screen again, a normal one is kept inside its work area.
  void ScreenRemoved(TFormBase& form);

  // The window's full-screen record, or null before its first entry.
  const TFullScreenParams* FullScreenParams(const TFormBase& form) const;
  // Forgets a form that is being freed.
  void Forget(const TFormBase& form);

 private:
  void Place(TFormBase& form, IPlatformWindow& window);
  void EnterFullScreen(TFormBase& form, IPlatformWindow& window);
  void LeaveFullScreen(TFormBase& form, IPlatformWindow& window);
  void ApplyState(TFormBase& form, TWindowState state);

  TFormBase* FMainForm = nullptr;
  std::map<const TFormBase*, TFullScreenParams> FParams;
  std::set<const TFormBase*> FShowing, FShown;
};

// The process's window service.
TWindowService& WindowService();

// `window` centred over `over`: left = Round((over width - width) / 2 + over left), top
// likewise, halves to even, size unchanged. Then kept inside `workArea` where it fits; a
// window larger than the work area has its top-left (and so its caption) at the work area's
// top-left.
TWindowBounds CentredBounds(const TWindowBounds& window, const TWindowBounds& over,
                            const TWindowBounds& workArea);
// `window` moved as little as possible to lie inside `workArea`, its top-left inside when it
// is larger.
TWindowBounds KeptInside(const TWindowBounds& window, const TWindowBounds& workArea);

}  // namespace ui
