// Start-up and memory of the real program: prints the wall-clock time of the first presented
// frame (nanoseconds since the epoch, so a script can subtract its own start time), how long
// the textures took to be ready and how long the first paint waited for them; then, once the
// glide has ended and the scene has settled (6 seconds after the first frame), the resident
// memory then and its peak so far; then ends the program. Between, once the full textures are
// in, how many frames were drawn with their small copies. With --png the scene's textures are
// decoded from PNG files on worker threads instead of made from the packed ones, for a
// comparison in the same run.
#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "assets/EmbeddedAssets.h"
#include "ui/files/PngDecoder.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/QtShell.h"

namespace {

// A "Vm…" line of /proc/self/status in megabytes (the kernel gives kB).
double StatusMegabytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) / 1024.0;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool png = argc > 1 && std::string(argv[1]) == "--png";
  // Installed over the program's own maker, which uninstalls it as the program ends.
  app::TSceneTexturesFunction pngMaker([] {
    return std::make_unique<app::TPngSceneTextures>(ui::DecodePng, assets::EmbeddedImage);
  });
  const auto configure = [png, &pngMaker] {
    if (png) scene::TService<app::ISceneTexturesMaker>::Install(&pngMaker);
  };
  return app::RunOrvane(
      argc, argv,
      [](ui::qt::TQtShell& platform) {
        ui::qt::TFormWindow* window = platform.WindowOf(*app::Form2);
        QObject::connect(window, &ui::qt::TFormWindow::FramePresented, &platform, [&platform] {
          // The frames drawn with the small copies of the textures, and when the full ones came.
          static int smallFrames = 0;
          static bool complete = false;
          if (!complete) {
            const app::TSceneTextures* textures = app::Form2->Textures();
            complete = !textures || textures->Complete();
            if (complete) {
              std::printf("small-texture-frames %d\nfull-textures-s %.3f\n", smallFrames,
                          textures ? textures->ReadySeconds() : 0.0);
              std::fflush(stdout);
            } else {
              ++smallFrames;
            }
          }
          static bool reported = false;
          if (std::exchange(reported, true)) return;
          const auto now = std::chrono::system_clock::now().time_since_epoch();
          const app::TSceneTextures* textures = app::Form2->Textures();
          std::printf("first-frame-ns %lld\ntextures-ready-s %.3f\ntextures-wait-s %.3f\n",
                      static_cast<long long>(std::chrono::nanoseconds(now).count()),
                      textures ? textures->ReadySeconds() : 0.0,
                      textures ? textures->WaitSeconds() : 0.0);
          std::fflush(stdout);
          QTimer::singleShot(6000, &platform, [&platform] {
            std::printf("settled-rss-mb %.1f\npeak-rss-mb %.1f\n", StatusMegabytes("VmRSS"),
                        StatusMegabytes("VmHWM"));
            std::fflush(stdout);
            platform.quit();
          });
        });
      },
      configure);
}
