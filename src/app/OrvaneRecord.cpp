// orvane-record: the program `orvane --record` runs in its place (see app/RecorderProgram.h).
// Reads the same command line and makes the recording it asks for.
#include <cstdio>

#include "app/CommandLine.h"
#include "app/HeadlessRecording.h"

int main(int argc, char** argv) {
  const app::TCommandLine line = app::ReadAndPrintCommandLine(argc, argv);
  if (line.ExitCode) return *line.ExitCode;
  if (!line.Recording) {
    std::fputs("orvane-record: makes the recordings of orvane --record; run that instead.\n",
               stderr);
    return 2;
  }
  return app::RecordHeadless(argc, argv, *line.Recording, line.Usage);
}
