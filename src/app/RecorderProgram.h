// `orvane --record` runs in a program of its own, orvane-record, which the viewer starts in its
// place. Only that program links FFmpeg's libraries and the codecs they bring (a hundred
// libraries): the viewer, which every start and `--version` load, stays without them.
#pragma once

namespace app {

// Runs the recorder in place of this program with the same arguments: the one beside the
// running program (the build tree), else in the private folder of an installed one
// (bin/../lib/orvane). Returns only when it cannot: 1, after printing why.
int RunRecorder(char** argv);

}  // namespace app
