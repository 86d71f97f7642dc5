// One-shot timers on Qt, without a display: the callback runs once from the event loop, a
// destroyed handle cancels its timer, and a handle may be destroyed from its own callback.
// The loops run until the outcome is there; their deadline only keeps a broken build from
// hanging.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <memory>
#include <vector>

#include "ui/qt/QtOneShotTimer.h"

namespace ui::qt {
namespace {

struct QtOneShot : ::testing::Test {
  int argc = 1;
  char name[16] = "qt_one_shot";
  char* argv[2] = {name, nullptr};
  QCoreApplication application{argc, argv};
  TQtOneShotTimerSource timers;
  std::vector<const char*> fired;

  // Runs the event loop until a timer started now, `ms` later, has called back.
  void RunFor(int ms) {
    bool done = false;
    auto marker = timers.StartOneShot(ms, [&] { done = true; });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    watchdog.start(10000);
    while (!done && watchdog.isActive())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ASSERT_TRUE(done);
  }
};

TEST_F(QtOneShot, CallsBackOnceFromTheEventLoop) {
  auto timer = timers.StartOneShot(0, [&] { fired.push_back("a"); });
  EXPECT_TRUE(fired.empty());
  RunFor(5);
  RunFor(5);
  EXPECT_EQ(fired, std::vector<const char*>{"a"});
}

TEST_F(QtOneShot, ADestroyedHandleCancelsItsTimer) {
  auto a = timers.StartOneShot(0, [&] { fired.push_back("a"); });
  auto b = timers.StartOneShot(0, [&] { fired.push_back("b"); });
  a.reset();
  RunFor(5);
  EXPECT_EQ(fired, std::vector<const char*>{"b"});
}

TEST_F(QtOneShot, AHandleMayBeDestroyedByItsOwnCallback) {
  std::unique_ptr<IOneShotTimer> timer;
  timer = timers.StartOneShot(0, [&] {
    fired.push_back("a");
    timer.reset();
  });
  RunFor(5);
  EXPECT_EQ(fired, std::vector<const char*>{"a"});
  EXPECT_EQ(timer, nullptr);
  RunFor(0);  // the QTimer handed to the event loop is freed here
}

}  // namespace
}  // namespace ui::qt
