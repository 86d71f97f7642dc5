// Screenshot cost in the real program: once the glide has ended, renders the view into a
// picture and saves it as JPEG (best quality) and as PNG, 7 times each and interleaved, into
// a temporary folder, and prints the median wall time of each (render and save together).
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "ui/files/BitmapCodecs.h"
#include "ui/qt/QtShell.h"

namespace {

double MedianMs(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

double SaveMs(const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  const std::unique_ptr<ui::TBitmap> picture = app::Form2->Viewport3D1->MakeScreenshot();
  ui::TBitmapCodecSaveParams params;
  params.Quality = 100;
  picture->SaveToFile(path, &params);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  return app::RunOrvane(argc, argv, [](ui::qt::TQtShell& platform) {
    QTimer::singleShot(4000, &platform, [&platform] {
      QTemporaryDir folder;
      std::vector<double> jpeg, png;
      for (int i = 0; i < 7; ++i) {
        jpeg.push_back(SaveMs(folder.filePath("shot.jpg").toStdString()));
        png.push_back(SaveMs(folder.filePath("shot.png").toStdString()));
      }
      std::printf("screenshot-jpeg-ms %.1f\nscreenshot-png-ms %.1f\n", MedianMs(jpeg),
                  MedianMs(png));
      std::fflush(stdout);
      platform.quit();
    });
  });
}
