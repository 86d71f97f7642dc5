// A small program on the application's event loop whose timer raises an error at its third
// tick; it counts ticks and prints the count when its window is closed.
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <stdexcept>

#include "ui/qt/QtShell.h"

int main(int argc, char** argv) {
  ui::qt::TQtShell app(argc, argv);
  app.setApplicationName("Error probe");
  QWidget window;
  window.setWindowTitle("Probe window");
  window.resize(300, 200);
  window.show();
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&ticks] {
    if (++ticks == 3) throw std::runtime_error("Tick failed");
  });
  timer.start(20);
  app.exec();
  std::printf("ticks=%d\n", ticks);
  return 0;
}
