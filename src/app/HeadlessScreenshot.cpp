#include "app/HeadlessScreenshot.h"

#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "app/AboutWindow.h"
#include "app/HugePages.h"
#include "app/MainWindow.h"
#include "app/SceneTextures.h"
#include "scene/animation/ManualAnimationPlatform.h"
#include "ui/files/ImageFileWriter.h"
#include "ui/qt/OffscreenWindowHost.h"
#include "ui/qt/OverlayFont.h"
#include "ui/qt/QtImageFileWriter.h"
#include "ui/window/Shell.h"

namespace app {

namespace {

// The windows exist without native ones: the main window is hosted off-screen, and "running"
// it is making the picture.
class THeadlessShellPlatform : public ui::IShellPlatform {
 public:
  THeadlessShellPlatform(ui::qt::TOffscreenWindowHost& host, std::function<void()> run)
      : FHost(host), FRun(std::move(run)) {}
  void CreateWindowFor(ui::TFormBase&) override {}
  void ShowWindow(ui::TFormBase&) override {}
  void RunLoop(ui::TFormBase&) override { FRun(); }
  void Quit() override {}
  void DestroyWindows(std::vector<std::unique_ptr<ui::TFormBase>>& forms) override {
    // The views free their device objects with the device current.
    FHost.MakeDeviceCurrent();
    FHost.Unhost();
    forms.clear();
  }

 private:
  ui::qt::TOffscreenWindowHost& FHost;
  std::function<void()> FRun;
};

// Runs the clock from the windows' creation to `seconds`, a frame (1/60 s) at a time as the
// event loop's timer would, in at most a minute's worth of frames.
void RunClockTo(scene::TManualAnimationPlatform& clock, double seconds) {
  constexpr double MaxSteps = 3600;
  const double steps = std::min(std::ceil(seconds * 60), MaxSteps);
  for (double i = 1; i <= steps; ++i) {
    clock.TickAt(seconds * i / steps);
    clock.RunQueuedTasks();
  }
}

}  // namespace

int SaveHeadlessScreenshot(int argc, char** argv, const TScreenshotRequest& request) {
  StartWithHugePages(argv);
  // Qt serves the fonts, the 2D layer's painting and the encoders; no window is made, so its
  // platform without a display does.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Nothing is printed but an error: Qt's notes on the environment (a missing runtime folder
  // and the like) are not this command's to show.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  QGuiApplication qt(argc, argv);
  ui::qt::RegisterOverlayFonts();
  std::string error;
  auto device = scene::gl::THeadlessGLContext::Create(error);
  if (!device) {
    std::fprintf(stderr, "orvane: the screenshot cannot be made: %s.\n", error.c_str());
    return 1;
  }
  if (const int most = device->MaxRenderTargetSize();
      request.Width > most || request.Height > most) {
    std::fprintf(stderr,
                 "orvane: the screenshot cannot be made: %s draws at most %d x %d pixels.\n",
                 device->Renderer().c_str(), most, most);
    return 1;
  }
  scene::TManualAnimationPlatform clock;
  scene::TServiceInstallation<scene::IAnimationPlatform> clockInstallation(clock);
  // Filled band by band at the first draw: there is no window start to overlap with.
  TSceneTexturesFunction textureMaker([] { return std::make_unique<TPackedSceneTextures>(); });
  scene::TServiceInstallation<ISceneTexturesMaker> textures(textureMaker);
  ui::qt::TQtImageFileWriter imageFileWriter;
  scene::TServiceInstallation<ui::IImageFileWriter> imageFiles(imageFileWriter);
  // No documents folder is installed: nothing is made in the user's folders.
  ui::qt::TOffscreenWindowHost host(std::move(device));
  THeadlessShellPlatform platform(host, [&] {
    host.Host(*Form2, request.Width, request.Height);
    RunClockTo(clock, request.AtSeconds);
    Form2->SaveScreenshot(request.File);
  });
  try {
    ui::TShell application(platform);
    Application = &application;
    application.RegisterWindow(Form2);
    application.RegisterWindow(Form1);
    application.Run();
  } catch (const std::exception& e) {
    Application = nullptr;
    std::fprintf(stderr, "orvane: %s\n", e.what());
    return 1;
  }
  Application = nullptr;
  return 0;
}

}  // namespace app
