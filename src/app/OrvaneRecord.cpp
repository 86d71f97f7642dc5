// orvane-record: the program `orvane --record` runs in its place (see app/RecorderProgram.h).
// Reads the same command line and makes the recording it asks for.
#include <cstdio>

#include "app/CommandLine.h"
#include "app/HeadlessRecording.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  const app::TCommandLine line = app::ReadCommandLine(arguments);
  std::fputs(line.Out.c_str(), stdout);
  std::fputs(line.Err.c_str(), stderr);
  if (line.ExitCode) return *line.ExitCode;
  if (!line.Recording) {
    std::fputs("orvane-record: makes the recordings of orvane --record; run that instead.\n",
               stderr);
    return 2;
  }
  return app::RecordHeadless(argc, argv, *line.Recording, line.Usage);
}
