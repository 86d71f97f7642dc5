// A recording's progress on a terminal: one line on the standard error, rewritten in place
// (frames done, frames drawn a second, time left), and wiped when the recording ends. Nothing
// is written when the standard error is no terminal (a log, a pipe, a test).
#pragma once

#include <chrono>
#include <string>

namespace app {

// "frame 120 of 600 (20%), 24.5 frames/s, 0:20 left": the rate of the `rateFrames` frames made
// in `rateSeconds`, and the time left at that rate (hours as h:mm:ss); both left out while no
// rate can be reckoned.
std::string ProgressText(long done, long total, long rateFrames, double rateSeconds);

class TRecordingProgress {
 public:
  // Shown when `shown` (by default when the standard error is a terminal).
  explicit TRecordingProgress(long total, bool shown = StandardErrorIsATerminal());
  ~TRecordingProgress();

  // `done` frames are made: rewrites the line, at most about five times a second. The rate
  // counts from the first frame on, whose drawing also fills the scene's textures.
  void Update(long done);
  // Every frame is made and the clip is being completed (a GIF is written only then).
  void Finishing();
  // Wipes the line.
  void Clear();

  static bool StandardErrorIsATerminal();

 private:
  void Write(const std::string& text);

  long FTotal;
  bool FShown, FWritten = false;
  long FFirstDone = 0;
  std::chrono::steady_clock::time_point FFirst, FLastWritten;
};

}  // namespace app
