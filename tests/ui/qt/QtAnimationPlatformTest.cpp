// The animation clock on Qt, without a display: the QTimer runs only while an animation is
// registered, temporary animations are freed by a queued task, and an error thrown by a tick
// reaches the application's notify() while the timer goes on. Time is real here: the loops
// wait for outcomes, and their deadline only keeps a broken build from hanging.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "scene/animation/AniThread.h"
#include "scene/animation/FloatAnimation.h"
#include "scene/objects/Control3D.h"
#include "support/ManualAnimationPlatform.h"
#include "ui/qt/QtAnimationPlatform.h"

namespace ui::qt {
namespace {

// Counts the timer events it delivers and catches errors escaping them, as the program's
// application object reports them.
class TProbeApplication : public QCoreApplication {
 public:
  using QCoreApplication::QCoreApplication;
  int TimerEvents = 0;
  QObject* Ignored = nullptr;  // the test's own timer, not counted
  std::vector<std::string> Errors;

  bool notify(QObject* receiver, QEvent* event) override {
    if (event->type() == QEvent::Timer && receiver != Ignored) ++TimerEvents;
    try {
      return QCoreApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      Errors.push_back(error.what());
    }
    return false;
  }
};

struct QtClock : ::testing::Test {
  int argc = 1;
  char name[16] = "qt_clock";
  char* argv[2] = {name, nullptr};
  TProbeApplication application{argc, argv};
  TQtAnimationPlatform platform;
  scene::TServiceInstallation<scene::IAnimationPlatform> installation{platform};
  scene::testing::TTestForm form;
  scene::TControl3D* camera = new scene::TControl3D;

  QtClock() { form.AddChild(camera); }

  // Runs the event loop until `done` holds, or for at most ten seconds.
  template <class Done>
  bool RunUntil(Done done) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    watchdog.start(10000);
    application.Ignored = &watchdog;
    while (!done() && watchdog.isActive())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    application.Ignored = nullptr;
    return done();
  }

  // Runs the event loop for `ms` milliseconds.
  void Idle(int ms) {
    QTimer spell;
    spell.setSingleShot(true);
    spell.start(ms);
    application.Ignored = &spell;
    while (spell.isActive())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    application.Ignored = nullptr;
  }
};

TEST_F(QtClock, TimerRunsOnlyWhileAnAnimationIsRegistered) {
  camera->Position().SetZ(-60);
  camera->AnimateFloat("position.z", -26, 0.3f);
  scene::TAniThread* clock = scene::TAniThread::Current();
  ASSERT_NE(clock, nullptr);
  EXPECT_TRUE(clock->TimerEnabled());

  // The glide ends at exactly its value and its queued task frees it.
  ASSERT_TRUE(RunUntil([&] { return camera->ChildCount() == 0; }));
  EXPECT_EQ(camera->Position().Z(), -26);
  EXPECT_GT(application.TimerEvents, 0);
  EXPECT_FALSE(clock->TimerEnabled());

  // Idle: not one timer event.
  application.TimerEvents = 0;
  Idle(300);
  EXPECT_EQ(application.TimerEvents, 0);
}

TEST_F(QtClock, QueuedTaskRunsFromTheEventLoopNotFromTheCall) {
  bool ran = false;
  platform.QueueTask([&] { ran = true; });
  EXPECT_FALSE(ran);
  EXPECT_TRUE(RunUntil([&] { return ran; }));
}

TEST_F(QtClock, ErrorInATickReachesNotifyAndTheTimerGoesOn) {
  auto* a = new scene::TFloatAnimation;
  a->SetParent(camera);
  a->SetPropertyName("Position.X");
  a->SetStopValue(10);
  a->SetDuration(0.3f);
  bool thrown = false;
  a->OnProcess = [&](scene::TSceneNode&) {
    if (!thrown && camera->Position().X() > 0) {
      thrown = true;
      throw std::runtime_error("tick failed");
    }
  };
  a->Start();
  ASSERT_TRUE(RunUntil([&] { return !a->Running(); }));
  EXPECT_EQ(application.Errors, std::vector<std::string>{"tick failed"});
  EXPECT_EQ(camera->Position().X(), 10);
}

}  // namespace
}  // namespace ui::qt
