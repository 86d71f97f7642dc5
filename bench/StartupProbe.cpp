// Start-up timing of the real program: prints the wall-clock time of the first presented
// frame (nanoseconds since the epoch, so a script can subtract its own start time), the
// texture decoding's wall time and how long the first paint waited for it, and the peak
// resident memory; then ends the program.
#include <sys/resource.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <utility>

#include "app/Program.h"
#include "app/Unit2.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/QtShell.h"

int main(int argc, char** argv) {
  return app::RunOrvane(argc, argv, [](ui::qt::TQtShell& platform) {
    ui::qt::TFormWindow* window = platform.WindowOf(*app::Form2);
    QObject::connect(window, &ui::qt::TFormWindow::FramePresented, &platform, [&platform] {
      static bool reported = false;
      if (std::exchange(reported, true)) return;
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      rusage usage{};
      getrusage(RUSAGE_SELF, &usage);
      const app::TSceneTextures* textures = app::Form2->Textures();
      std::printf("first-frame-ns %lld\ndecode-wall-s %.3f\ndecode-wait-s %.3f\npeak-rss-mb %.1f\n",
                  static_cast<long long>(std::chrono::nanoseconds(now).count()),
                  textures ? textures->DecodeWallSeconds() : 0.0,
                  textures ? textures->WaitSeconds() : 0.0, usage.ru_maxrss / 1024.0);
      std::fflush(stdout);
      platform.quit();
    });
  });
}
