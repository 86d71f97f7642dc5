// The words of a recording's progress line: frames done of all, the rate, the time left.
#include "app/RecordingProgress.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(RecordingProgress, TellsTheFramesTheRateAndTheTimeLeft) {
  const struct {
    long done, total, rateFrames;
    double rateSeconds;
    const char* text;
  } rows[] = {
      // No rate before a second frame is made.
      {1, 600, 0, 0, "frame 1 of 600 (0%)"},
      {121, 600, 120, 5, "frame 121 of 600 (20%), 24.0 frames/s, 0:20 left"},
      {600, 600, 599, 20, "frame 600 of 600 (100%), 29.9 frames/s, 0:00 left"},
      // Hours as h:mm:ss: 108000 frames at 2 a second.
      {1000, 108000, 200, 100, "frame 1000 of 108000 (0%), 2.0 frames/s, 14:51:40 left"},
      {50, 100, 49, 49 * 60, "frame 50 of 100 (50%), 0.0 frames/s, 50:00 left"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(ProgressText(row.done, row.total, row.rateFrames, row.rateSeconds), row.text);
}

}  // namespace
}  // namespace app
