// Controls as gesture targets: the nearest control that takes a gesture is its target, an
// unhandled event goes on to the parent control, an error in a handler is reported and the
// event counts as unhandled, and the recognizer's enabled gestures are those some living
// control takes.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "EventPrinting.h"
#include "ui/services/ErrorReport.h"
#include "ui/window/Control.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

using enum TInteractiveGesture;

// Writes every handler call into a log; its own handling handles when told to.
class TProbeControl : public TControl {
 public:
  std::vector<std::string>* Log = nullptr;
  bool HandlesItself = false;

 protected:
  void HandleGesture(const TGestureEventInfo&, bool& handled) override {
    Log->push_back(Name() + ".own");
    handled = HandlesItself;
  }
};

TEST(GestureTarget, IsTheNearestControlThatTakesTheGesture) {
  TFormBase form;
  auto* viewport = new TControl;
  auto* label = new TControl;
  auto* chip = new TControl;
  auto* panel = new TControl;
  form.AddChild(viewport);
  viewport->AddChild(label);
  label->AddChild(chip);
  form.AddChild(panel);
  viewport->Touch().SetInteractiveGestures({Zoom, DoubleTap});
  chip->Touch().SetInteractiveGestures({Pan});

  const struct {
    TControl* asked;
    TInteractiveGesture gesture;
    TControl* target;
  } cases[] = {
      {viewport, Zoom, viewport},  {label, DoubleTap, viewport}, {chip, Zoom, viewport},
      {chip, Pan, chip},           {label, Pan, nullptr},        {panel, Zoom, nullptr},
      {viewport, Rotate, nullptr},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.asked->FindGestureTarget(c.gesture), c.target)
        << static_cast<int>(c.gesture) << " asked of control " << c.asked;
}

struct Delivery : ::testing::Test {
  TFormBase form;
  TProbeControl* outer = new TProbeControl;
  TProbeControl* inner = new TProbeControl;
  std::vector<std::string> log, errors;

  Delivery() {
    form.AddChild(outer);
    outer->AddChild(inner);
    for (TProbeControl* c : {outer, inner}) {
      c->Log = &log;
      c->OnGesture = [this](scene::TSceneNode& sender, const TGestureEventInfo&, bool& handled) {
        log.push_back(sender.Name() + ".OnGesture");
        EXPECT_FALSE(handled);
      };
    }
    outer->SetName("outer");
    inner->SetName("inner");
    SetErrorReporter([this](const std::string& text) { errors.push_back(text); });
  }
  ~Delivery() override { SetErrorReporter(nullptr); }
};

TEST_F(Delivery, UnhandledEventsGoOnToTheParentControl) {
  enum TInnerHandler { Leaves, Handles, Throws, HandlesThenThrows, ThrowsAnything, Missing };
  const struct {
    TInnerHandler handler;
    bool ownHandles;
    int gestureId;
    std::vector<std::string> log;
    std::vector<std::string> errors;
  } cases[] = {
      {Leaves, false, 259, {"inner.OnGesture", "inner.own", "outer.OnGesture", "outer.own"}, {}},
      {Handles, false, 259, {"inner.OnGesture"}, {}},
      {Leaves, true, 265, {"inner.OnGesture", "inner.own"}, {}},
      {Missing, false, 265, {"inner.own", "outer.OnGesture", "outer.own"}, {}},
      // Without a gesture number the event stays with the control it was sent to.
      {Leaves, false, 0, {"inner.OnGesture", "inner.own"}, {}},
      // An error is reported and the event counts as unhandled, whatever the handler set.
      {Throws,
       false,
       259,
       {"inner.OnGesture", "inner.own", "outer.OnGesture", "outer.own"},
       {"Zoom failed."}},
      {HandlesThenThrows,
       false,
       259,
       {"inner.OnGesture", "inner.own", "outer.OnGesture", "outer.own"},
       {"Zoom failed."}},
      {ThrowsAnything, true, 259, {"inner.OnGesture", "inner.own"}, {"Unknown error."}},
  };
  for (const auto& c : cases) {
    log.clear();
    errors.clear();
    inner->HandlesItself = c.ownHandles;
    inner->OnGesture = nullptr;
    if (c.handler != Missing)
      inner->OnGesture = [this, h = c.handler](scene::TSceneNode&, const TGestureEventInfo&,
                                               bool& handled) {
        log.push_back("inner.OnGesture");
        handled = h == Handles || h == HandlesThenThrows;
        if (h == Throws || h == HandlesThenThrows) throw std::runtime_error("Zoom failed");
        if (h == ThrowsAnything) throw 42;
      };
    TGestureEventInfo info;
    info.GestureID = c.gestureId;
    inner->DeliverGesture(info);
    EXPECT_EQ(log, c.log) << "case " << &c - cases;
    EXPECT_EQ(errors, c.errors) << "case " << &c - cases;
  }
}

TEST_F(Delivery, HandlersGetTheEventAsSent) {
  TGestureEventInfo sent;
  sent.GestureID = 259;
  sent.Location = {12, 34};
  sent.Flags = {TInteractiveGestureFlag::gfBegin};
  sent.Distance = 140;
  std::vector<TGestureEventInfo> got;
  for (TProbeControl* c : {outer, inner})
    c->OnGesture = [&](scene::TSceneNode&, const TGestureEventInfo& e, bool&) { got.push_back(e); };
  inner->DeliverGesture(sent);
  EXPECT_EQ(got, (std::vector<TGestureEventInfo>{sent, sent}));
  EXPECT_EQ(sent.Flags.Bits(), 1u);
}

TEST(EnabledGestures, AreThoseSomeLivingControlTakes) {
  const TInteractiveGestures before = EnabledInteractiveGestures();
  ASSERT_TRUE(before.Empty());
  auto* a = new TControl;
  auto* b = new TControl;
  a->Touch().SetInteractiveGestures({Zoom});
  EXPECT_EQ(EnabledInteractiveGestures(), TInteractiveGestures{Zoom});
  b->Touch().SetInteractiveGestures({Zoom, DoubleTap});
  EXPECT_EQ(EnabledInteractiveGestures(), (TInteractiveGestures{Zoom, DoubleTap}));
  b->Touch().SetInteractiveGestures({Pan});
  EXPECT_EQ(EnabledInteractiveGestures(), (TInteractiveGestures{Zoom, Pan}));
  delete a;
  EXPECT_EQ(EnabledInteractiveGestures(), TInteractiveGestures{Pan});
  delete b;
  EXPECT_TRUE(EnabledInteractiveGestures().Empty());
}

TEST(GestureTypes, HaveTheirNumbers) {
  EXPECT_EQ(InteractiveGestureId(Zoom), 259);
  EXPECT_EQ(InteractiveGestureId(DoubleTap), 265);
  EXPECT_EQ((TInteractiveGestureFlags{TInteractiveGestureFlag::gfBegin}.Bits()), 1u);
  EXPECT_EQ((TInteractiveGestureFlags{TInteractiveGestureFlag::gfInertia}.Bits()), 2u);
  EXPECT_EQ((TInteractiveGestureFlags{TInteractiveGestureFlag::gfEnd}.Bits()), 4u);
  EXPECT_EQ(static_cast<int>(TTouchAction::Cancel), 4);
  EXPECT_EQ(TGestureEventInfo{}, (TGestureEventInfo{0, {0, 0}, {}, 0, {0, 0}, 0, {0, 0}}));
}

}  // namespace
}  // namespace ui
