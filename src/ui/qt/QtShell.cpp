#include "ui/qt/QtShell.h"

#include <QMessageBox>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "ui/qt/FormWindow.h"
#include "ui/qt/OverlayFont.h"
#include "ui/services/ErrorMessage.h"
#include "ui/services/ErrorReport.h"

namespace ui::qt {

void TQtShell::PrepareGraphics() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  format.setDepthBufferSize(0);
  format.setStencilBufferSize(0);
  // Frames wait for the display's refresh (no tearing); animations measure elapsed time, so
  // their speed does not depend on it.
  format.setSwapInterval(1);
  QSurfaceFormat::setDefaultFormat(format);
  // Every GL context shares objects with Qt's global one, so that textures made on a thread of
  // their own while the window starts are drawn by the window's context.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

TQtShell::TQtShell(int& argc, char** argv) : QApplication(argc, argv) {
  RegisterOverlayFonts();
  // Errors that the 2D layer reports and goes on after get the same message box.
  SetErrorReporter([this](const std::string& text) { ReportError(QString::fromStdString(text)); });
}

TQtShell::~TQtShell() {
  SetErrorReporter(nullptr);
}

bool TQtShell::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportError(QString::fromStdString(ErrorBoxText(error)));
  } catch (...) {
    ReportError(QStringLiteral("Unknown error."));
  }
  return false;
}

QString TQtShell::GraphicsShortfall() const {
  QOpenGLContext* context = QOpenGLContext::globalShareContext();
  if (!context || !context->isValid())
    return QStringLiteral(
        "Moons of Orvane needs OpenGL 3.3 to draw its 3D view, but no OpenGL context could be "
        "made on this display.\n\nInstall the graphics driver of this machine (on Debian, "
        "the package libgl1-mesa-dri for Mesa's drivers) and start the program again.");
  const QSurfaceFormat format = context->format();
  if (format.version() >= qMakePair(3, 3)) return {};
  QOffscreenSurface surface;
  surface.setFormat(format);
  surface.create();
  QString renderer = QStringLiteral("this machine's OpenGL driver");
  if (context->makeCurrent(&surface)) {
    if (const auto* name = context->functions()->glGetString(GL_RENDERER))
      renderer = QString::fromLatin1(reinterpret_cast<const char*>(name));
    context->doneCurrent();
  }
  return QStringLiteral(
             "Moons of Orvane needs OpenGL 3.3 to draw its 3D view, but %1 offers OpenGL %2.%3 "
             "only.\n\nA newer graphics driver, or Mesa's software renderer (package "
             "libgl1-mesa-dri), gives OpenGL 3.3.")
      .arg(renderer)
      .arg(format.majorVersion())
      .arg(format.minorVersion());
}

void TQtShell::ReportStartFailure(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
  box.exec();
}

void TQtShell::ReportError(const QString& text) {
  if (text == FShownError ||
      std::find(FPendingErrors.begin(), FPendingErrors.end(), text) != FPendingErrors.end())
    return;
  FPendingErrors.push_back(text);
  if (FErrorsScheduled) return;
  FErrorsScheduled = true;
  QTimer::singleShot(0, this, [this] { ShowPendingErrors(); });
}

void TQtShell::ShowPendingErrors() {
  while (!FPendingErrors.empty()) {
    FShownError = FPendingErrors.front();
    FPendingErrors.pop_front();
    const QString title =
        FMainForm ? QString::fromStdString(FMainForm->Caption()) : applicationName();
    QMessageBox box(QMessageBox::Critical, title, FShownError, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    // Over the main window, also when that one is full screen.
    if (TFormWindow* main = FMainForm ? WindowOf(*FMainForm) : nullptr; main && main->isVisible()) {
      box.winId();
      box.windowHandle()->setTransientParent(main);
    }
    box.exec();
    FShownError.clear();
  }
  FErrorsScheduled = false;
}

void TQtShell::CreateWindowFor(TFormBase& form) {
  auto* window = new TFormWindow(form);
  if (FStartScreen) {
    // The window system places a new window by where it lies, so it starts inside the monitor
    // too; the window service then places it there.
    window->setScreen(FStartScreen);
    window->setPosition(FStartScreen->geometry().topLeft());
  }
  FWindows[&form] = window;
  if (!FMainForm) FMainForm = &form;
}

TFormWindow* TQtShell::WindowOf(const TFormBase& form) const {
  const auto it = FWindows.find(&form);
  return it == FWindows.end() ? nullptr : it->second;
}

void TQtShell::ShowWindow(TFormBase& form) {
  form.Show();
}

void TQtShell::RunLoop(TFormBase& mainForm) {
  FMainForm = &mainForm;
  // Closing the main window ends the program, whatever other windows are open.
  if (TFormWindow* main = WindowOf(mainForm))
    QObject::connect(main, &TFormWindow::Closed, this, &QCoreApplication::quit);
  exec();
}

void TQtShell::Quit() {
  QCoreApplication::quit();
}

void TQtShell::DestroyWindows(std::vector<std::unique_ptr<TFormBase>>& forms) {
  // Later windows first; each form is freed while its window's device is current, so the
  // GPU objects of its views are released on the right device.
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    TFormBase* form = it->get();
    TFormWindow* window = WindowOf(*form);
    FWindows.erase(form);
    if (window) {
      window->FreeForm(std::move(*it));
      delete window;
    }
    it->reset();
  }
  forms.clear();
  FWindows.clear();
  FMainForm = nullptr;
}

}  // namespace ui::qt
