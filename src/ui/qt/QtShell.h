// The Qt side of the application: the event loop, native windows for forms, and the
// reporting of errors that escape an event handler or a timer tick.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <deque>
#include <map>

#include "ui/window/Shell.h"

namespace ui::qt {

class TFormWindow;

class TQtShell : public QApplication, public IShellPlatform {
 public:
  // Sets the default surface format (OpenGL 3.3 core) before the application is created.
  static void PrepareGraphics();

  TQtShell(int& argc, char** argv);
  ~TQtShell() override;

  // Delivers every event; an error escaping a handler is shown in a modal message box with
  // one OK button, and the loop goes on.
  bool notify(QObject* receiver, QEvent* event) override;

  void CreateWindowFor(TFormBase& form) override;
  void ShowWindow(TFormBase& form) override;
  void RunLoop(TFormBase& mainForm) override;
  void Quit() override;
  void DestroyWindows(std::vector<std::unique_ptr<TFormBase>>& forms) override;

  TFormWindow* WindowOf(const TFormBase& form) const;
  // The monitor the windows are made on (their first placement and full screen follow it);
  // the primary one when none is set.
  void SetStartScreen(QScreen* screen) { FStartScreen = screen; }

  // What this machine lacks for the 3D view, said for a person ("" when an OpenGL 3.3 core
  // context can be made): checked on Qt's shared context before any window exists.
  QString GraphicsShortfall() const;
  // Tells the user why the program cannot start, in a modal message box with one OK button.
  void ReportStartFailure(const QString& title, const QString& text);

  // Reports an error to the user: a modal box with the message and one OK button, shown from
  // a fresh event so that the timer whose tick failed keeps running while the box is open.
  // Boxes are shown one after another; a message equal to the one on screen or already
  // waiting is not repeated.
  void ReportError(const QString& text);

 private:
  QPointer<QScreen> FStartScreen;
  void ShowPendingErrors();

  std::deque<QString> FPendingErrors;
  QString FShownError;
  bool FErrorsScheduled = false;
  std::map<const TFormBase*, TFormWindow*> FWindows;
  TFormBase* FMainForm = nullptr;
};

}  // namespace ui::qt
