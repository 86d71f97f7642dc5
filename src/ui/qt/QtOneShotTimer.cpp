#include "ui/qt/QtOneShotTimer.h"

#include <QTimer>
#include <algorithm>
#include <memory>
#include <utility>

namespace ui::qt {

namespace {

class TQtOneShotTimer : public IOneShotTimer {
 public:
  TQtOneShotTimer(int milliseconds, std::function<void()> onElapsed)
      : FTimer(new QTimer), FOnElapsed(std::move(onElapsed)) {
    FTimer->setSingleShot(true);
    FTimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(FTimer, &QTimer::timeout, [this] { Elapsed(); });
    FTimer->start(std::max(milliseconds, 0));
  }

  ~TQtOneShotTimer() override {
    *FAlive = false;
    FTimer->stop();
    FTimer->disconnect();
    // Inside its own timeout the QTimer is still emitting: the event loop frees it.
    if (FFiring)
      FTimer->deleteLater();
    else
      delete FTimer;
  }

 private:
  void Elapsed() {
    const std::shared_ptr<bool> alive = FAlive;
    // The callback may destroy this handle; it runs from a copy.
    const std::function<void()> onElapsed = std::exchange(FOnElapsed, nullptr);
    FFiring = true;
    try {
      if (onElapsed) onElapsed();
    } catch (...) {
      if (*alive) FFiring = false;
      throw;
    }
    if (*alive) FFiring = false;
  }

  QTimer* FTimer;
  std::function<void()> FOnElapsed;
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
  bool FFiring = false;
};

}  // namespace

std::unique_ptr<IOneShotTimer> TQtOneShotTimerSource::StartOneShot(
    int milliseconds, std::function<void()> onElapsed) {
  return std::make_unique<TQtOneShotTimer>(milliseconds, std::move(onElapsed));
}

}  // namespace ui::qt
