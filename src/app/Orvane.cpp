// Moons of Orvane: the entry point. Registers the main window, then the About window, and
// runs the application until "Exit" or the main window is closed.
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "scene/AnimationPlatform.h"
#include "ui/Application.h"
#include "ui/qt/PngDecoder.h"
#include "ui/qt/QtAnimationPlatform.h"
#include "ui/qt/QtApplication.h"

int main(int argc, char** argv) {
  ui::qt::TQtApplication::PrepareGraphics();
  ui::qt::TQtApplication platform(argc, argv);
  platform.setApplicationName("Orvane");
  // The one animation clock runs on the event loop's timers.
  ui::qt::TQtAnimationPlatform animationPlatform;
  scene::TAnimationPlatformInstallation animationClock(animationPlatform);

  app::PngDecoder = ui::qt::DecodePng;

  ui::TApplication application(platform);
  application.CreateForm(app::Form2);
  application.CreateForm(app::Form1);
  application.Run();
  return 0;
}
