#include "app/HeadlessScreenshot.h"

#include "app/HeadlessScene.h"
#include "app/MainWindow.h"

namespace app {

int SaveHeadlessScreenshot(int argc, char** argv, const TScreenshotRequest& request) {
  const THeadlessRun run{request.Width, request.Height, "the screenshot", 1, ""};
  return RunHeadless(argc, argv, run, [&](THeadlessScene& scene) {
    scene.RunClockTo(request.AtSeconds);
    Form2->SaveScreenshot(request.File);
    return 0;
  });
}

}  // namespace app
