#include "app/Program.h"

#include <QTimer>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "scene/AnimationPlatform.h"
#include "ui/Application.h"
#include "ui/PngDecoder.h"
#include "ui/qt/QtAnimationPlatform.h"
#include "ui/qt/QtApplication.h"

namespace app {

int RunOrvane(int argc, char** argv,
              const std::function<void(ui::qt::TQtApplication&)>& onLoopStarted) {
  ui::qt::TQtApplication::PrepareGraphics();
  ui::qt::TQtApplication platform(argc, argv);
  platform.setApplicationName("Orvane");
  // The one animation clock runs on the event loop's timers.
  ui::qt::TQtAnimationPlatform animationPlatform;
  scene::TAnimationPlatformInstallation animationClock(animationPlatform);
  PngDecoder = ui::DecodePng;
  if (onLoopStarted) QTimer::singleShot(0, &platform, [&] { onLoopStarted(platform); });

  ui::TApplication application(platform);
  application.CreateForm(Form2);
  application.CreateForm(Form1);
  application.Run();
  return 0;
}

}  // namespace app
