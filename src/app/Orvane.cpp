// Moons of Orvane: the entry point. Reads the command line (--help, --version, --screenshot and
// --record answer without opening a window; --record in the recorder's program), registers the
// main window, then the About window, and runs the application until "Exit" or the main window
// is closed.
#include <cstdio>

#include "app/CommandLine.h"
#include "app/HeadlessScreenshot.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/RecorderProgram.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  const app::TCommandLine line = app::ReadCommandLine(arguments);
  std::fputs(line.Out.c_str(), stdout);
  std::fputs(line.Err.c_str(), stderr);
  if (line.ExitCode) return *line.ExitCode;
  if (line.Screenshot) return app::SaveHeadlessScreenshot(argc, argv, *line.Screenshot);
  if (line.Recording) return app::RunRecorder(argv);
  app::StartFullScreen = !line.Windowed;
  app::StartScreen = line.Screen;
  return app::RunOrvane(argc, argv);
}
