#include "app/RecordingProgress.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>

namespace app {

std::string ProgressText(long done, long total, long rateFrames, double rateSeconds) {
  char text[160];
  const int percent = total > 0 ? static_cast<int>(100 * done / total) : 100;
  int length = std::snprintf(text, sizeof text, "frame %ld of %ld (%d%%)", done, total, percent);
  if (rateFrames > 0 && rateSeconds > 0) {
    const double rate = static_cast<double>(rateFrames) / rateSeconds;
    const long left = std::lround(static_cast<double>(total - done) / rate);
    length += std::snprintf(text + length, sizeof text - length, ", %.1f frames/s", rate);
    if (left >= 3600)
      std::snprintf(text + length, sizeof text - length, ", %ld:%02ld:%02ld left", left / 3600,
                    left / 60 % 60, left % 60);
    else
      std::snprintf(text + length, sizeof text - length, ", %ld:%02ld left", left / 60, left % 60);
  }
  return text;
}

TRecordingProgress::TRecordingProgress(long total, bool shown) : FTotal(total), FShown(shown) {}

TRecordingProgress::~TRecordingProgress() {
  Clear();
}

bool TRecordingProgress::StandardErrorIsATerminal() {
  return isatty(STDERR_FILENO) == 1;
}

void TRecordingProgress::Update(long done) {
  if (!FShown) return;
  const auto now = std::chrono::steady_clock::now();
  if (FFirstDone == 0) {
    FFirstDone = done;
    FFirst = now;
  }
  if (FWritten && done < FTotal && now - FLastWritten < std::chrono::milliseconds(200)) return;
  FLastWritten = now;
  const double seconds = std::chrono::duration<double>(now - FFirst).count();
  Write(ProgressText(done, FTotal, done - FFirstDone, seconds));
}

void TRecordingProgress::Finishing() {
  if (FShown) Write(ProgressText(FTotal, FTotal, 0, 0) + ", completing the clip");
}

void TRecordingProgress::Write(const std::string& text) {
  // Back to the line's start, the text, and the rest of the line wiped.
  std::fprintf(stderr, "\rorvane: recording %s\033[K", text.c_str());
  std::fflush(stderr);
  FWritten = true;
}

void TRecordingProgress::Clear() {
  if (!FWritten) return;
  std::fputs("\r\033[K", stderr);
  std::fflush(stderr);
  FWritten = false;
}

}  // namespace app
