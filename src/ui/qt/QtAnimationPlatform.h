// The animation clock's platform on Qt: a QTimer of the GUI thread, a monotonic clock, and
// tasks queued to the GUI thread's event loop.
//
// Create it on the GUI thread once the application object exists and install it with
// scene::TServiceInstallation<scene::IAnimationPlatform> before the first window is created;
// uninstall it before it is destroyed. Timer events are delivered by whatever event loop runs,
// modal ones included. An error thrown by a tick leaves the timer's slot and reaches the
// application's notify(), which reports it; the timer keeps running. Tasks still queued when the
// platform is destroyed are dropped.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "scene/animation/AnimationPlatform.h"

namespace ui::qt {

class TQtAnimationPlatform : public scene::IAnimationPlatform {
 public:
  TQtAnimationPlatform();
  ~TQtAnimationPlatform() override;
  TQtAnimationPlatform(const TQtAnimationPlatform&) = delete;
  TQtAnimationPlatform& operator=(const TQtAnimationPlatform&) = delete;

  double Now() override;
  std::unique_ptr<scene::IAnimationTimer> CreateTimer(std::function<void()> onTimer) override;
  void QueueTask(std::function<void()> task) override;

 private:
  QElapsedTimer FClock;
  QObject FTaskContext;  // queued tasks run in its thread and die with it
};

}  // namespace ui::qt
