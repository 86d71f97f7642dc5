// Moons of Orvane: the entry point. Reads the command line (--help, --version, --screenshot and
// --record answer without opening a window; --record in the recorder's program), registers the
// main window, then the About window, and runs the application until "Exit" or the main window
// is closed.
#include "app/CommandLine.h"
#include "app/HeadlessScreenshot.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/RecorderProgram.h"

int main(int argc, char** argv) {
  const app::TCommandLine line = app::ReadAndPrintCommandLine(argc, argv);
  if (line.ExitCode) return *line.ExitCode;
  if (line.Screenshot) return app::SaveHeadlessScreenshot(argc, argv, *line.Screenshot);
  if (line.Recording) return app::RunRecorder(argv);
  app::StartFullScreen = !line.Windowed;
  app::StartScreen = line.Screen;
  return app::RunOrvane(argc, argv);
}
