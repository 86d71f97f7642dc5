// The program's command line: --help, --version, --windowed, and --screenshot FILE with
// --size WxH and --at SECONDS. Reading it prints nothing and needs no display, so
// `orvane --version` answers on a terminal without one; the entry point prints what it returns
// and ends with its exit code, makes the screenshot, or opens the windows.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace app {

// The largest side --size takes, and the latest moment --at takes (a day).
constexpr int MaxScreenshotSide = 16384;
constexpr double MaxScreenshotSeconds = 86400;

// --screenshot: the view as the menu's "Screenshot" saves it, made without a window.
struct TScreenshotRequest {
  std::string File;                 // the picture's file; its extension chooses the format
  int Width = 1920, Height = 1080;  // pixels
  double AtSeconds = 3;             // since the window was made: by default where the glide ends
  friend bool operator==(const TScreenshotRequest&, const TScreenshotRequest&) = default;
};

struct TCommandLine {
  // Set when the program ends at once: 0 after --help or --version, 2 for a command line it
  // does not understand (an unknown option, a missing value, an argument it takes none of).
  std::optional<int> ExitCode;
  std::string Out;  // for the standard output: the help or the version
  std::string Err;  // for the standard error: what was wrong, then the usage
  // --windowed: the main window opens framed at its normal size instead of full screen.
  bool Windowed = false;
  // --screen: the monitor to open on, by name (as xrandr and Qt name it) or number (from 0, in
  // the order Qt lists them); empty for the primary one.
  std::string Screen;
  std::optional<TScreenshotRequest> Screenshot;
};

// `arguments` as the process got them, the program's path first.
TCommandLine ReadCommandLine(const QStringList& arguments);

// "orvane 0.1.0": the installed name and the version from the build.
std::string VersionLine();

}  // namespace app
