// A recording's progress on a terminal: one line on the standard error, rewritten in place
// (frames done, frames drawn a second, time left), and wiped when the recording ends. Nothing
// is written when the standard error is no terminal (a log, a pipe, a test).
#pragma once

#include <chrono>
#include <string>

namespace app {

// "frame 120 of 600 (20%), 24.5 frames/s, 0:20 left"; the time left from the rate so far
// (hours as h:mm:ss), left out until a frame a second can be reckoned.
std::string ProgressText(long done, long total, double elapsedSeconds);

class TRecordingProgress {
 public:
  // Shown when `shown` (by default when the standard error is a terminal).
  explicit TRecordingProgress(long total, bool shown = StandardErrorIsATerminal());
  ~TRecordingProgress();

  // `done` frames are made: rewrites the line, at most about five times a second.
  void Update(long done);
  // Wipes the line.
  void Clear();

  static bool StandardErrorIsATerminal();

 private:
  long FTotal;
  bool FShown, FWritten = false;
  std::chrono::steady_clock::time_point FStart, FLastWritten;
};

}  // namespace app
