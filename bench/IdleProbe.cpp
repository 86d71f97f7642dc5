// Idle cost of the real program: waits until the start-up glide has ended, switches the
// body animations off as "Auto-rotate" does, then measures the process's CPU time and the
// frames painted over 10 seconds with nothing moving; prints the figures and ends.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/QtShell.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  static int frames = 0;
  static double cpuAtStart = 0;
  return app::RunOrvane(argc, argv, [](ui::qt::TQtShell& platform) {
    ui::qt::TFormWindow* window = platform.WindowOf(*app::Form2);
    QObject::connect(window, &ui::qt::TFormWindow::FramePresented, [] { ++frames; });
    QTimer::singleShot(4000, &platform, [&platform] {
      for (app::TOrbitAnimation* animation : app::Form2->FloatAnimations)
        animation->StopAtCurrent();
      QTimer::singleShot(1000, &platform, [&platform] {
        frames = 0;
        cpuAtStart = CpuSeconds();
        QTimer::singleShot(10000, &platform, [&platform] {
          const double cpu = CpuSeconds() - cpuAtStart;
          std::printf("idle-cpu-s %.4f\nidle-cpu-percent-of-core %.3f\nidle-frames %d\n", cpu,
                      cpu / 10.0 * 100.0, frames);
          std::fflush(stdout);
          platform.quit();
        });
      });
    });
  });
}
