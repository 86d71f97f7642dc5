// What the real program costs when nothing moves, when the scene animates, and when it
// animates with its window hidden: waits until the start-up glide has ended, switches the body
// animations off as "Auto-rotate" does and measures the process's CPU time and the frames
// painted over 10 seconds; then starts them again and measures 10 seconds more; then unmaps
// the window (as minimising does) and measures 10 seconds more. Prints the figures and ends.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <functional>

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
  // Measures 10 seconds from now and prints them under `name`, then runs `next`.
  static const auto measure = [](ui::qt::TQtShell& platform, const char* name,
                                 std::function<void()> next) {
    frames = 0;
    cpuAtStart = CpuSeconds();
    QTimer::singleShot(10000, &platform, [name, next] {
      const double cpu = CpuSeconds() - cpuAtStart;
      std::printf("%s-cpu-s %.4f\n%s-cpu-percent-of-core %.3f\n%s-frames %d\n", name, cpu, name,
                  cpu / 10.0 * 100.0, name, frames);
      std::fflush(stdout);
      next();
    });
  };
  return app::RunOrvane(argc, argv, [](ui::qt::TQtShell& platform) {
    ui::qt::TFormWindow* window = platform.WindowOf(*app::Form2);
    QObject::connect(window, &ui::qt::TFormWindow::FramePresented, [] { ++frames; });
    QTimer::singleShot(4000, &platform, [&platform, window] {
      for (app::TOrbitAnimation* animation : app::Form2->FloatAnimations)
        animation->StopAtCurrent();
      QTimer::singleShot(1000, &platform, [&platform, window] {
        measure(platform, "idle", [&platform, window] {
          for (app::TOrbitAnimation* animation : app::Form2->FloatAnimations)
            animation->Start();
          measure(platform, "animating", [&platform, window] {
            window->hide();
            QTimer::singleShot(500, &platform, [&platform] {
              measure(platform, "hidden", [&platform] { platform.quit(); });
            });
          });
        });
      });
    });
  });
}
