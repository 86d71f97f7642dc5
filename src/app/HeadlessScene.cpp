#include "app/HeadlessScene.h"

#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <exception>

#include "app/AboutWindow.h"
#include "app/HugePages.h"
#include "app/MainWindow.h"
#include "app/SceneTextures.h"
#include "ui/files/ImageFileWriter.h"
#include "ui/qt/OffscreenWindowHost.h"
#include "ui/qt/OverlayFont.h"
#include "ui/qt/QtImageFileWriter.h"
#include "ui/window/Shell.h"

namespace app {

namespace {

constexpr double TicksPerSecond = 60;

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

// `seconds` on the tick it is within a millionth of a tick of: "3.1" and 3 + 1/10 are then the
// same tick's moment, to the bit, however they were reckoned.
double OnTick(double seconds) {
  const double ticks = std::round(seconds * TicksPerSecond);
  return std::abs(seconds * TicksPerSecond - ticks) < 1e-6 ? ticks / TicksPerSecond : seconds;
}

}  // namespace

void THeadlessScene::RunClockTo(double seconds) {
  const double to = OnTick(seconds);
  const auto tick = [&](double at) {
    FClock.TickAt(at);
    FClock.RunQueuedTasks();
  };
  for (double n = std::floor(FClock.Clock * TicksPerSecond + 1e-6) + 1; n / TicksPerSecond < to;
       ++n)
    tick(n / TicksPerSecond);
  if (to > FClock.Clock) tick(to);
}

ui::TBitmap THeadlessScene::Picture() {
  return Form2->ScreenshotPicture();
}

int RunHeadless(int argc, char** argv, const THeadlessRun& run,
                const std::function<int(THeadlessScene&)>& work) {
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
    std::fprintf(stderr, "orvane: %s cannot be made: %s.\n", run.What.c_str(), error.c_str());
    return 1;
  }
  if (const int most = device->MaxRenderTargetSize(); run.Width > most || run.Height > most) {
    std::fprintf(stderr, "orvane: %s cannot be made: %s draws at most %d x %d pixels.\n%s",
                 run.What.c_str(), device->Renderer().c_str(), most, most,
                 run.AfterRefusal.c_str());
    return run.RefusedSizeStatus;
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
  THeadlessScene scene(clock);
  int status = 0;
  THeadlessShellPlatform platform(host, [&] {
    // Each picture is the view of its moment exactly as a first frame draws it, whatever came
    // before: a recording's frames are the screenshots of their moments to the pixel, so the
    // sky is drawn every frame instead of laid in from a kept image.
    Form2->Sphere2->SetBackdrop(false);
    host.Host(*Form2, run.Width, run.Height);
    status = work(scene);
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
  return status;
}

}  // namespace app
