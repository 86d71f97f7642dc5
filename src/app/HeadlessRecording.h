// `orvane --record FILE --seconds S`: a time-lapse of the view made without a window or a
// display. The clock is run by hand from frame to frame, so frame i shows the moment
// From + i * Speed / Fps however long it takes to draw, as `--screenshot --at` that moment
// shows it when the moment is on a tick of the clock (app/HeadlessScene.h); the frames go to
// the clip's writer (record/ClipWriter.h). Prints nothing when it
// succeeds but its progress on a terminal; otherwise why on the standard error.
//
// SIGINT, SIGTERM and SIGHUP stop it after the frame being drawn: the unfinished clip is
// removed and an existing file of its name left as it was, and the program ends by the
// signal. (SIGKILL cannot be caught: it leaves the hidden pending file or folder beside the
// target, ".NAME.XXXXXX", which a later recording neither uses nor minds.)
//
// With ORVANE_RECORD_TIMING set in the environment it also prints, at the end, the seconds
// spent drawing and encoding (scripts/bench).
#pragma once

#include <string>

#include "app/CommandLine.h"

namespace app {

// 0 when the clip is in its place; 1 when it could not be made or written; 2 for a size the
// device cannot draw, after the reason and `usage`.
int RecordHeadless(int argc, char** argv, const TRecordingRequest& request,
                   const std::string& usage);

}  // namespace app
