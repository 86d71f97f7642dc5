// The program's command line: --help, --version, --windowed, --screenshot FILE with --size WxH
// and --at SECONDS, and --record FILE with --seconds, --fps, --size, --from and --speed. Reading it
// prints nothing and needs no display, so `orvane --version` answers on a terminal without one; the
// entry point prints what it returns and ends with its exit code, makes the screenshot, or opens
// the windows.
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

// The longest recording, in seconds of clip, and its highest frame rate.
constexpr double MaxRecordingSeconds = 3600;
constexpr int MaxRecordingFps = 120;
// How much faster than real time a recording may run at most.
constexpr double MaxRecordingSpeed = 1000;

// --record: a time-lapse of the view, made without a window, as a video, an animated GIF or
// numbered pictures (record/ClipFormat.h). Frame i shows the moment From + i * Speed / Fps,
// as --screenshot --at that moment shows it.
struct TRecordingRequest {
  std::string File;                 // the clip's file, or the pictures' pattern ("f-%04d.png")
  int Width = 1920, Height = 1080;  // pixels
  double Seconds = 0;               // of clip: Fps * Seconds frames (rounded, at least one)
  int Fps = 30;                     // frames a second in the clip
  double From = 3;                  // the first frame's moment: by default where the glide ends
  double Speed = 1;                 // seconds of the scene per second of clip
  friend bool operator==(const TRecordingRequest&, const TRecordingRequest&) = default;
  long FrameCount() const;
  // The moment frame `index` shows, in seconds since the window was made.
  double FrameMoment(long index) const;
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
  std::optional<TRecordingRequest> Recording;
  // What --help prints: also printed after an error found once the command runs.
  std::string Usage;
};

// `arguments` as the process got them, the program's path first.
TCommandLine ReadCommandLine(const QStringList& arguments);
// The same from main's arguments; prints Out on the standard output and Err on the standard
// error.
TCommandLine ReadAndPrintCommandLine(int argc, char** argv);

// "orvane 0.1.0": the installed name and the version from the build.
std::string VersionLine();

}  // namespace app
