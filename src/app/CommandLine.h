// The program's command line: --help, --version and --windowed. Reading it prints nothing and
// needs no display, so `orvane --version` answers on a terminal without one; the entry point
// prints what it returns and ends with its exit code, or opens the windows.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace app {

struct TCommandLine {
  // Set when the program ends at once: 0 after --help or --version, 2 for a command line it
  // does not understand (an unknown option, a missing value, an argument it takes none of).
  std::optional<int> ExitCode;
  std::string Out;  // for the standard output: the help or the version
  std::string Err;  // for the standard error: what was wrong, then the usage
  // --windowed: the main window opens framed at its normal size instead of full screen.
  bool Windowed = false;
};

// `arguments` as the process got them, the program's path first.
TCommandLine ReadCommandLine(const QStringList& arguments);

// "orvane 0.1.0": the installed name and the version from the build.
std::string VersionLine();

}  // namespace app
