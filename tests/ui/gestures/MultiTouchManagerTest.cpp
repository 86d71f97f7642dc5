// The touch recognizer, replayed message by message with timers fired by hand: zoom from two
// moving fingers, double tap from two quick taps, the targets they reach, the gestures the
// platform recognises itself, and odd input that must leave nothing behind.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "EventPrinting.h"
#include "GestureFakes.h"
#include "scene/objects/Control3D.h"
#include "ui/gestures/MultiTouchManager.h"
#include "ui/window/Control.h"

namespace ui {
namespace {

using enum TInteractiveGesture;
using enum TTouchAction;
using testing::TFakeTouchWindow;
using testing::TManualTimers;

constexpr TInteractiveGestureFlags Begin{TInteractiveGestureFlag::gfBegin};
constexpr TInteractiveGestureFlags End{TInteractiveGestureFlag::gfEnd};
constexpr TInteractiveGestureFlags Inertia{TInteractiveGestureFlag::gfInertia};
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

TGestureEventInfo Event(int id, TPointF location, TInteractiveGestureFlags flags, int distance) {
  TGestureEventInfo e;
  e.GestureID = id;
  e.Location = location;
  e.Flags = flags;
  e.Distance = distance;
  return e;
}

// The window: a viewport that takes zoom and double tap, with a 3D body and a label in it,
// and beside it a panel that takes no gesture.
//
//   (0,0)-(600,600) viewport   (100,100)-(200,200) body   (300,0)-(400,100) label
//   (600,0)-(800,600) panel    beyond x = 800 the window itself
struct Touches : ::testing::Test {
  TManualTimers timers;
  TFakeTouchWindow window;
  TControl* viewport = new TControl;
  scene::TControl3D* body = new scene::TControl3D;
  TControl* label = new TControl;
  TControl* panel = new TControl;
  struct TReceived {
    std::string receiver;
    TGestureEventInfo info;
  };
  std::vector<TReceived> received;
  TMultiTouchManager manager{window, timers};

  static constexpr TPointF OnViewport{450, 400}, OnBody{150, 150}, OnLabel{350, 50},
      OnPanel{700, 300}, OnWindow{900, 300};

  Touches() {
    window.Form.AddChild(viewport);
    window.Form.AddChild(panel);
    viewport->AddChild(body);
    viewport->AddChild(label);
    viewport->SetBounds(0, 0, 600, 600);
    panel->SetBounds(600, 0, 200, 600);
    label->SetBounds(300, 0, 100, 100);
    viewport->Touch().SetInteractiveGestures({Zoom, DoubleTap});
    window.Regions = {{{100, 100, 200, 200}, body},
                      {{300, 0, 400, 100}, label},
                      {{600, 0, 800, 600}, panel},
                      {{0, 0, 600, 600}, viewport}};
    const char* names[] = {"viewport", "label", "panel"};
    TControl* controls[] = {viewport, label, panel};
    for (int i = 0; i < 3; ++i) {
      controls[i]->SetName(names[i]);
      controls[i]->OnGesture = [this](scene::TSceneNode& sender, const TGestureEventInfo& info,
                                      bool& handled) {
        received.push_back({sender.Name(), info});
        handled = true;
      };
    }
  }

  void Send(TTouchAction action, std::vector<TPointF> touches) {
    manager.HandleTouches(touches, action);
  }
  void Tap(TPointF p) {
    Send(Down, {p});
    Send(Up, {p});
  }

  // Two fingers on a horizontal line through `center`, `distance` apart.
  static std::vector<TPointF> Fingers(TPointF center, float distance) {
    return {{center.X - distance / 2, center.Y}, {center.X + distance / 2, center.Y}};
  }
  // The fingers go down one after the other, the second `distances[0]` from the first, move
  // to the following distances and lift one after the other.
  void Pinch(TPointF center, const std::vector<float>& distances, bool lift = true) {
    const std::vector<TPointF> start = Fingers(center, distances[0]);
    Send(Down, {start[0]});
    Send(Down, start);
    for (size_t i = 1; i < distances.size(); ++i)
      Send(Move, Fingers(center, distances[i]));
    if (!lift) return;
    const std::vector<TPointF> last = Fingers(center, distances.back());
    Send(Up, last);
    Send(Up, {last[0]});
  }

