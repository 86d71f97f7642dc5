// Frame cost of the real program with and without the 2D layer: after the start-up glide,
// with every animation stopped, paints 60 frames back to back with the label, the panel and
// the information texts shown, then 60 with all three hidden, and prints the median wall
// time of a frame for each (a frame is asked for as soon as the previous one was presented).
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/Program.h"
#include "app/Unit2.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/QtShell.h"

namespace {

using TClock = std::chrono::steady_clock;

void ShowOverlay(bool shown) {
  app::Form2->Label1->SetVisible(shown);
  app::Form2->Panel1->SetVisible(shown);
  app::Form2->Text1->SetVisible(shown);
  app::Form2->Text2->SetVisible(shown);
}

double MedianMs(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  constexpr int FramesPerRun = 60;
  static std::vector<double> shown, hidden;
  static TClock::time_point last;
  static int phase = 0;  // 0 waiting, 1 with the overlay, 2 without
  return app::RunOrvane(argc, argv, [](ui::qt::TQtShell& platform) {
    ui::qt::TFormWindow* window = platform.WindowOf(*app::Form2);
    QObject::connect(window, &ui::qt::TFormWindow::FramePresented, &platform, [window, &platform] {
      if (phase == 0) return;
      const TClock::time_point now = TClock::now();
      std::vector<double>& run = phase == 1 ? shown : hidden;
      run.push_back(std::chrono::duration<double, std::milli>(now - last).count());
      last = now;
      if (static_cast<int>(run.size()) == FramesPerRun) {
        if (phase == 2) {
          std::printf("frame-ms-with-overlay %.2f\nframe-ms-without-overlay %.2f\n",
                      MedianMs(shown), MedianMs(hidden));
          std::fflush(stdout);
          platform.quit();
          return;
        }
        phase = 2;
        ShowOverlay(false);
      }
      window->update();
    });
    QTimer::singleShot(4000, &platform, [window] {
      for (app::TOrbitAnimation* animation : app::Form2->FloatAnimations)
        animation->StopAtCurrent();
      ShowOverlay(true);
      phase = 1;
      last = TClock::now();
      window->update();
    });
  });
}
