// While a TStopSignals lives, SIGINT (Ctrl+C), SIGTERM (a kill) and SIGHUP (the terminal
// closed) only note that the program was asked to stop: the work looks at Requested() between
// its steps, removes what it had begun, and ends as the signal would have ended it. Nothing is
// done in the handler itself but noting the signal.
#pragma once

#include <csignal>

namespace app {

class TStopSignals {
 public:
  TStopSignals();
  ~TStopSignals();
  TStopSignals(const TStopSignals&) = delete;
  TStopSignals& operator=(const TStopSignals&) = delete;

  bool Requested() const;
  // Ends the program by the signal that asked it to stop, with the system's own action for it
  // (the parent sees "killed by SIGTERM" and a shell sets $? to 128 + its number).
  [[noreturn]] void EndAsAsked();

 private:
  struct sigaction FBefore[3];
};

}  // namespace app
