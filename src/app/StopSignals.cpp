#include "app/StopSignals.h"

#include <cstdlib>

namespace app {

namespace {

constexpr int Signals[3] = {SIGINT, SIGTERM, SIGHUP};
volatile std::sig_atomic_t Received = 0;

void Note(int signal) {
  Received = signal;
}

}  // namespace

TStopSignals::TStopSignals() {
  Received = 0;
  struct sigaction action = {};
  action.sa_handler = Note;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) {
    sigaction(Signals[i], nullptr, &FBefore[i]);
    // Started under nohup: the closing terminal is not for this program to notice.
    if (Signals[i] == SIGHUP && FBefore[i].sa_handler == SIG_IGN) continue;
    sigaction(Signals[i], &action, nullptr);
  }
}

TStopSignals::~TStopSignals() {
  for (int i = 0; i < 3; ++i)
    sigaction(Signals[i], &FBefore[i], nullptr);
}

bool TStopSignals::Requested() const {
  return Received != 0;
}

void TStopSignals::EndAsAsked() {
  const int signal = Received ? Received : SIGTERM;
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);
}

}  // namespace app