  std::vector<TGestureEventInfo> Infos() const {
    std::vector<TGestureEventInfo> infos;
    for (const TReceived& r : received)
      infos.push_back(r.info);
    return infos;
  }

  // Nothing of a touch sequence is left.
  void ExpectIdle() const {
    EXPECT_TRUE(manager.ActiveInteractiveGestures().Empty());
    EXPECT_EQ(manager.GestureControl(), nullptr);
    EXPECT_EQ(manager.TouchDownControl(), nullptr);
  }
};

TEST_F(Touches, FingersMovingTwoPixelsOrLessPerMessageGiveNoZoom) {
  const std::vector<float> pinches[] = {
      {100, 102, 104, 106, 108, 110, 112, 114, 116, 118, 120},  // 20 pixels in steps of 2
      {100, 98, 96.5f, 95, 93, 91},
      {50, 52, 50, 52, 50},
      {100, 100, 100},
      {0, 0, 0},      // both fingers on the same point
      {10, 2, 1.5f},  // a change of 8, but to 2 pixels apart
      {1, 2, 0, 2},
  };
  for (const auto& pinch : pinches) {
    received.clear();
    Pinch(OnViewport, pinch);
    EXPECT_TRUE(received.empty()) << "pinch from " << pinch.front() << " to " << pinch.back();
    ExpectIdle();
  }
}

TEST_F(Touches, ZoomBeginsWithTheCurrentDistanceAndEndsWhenTheFingersLift) {
  const TPointF mid = OnViewport;
  const std::vector<float> distances = {100, 110, 111, 125, 140};
  const std::vector<TPointF> start = Fingers(mid, 100);
  Send(Down, {start[0]});
  Send(Down, start);
  for (size_t i = 1; i < distances.size(); ++i)
    Send(Move, Fingers(mid, distances[i]));
  EXPECT_EQ(manager.ActiveInteractiveGestures(), TInteractiveGestures{Zoom});
  EXPECT_EQ(Infos(),
            (std::vector<TGestureEventInfo>{Event(259, mid, Begin, 110), Event(259, mid, {}, 125),
                                            Event(259, mid, {}, 140)}));

  // The first finger to lift ends nothing; the last one ends the zoom, at the midpoint of its
  // position and the other finger's last one.
  received.clear();
  const std::vector<TPointF> last = Fingers(mid, 140);
  Send(Up, last);
  EXPECT_TRUE(received.empty());
  Send(Up, {last[0]});
  EXPECT_EQ(Infos(), std::vector<TGestureEventInfo>{Event(259, mid, End, 140)});
  EXPECT_EQ(received[0].receiver, "viewport");
  ExpectIdle();

  // The next pinch begins again.
  received.clear();
  Pinch(mid, {100, 90});
  EXPECT_EQ(Infos(),
            (std::vector<TGestureEventInfo>{Event(259, mid, Begin, 90), Event(259, mid, End, 90)}));
}

TEST_F(Touches, ZoomNeedsTheFingersPositionsAtThePreviousMessage) {
  // The second finger is first reported by a move: there is no earlier distance to compare.
  const std::vector<TPointF> start = Fingers(OnViewport, 100);
  Send(Down, {start[0]});
  Send(Move, start);
  EXPECT_TRUE(received.empty());
  Send(Move, Fingers(OnViewport, 110));
  EXPECT_EQ(Infos(), std::vector<TGestureEventInfo>{Event(259, OnViewport, Begin, 110)});
}

TEST_F(Touches, ZoomDistanceIsRoundedHalfToEven) {
  const struct {
    float distance;
    int whole;
  } cases[] = {{112.5f, 112}, {113.5f, 114}, {120.4f, 120}, {120.6f, 121}, {3.5f, 4}};
  for (const auto& c : cases) {
    received.clear();
    Pinch(OnViewport, {200, c.distance});
    ASSERT_EQ(received.size(), 2u) << c.distance;
    EXPECT_EQ(received[0].info.Distance, c.whole) << c.distance;
  }
}

TEST_F(Touches, ZoomReachesTheControlTakingItUnderTheFingersMidpoint) {
  const struct {
    TPointF center;
    const char* receiver;  // null: none
  } cases[] = {
      {OnViewport, "viewport"}, {OnLabel, "viewport"},  // the label's parent takes it
      {OnBody, nullptr},                                // a 3D object cannot be asked
      {OnPanel, nullptr},                               // takes no gesture, nor does its parent
      {OnWindow, nullptr},                              // no control at all
  };
  for (const auto& c : cases) {
    received.clear();
    Pinch(c.center, {100, 120, 140}, false);
    if (c.receiver) {
      ASSERT_EQ(received.size(), 2u) << c.center.X;
      EXPECT_EQ(received[0].receiver, c.receiver);
      EXPECT_EQ(received[0].info.Flags, Begin);
    } else {
      EXPECT_TRUE(received.empty()) << c.center.X;
      // Not delivered, so never active: every step tried to begin it anew.
      EXPECT_TRUE(manager.ActiveInteractiveGestures().Empty());
    }
    const std::vector<TPointF> last = Fingers(c.center, 140);
    Send(Up, last);
    Send(Up, {last[0]});
    ExpectIdle();
  }
}

// A step of a replayed sequence: a one-finger message, or the double-tap timer's time coming.
struct TStep {
  enum { Down, Move, Up, Fire } Kind;
  TPointF At;
};

TEST_F(Touches, TwoQuickTapsGiveOneDoubleTap) {
  const TPointF p{420, 380}, q{424, 383};
  Tap(p);
  EXPECT_TRUE(received.empty());
  Tap(q);
  EXPECT_EQ(timers.Started, std::vector<int>{300});
  EXPECT_EQ(Infos(), std::vector<TGestureEventInfo>{Event(265, q, Begin, 0)});
  EXPECT_EQ(received[0].receiver, "viewport");
  EXPECT_EQ(timers.Running(), 0);
  EXPECT_FALSE(manager.DoubleTapTimerRunning());
  ExpectIdle();
  // A double tap never stays active: the next one begins again.
  Tap(p);
  Tap(p);
  EXPECT_EQ(received.size(), 2u);
  EXPECT_EQ(received[1].info.Flags, Begin);
}

TEST_F(Touches, DoubleTapNeedsTwoStillQuickTapsOnItsControl) {
  const TPointF p = OnViewport, far{p.X + 11, p.Y}, near{p.X + 6, p.Y + 8};
  using S = TStep;
  const struct {
    const char* name;
    std::vector<TStep> steps;
    const char* receiver;  // null: no double tap
  } cases[] = {
      {"quick", {{S::Down, p}, {S::Up, p}, {S::Down, p}, {S::Up, p}}, "viewport"},
      {"time up between the taps",
       {{S::Down, p}, {S::Up, p}, {S::Fire, {}}, {S::Down, p}, {S::Up, p}},
       nullptr},
      {"time up before the second lift",
       {{S::Down, p}, {S::Up, p}, {S::Down, p}, {S::Fire, {}}, {S::Up, p}},
       nullptr},
      {"first tap moves",
       {{S::Down, p}, {S::Move, far}, {S::Up, far}, {S::Down, p}, {S::Up, p}},
       nullptr},
      {"second tap moves",
       {{S::Down, p}, {S::Up, p}, {S::Down, p}, {S::Move, far}, {S::Up, far}},
       nullptr},
      {"moves just the tolerance",
       {{S::Down, p}, {S::Move, near}, {S::Up, near}, {S::Down, p}, {S::Up, p}},
       "viewport"},
      {"second tap on a 3D body",
       {{S::Down, p}, {S::Up, p}, {S::Down, OnBody}, {S::Up, OnBody}},
       nullptr},
      {"second tap on a control without it",
       {{S::Down, p}, {S::Up, p}, {S::Down, OnPanel}, {S::Up, OnPanel}},
       nullptr},
      {"second tap outside every control",
       {{S::Down, p}, {S::Up, p}, {S::Down, OnWindow}, {S::Up, OnWindow}},
       nullptr},
      {"second tap on a control inside the viewport",
       {{S::Down, p}, {S::Up, p}, {S::Down, OnLabel}, {S::Up, OnLabel}},
       "viewport"},
      {"only the second tap's control counts",
       {{S::Down, OnPanel}, {S::Up, OnPanel}, {S::Down, p}, {S::Up, p}},
       "viewport"},
  };
  for (const auto& c : cases) {
    received.clear();
    for (const TStep& s : c.steps) {
      if (s.Kind == S::Fire)
        timers.FireAll();
      else
        Send(s.Kind == S::Down ? Down : s.Kind == S::Move ? Move : Up, {s.At});
    }
    if (c.receiver) {
      ASSERT_EQ(received.size(), 1u) << c.name;
      EXPECT_EQ(received[0].receiver, c.receiver) << c.name;
      EXPECT_EQ(received[0].info.GestureID, 265) << c.name;
    } else {
      EXPECT_TRUE(received.empty()) << c.name;
    }
    // Let a pending timer run out before the next case.
    timers.FireAll();
    ExpectIdle();
  }
}

TEST_F(Touches, TapToleranceShrinksWithTheScaleFactor) {
  const TPointF p = OnViewport;
  const struct {
    float scale;
    float move;
    bool doubleTap;
  } cases[] = {{1, 10, true},    {1, 10.5f, false},    {2, 5, true},     {2, 5.5f, false},
               {0.5f, 20, true}, {0.5f, 20.5f, false}, {1.25f, 8, true}, {1.25f, 8.5f, false},
               {0, 10, true},    {NaN, 10.5f, false}};  // no usable scale: as 1
  for (const auto& c : cases) {
    received.clear();
    window.Scale = c.scale;
    Send(Down, {p});
    Send(Move, {{p.X, p.Y + c.move}});
    Send(Up, {{p.X, p.Y + c.move}});
    Tap(p);
    EXPECT_EQ(received.size(), c.doubleTap ? 1u : 0u) << c.scale << " " << c.move;
    timers.FireAll();
  }
}

TEST_F(Touches, NoDoubleTapTimerWhenNoControlTakesDoubleTap) {
  viewport->Touch().SetInteractiveGestures({Zoom});
  Tap(OnViewport);
  Tap(OnViewport);
  EXPECT_TRUE(timers.Started.empty());
  EXPECT_TRUE(received.empty());
}

TEST_F(Touches, SecondFingerMovingEndsThePendingDoubleTap) {
  Tap(OnViewport);
  Pinch(OnViewport, {100, 101});  // no zoom, but two fingers moved
  Tap(OnViewport);
  EXPECT_TRUE(received.empty());
  // Three fingers moving: the same, and nothing recognised from them.
  timers.FireAll();
  Tap(OnViewport);
  const std::vector<TPointF> three = {{100, 300}, {200, 300}, {300, 300}};
  Send(Down, {three[0]});
  Send(Down, {three[0], three[1]});
  Send(Down, three);
  Send(Move, {{50, 300}, {250, 300}, {450, 300}});
  Send(Up, three);
  Send(Up, {three[0], three[1]});
  Send(Up, {three[0]});
  EXPECT_TRUE(received.empty());
  EXPECT_EQ(manager.TouchDownControl(), nullptr);
}

TEST_F(Touches, OddMessagesEndTheSequenceAndLeaveNothing) {
  const std::vector<TPointF> twoNaN = {{NaN, 300}, {400, 300}};
  const std::vector<TPointF> oneInf = {{std::numeric_limits<float>::infinity(), 300}};
  const struct {
    const char* name;
    TTouchAction action;
    std::vector<TPointF> touches;
  } cases[] = {
      {"cancel", Cancel, Fingers(OnViewport, 140)},
      {"move without touches", Move, {}},
      {"lift without touches", Up, {}},
      {"touch-down without touches", Down, {}},
      {"a coordinate not a number", Move, twoNaN},
      {"an infinite coordinate", Up, oneInf},
  };
  for (const auto& c : cases) {
    // A zoom under way ends.
    received.clear();
    Pinch(OnViewport, {100, 140}, false);
    ASSERT_EQ(received.size(), 1u);
    window.Asked.clear();
    Send(c.action, c.touches);
    EXPECT_EQ(Infos(), (std::vector<TGestureEventInfo>{Event(259, OnViewport, Begin, 140),
                                                       Event(259, OnViewport, End, 140)}))
        << c.name;
    EXPECT_TRUE(window.Asked.empty()) << c.name;  // no hit test with odd points
    ExpectIdle();

    // A double tap under way is forgotten.
    received.clear();
    Tap(OnViewport);
    Send(Down, {OnViewport});
    Send(c.action, c.touches);
    EXPECT_FALSE(manager.DoubleTapTimerRunning()) << c.name;
    Send(Up, {OnViewport});
    EXPECT_TRUE(received.empty()) << c.name;
    timers.FireAll();

    // The rest of the broken sequence gives nothing, and a fresh pinch begins anew.
    received.clear();
    Send(Move, Fingers(OnViewport, 200));
    Send(Up, Fingers(OnViewport, 200));
    Send(Up, {Fingers(OnViewport, 200)[0]});
    EXPECT_TRUE(received.empty()) << c.name;
    Pinch(OnViewport, {100, 90});
    EXPECT_EQ(Infos(), (std::vector<TGestureEventInfo>{Event(259, OnViewport, Begin, 90),
                                                       Event(259, OnViewport, End, 90)}))
        << c.name;
  }
}

TEST_F(Touches, OddMessagesOutsideASequenceDoNothing) {
  Send(Move, {});
  Send(Up, {});
  Send(Cancel, {});
  Send(None, {OnViewport});
  Send(Down, {{NaN, NaN}});
  Send(static_cast<TTouchAction>(7), {OnViewport});
  EXPECT_TRUE(received.empty());
  EXPECT_TRUE(window.Asked.empty());
  EXPECT_TRUE(timers.Started.empty());
  ExpectIdle();
}

TEST_F(Touches, AnUnfinishedZoomEndsWhenAFingerStartsANewSequence) {
  // Both fingers reported lifted in one message: the zoom's end was never seen.
  Pinch(OnViewport, {100, 140}, false);
  Send(Up, Fingers(OnViewport, 140));
  received.clear();
  Send(Down, {OnPanel});
  EXPECT_EQ(Infos(), std::vector<TGestureEventInfo>{Event(259, OnViewport, End, 140)});
  EXPECT_TRUE(manager.ActiveInteractiveGestures().Empty());
  EXPECT_EQ(manager.TouchDownControl(), panel);
}

TEST_F(Touches, AFreedTargetGetsNothingMore) {
  auto* overlay = new TControl;  // a control of its own that takes zoom, over the viewport
  window.Form.AddChild(overlay);
  overlay->Touch().SetInteractiveGestures({Zoom});
  int events = 0;
  overlay->OnGesture = [&](scene::TSceneNode&, const TGestureEventInfo&, bool&) { ++events; };
  window.Regions.insert(window.Regions.begin(), {{400, 300, 500, 500}, overlay});

  Pinch(OnViewport, {100, 140}, false);
  ASSERT_EQ(events, 1);
  window.Forget(overlay);
  delete overlay;
  EXPECT_EQ(manager.GestureControl(), nullptr);
  Send(Move, Fingers(OnViewport, 200));
  Send(Up, Fingers(OnViewport, 200));
  Send(Up, {Fingers(OnViewport, 200)[0]});
  EXPECT_TRUE(received.empty());
  ExpectIdle();
}

TEST_F(Touches, AFreedTouchDownControlLeavesTheGestureItsTarget) {
  Pinch(OnLabel, {100, 140}, false);
  window.Forget(label);
  delete label;
  EXPECT_EQ(manager.TouchDownControl(), nullptr);
  Send(Move, Fingers(OnLabel, 200));
  Send(Up, Fingers(OnLabel, 200));
  Send(Up, {Fingers(OnLabel, 200)[0]});
  EXPECT_EQ(Infos(), (std::vector<TGestureEventInfo>{Event(259, OnLabel, Begin, 140),
                                                     Event(259, OnLabel, {}, 200),
                                                     Event(259, OnLabel, End, 200)}));
  ExpectIdle();

  // Between two taps: the second tap's touch-down is what counts.
  auto* chip = new TControl;
  viewport->AddChild(chip);
  window.Regions.insert(window.Regions.begin(), {{300, 0, 400, 100}, chip});
  Send(Down, {OnLabel});
  EXPECT_EQ(manager.TouchDownControl(), chip);
  window.Forget(chip);
  delete chip;
  EXPECT_EQ(manager.TouchDownControl(), nullptr);
  Send(Up, {OnLabel});
  received.clear();
  Tap(OnViewport);
  EXPECT_EQ(Infos(), std::vector<TGestureEventInfo>{Event(265, OnViewport, Begin, 0)});
}

TEST_F(Touches, MessagesAfterTheControlsWereFreedReachNothing) {
  Tap(OnViewport);
  Pinch(OnViewport, {100, 140}, false);
  received.clear();
  window.Regions.clear();
  delete viewport;
  delete panel;
  Send(Move, Fingers(OnViewport, 200));
  Send(Up, Fingers(OnViewport, 200));
  Send(Up, {OnViewport});
  Tap(OnViewport);
  Tap(OnViewport);
  EXPECT_TRUE(received.empty());
  ExpectIdle();
}

TEST_F(Touches, TheTimerDiesWithTheManager) {
  {
    TMultiTouchManager other(window, timers);
    std::vector<TPointF> p = {OnViewport};
    other.HandleTouches(p, Down);
    EXPECT_EQ(timers.Running(), 1);
  }
  EXPECT_EQ(timers.Running(), 0);
}

TEST_F(Touches, PlatformGesturesGoToTheTargetUnderTheirBeginning) {
  viewport->Touch().SetInteractiveGestures({Zoom, DoubleTap});
  const struct {
    int kind;
    TPointF at;
    TInteractiveGestureFlags flags;
    int distance;
    std::vector<TGestureEventInfo> delivered;
  } steps[] = {
      {1, OnViewport, Begin, 0, {}},  // the platform's sequence begin and end: not delivered
      {3, OnViewport, Begin, 100, {Event(259, OnViewport, Begin, 100)}},
      {3, OnPanel, {}, 120, {Event(259, OnPanel, {}, 120)}},    // stays with its target
      {3, {NaN, 10}, {}, 130, {Event(259, OnPanel, {}, 130)}},  // keeps the last location
      {3, OnPanel, Inertia, 125, {Event(259, OnPanel, Inertia, 125)}},
      {3, OnPanel, End, 125, {Event(259, OnPanel, End, 125)}},
      {2, OnViewport, End, 0, {}},
      {3, OnViewport, {}, 140, {}},  // no target after the end
      {3, OnBody, Begin, 100, {}},   // over a 3D body
      {3, OnBody, End, 100, {}},
      {3, OnPanel, Begin, 100, {}},  // over a control without it
      {3, OnPanel, End, 100, {}},
      {4, OnViewport, Begin, 50, {}},  // the viewport takes no pan
      {4, OnViewport, End, 50, {}},
      {3, OnLabel, Begin, -5, {Event(259, OnLabel, Begin, 0)}},
      {3, OnLabel, End + Begin, 7, {Event(259, OnLabel, End + Begin, 7)}},
  };
  for (const auto& s : steps) {
    received.clear();
    manager.HandlePlatformGesture(s.kind, s.at, s.flags, s.distance);
    EXPECT_EQ(Infos(), s.delivered) << "step " << &s - steps;
  }
  // A pan once the viewport takes it, without a distance.
  viewport->Touch().SetInteractiveGestures({Zoom, Pan});
  received.clear();
  manager.HandlePlatformGesture({4, OnViewport, Begin, 50});
  EXPECT_EQ(Infos(), std::vector<TGestureEventInfo>{Event(260, OnViewport, Begin, 0)});
}

}  // namespace
}  // namespace ui
