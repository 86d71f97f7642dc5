// One-shot timers on Qt: a single-shot QTimer of the thread that starts it (the GUI thread),
// delivered by whatever event loop runs, modal ones included.
//
// An error thrown by a callback leaves the timer's slot and reaches the application's
// notify(), which reports it. A handle destroyed from inside its own callback hands its
// QTimer to the event loop to free.
#pragma once

#include "ui/services/OneShotTimer.h"

namespace ui::qt {

class TQtOneShotTimerSource : public IOneShotTimerSource {
 public:
  std::unique_ptr<IOneShotTimer> StartOneShot(int milliseconds,
                                              std::function<void()> onElapsed) override;
};

}  // namespace ui::qt
