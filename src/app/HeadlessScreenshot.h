// `orvane --screenshot FILE`: the main window made without a window or a display, its clock
// run by hand to the moment asked for, and its view saved as the menu's "Screenshot" saves it
// (same rendering, same encoders, same safe replacement of the file). Prints nothing when it
// succeeds; otherwise prints why on the standard error.
#pragma once

#include "app/CommandLine.h"

namespace app {

// 0 when the picture was saved, 1 when it could not be made or saved.
int SaveHeadlessScreenshot(int argc, char** argv, const TScreenshotRequest& request);

}  // namespace app
