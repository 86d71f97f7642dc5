#include "ui/qt/QtAnimationPlatform.h"

#include <QMetaObject>
#include <QTimer>

namespace ui::qt {

namespace {

class TQtAnimationTimer : public scene::IAnimationTimer {
 public:
  explicit TQtAnimationTimer(std::function<void()> onTimer) {
    FTimer.setTimerType(Qt::PreciseTimer);
    // No try/catch here on purpose: an error leaves the slot so that the application's
    // notify() reports it; the QTimer stays active.
    QObject::connect(&FTimer, &QTimer::timeout, [onTimer = std::move(onTimer)] { onTimer(); });
  }

  void SetInterval(int milliseconds) override {
    // QTimer restarts an active timer on every setInterval; the clock sets the same value at
    // every tick.
    if (FTimer.interval() != milliseconds) FTimer.setInterval(milliseconds);
  }

  void SetEnabled(bool enabled) override {
    if (enabled == FTimer.isActive()) return;
    if (enabled)
      FTimer.start();
    else
      FTimer.stop();
  }

  bool Enabled() const override { return FTimer.isActive(); }

 private:
  QTimer FTimer;
};

}  // namespace

TQtAnimationPlatform::TQtAnimationPlatform() {
  FClock.start();  // monotonic where the system has a monotonic clock
}

TQtAnimationPlatform::~TQtAnimationPlatform() = default;

double TQtAnimationPlatform::Now() {
  return static_cast<double>(FClock.nsecsElapsed()) / 1e9;
}

std::unique_ptr<scene::IAnimationTimer> TQtAnimationPlatform::CreateTimer(
    std::function<void()> onTimer) {
  return std::make_unique<TQtAnimationTimer>(std::move(onTimer));
}

void TQtAnimationPlatform::QueueTask(std::function<void()> task) {
  QMetaObject::invokeMethod(&FTaskContext, std::move(task), Qt::QueuedConnection);
}

}  // namespace ui::qt
