// The main window fed random input through its routing, as the platform window delivers it:
// presses, moves and releases of three buttons anywhere (bodies, empty space, the panel),
// wheel turns, double-clicks, touches of up to three fingers, keys, and the clock and the
// touch timers running in between. After every event the camera stays within its zoom range
// and a touch gesture has at most one target; once every button and finger is up, nothing
// holds the pointer captured.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "QuietPlatform.h"
#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "gestures/GestureFakes.h"
#include "support/FakeWindowHost.h"
#include "support/ManualAnimationPlatform.h"
#include "ui/basics/Keys.h"
#include "ui/gestures/MultiTouchManager.h"
#include "ui/window/Shell.h"

namespace {

struct TTouchScreen : ui::ITouchWindow {
  app::TForm2& Form;
  ui::testing::TManualTimers Timers;
  ui::TMultiTouchManager Touches{*this, Timers};
  explicit TTouchScreen(app::TForm2& form) : Form(form) {}
  scene::TSceneNode* ObjectUnderTouch(ui::TPointF p) override {
    return Form.Pointer().ObjectAtPoint(p);
  }
  scene::TSceneNode& WindowObject() override { return Form; }
  float ScreenScale() const override { return 1; }
};

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  scene::testing::TManualAnimationScope clock;
  app::testing::TQuietPlatform platform;
  ui::testing::TFakeHost host;
  {
    ui::TShell shell(platform);
    app::Application = &shell;
    shell.RegisterWindow(app::Form2);
    shell.RegisterWindow(app::Form1);
    shell.Run();
    app::TForm2& form = *app::Form2;
    form.SetHost(&host);
    form.ClientResized(1332, 829);
    form.Viewport3D1->PaintTo({0, 1332, 829});
    TTouchScreen screen(form);
    const scene::TMouseButton buttons[] = {scene::mbLeft, scene::mbRight, scene::mbMiddle};
    const scene::TShiftState held[] = {scene::ssLeft, scene::ssRight, scene::ssMiddle};
    bool down[3] = {false, false, false};
    std::vector<ui::TPointF> fingers;
    for (int events = 0; events < 200 && input.remaining_bytes() > 0; ++events) {
      const float x = input.ConsumeFloatingPointInRange<float>(-20, 1350);
      const float y = input.ConsumeFloatingPointInRange<float>(-20, 850);
      const int b = input.ConsumeIntegralInRange(0, 2);
      scene::TShiftState shift = 0;
      for (int i = 0; i < 3; ++i)
        if (down[i]) shift |= held[i];
      switch (input.ConsumeIntegralInRange(0, 11)) {
        case 0:
        case 1:
          form.MouseDown(buttons[b], shift | held[b], x, y);
          down[b] = true;
          break;
        case 2:
        case 3:
          form.MouseMove(shift, x, y);
          break;
        case 4:
          form.MouseUp(buttons[b], shift & ~held[b], x, y, true);
          down[b] = false;
          break;
        case 5: {
          bool handled = false;
          form.MouseWheel(shift, input.ConsumeIntegralInRange(-480, 480), x, y, handled);
          break;
        }
        case 6:
          form.MouseDown(buttons[b], shift | held[b] | scene::ssDouble, x, y);
          down[b] = true;
          break;
        case 7:
          form.ContextMenuRequest({x, y}, {x, y});
          break;
        case 8: {
          const ui::TKeyCode keys[] = {ui::vkSpace, ui::vkReturn, ui::vkTab, ui::vkEscape, 'A'};
          const ui::TKeyCode key = keys[input.ConsumeIntegralInRange(0, 4)];
          form.KeyDown(key, key == ui::vkSpace ? U' ' : 0, 0);
          break;
        }
        case 9: {  // a finger down, moved or lifted
          const int action = input.ConsumeIntegralInRange(0, 2);
          if (action == 0 && fingers.size() < 3) {
            fingers.push_back({x, y});
            screen.Touches.HandleTouches(fingers, ui::TTouchAction::Down);
          } else if (action == 1 && !fingers.empty()) {
            fingers[static_cast<std::size_t>(b) % fingers.size()] = {x, y};
            screen.Touches.HandleTouches(fingers, ui::TTouchAction::Move);
          } else if (!fingers.empty()) {
            screen.Touches.HandleTouches(fingers, ui::TTouchAction::Up);
            fingers.pop_back();
          }
          break;
        }
        case 10:
          screen.Timers.FireAll();
          break;
        default:
          clock.Platform.Tick(input.ConsumeFloatingPointInRange<double>(0, 2));
          clock.Platform.RunQueuedTasks();
          break;
      }
      const float z = form.Camera1->Position().Z();
      Check(std::isfinite(z) && z >= -80 && z <= -5);
    }
    // Every button and finger up: nothing may hold the pointer any more.
    while (!fingers.empty()) {
      screen.Touches.HandleTouches(fingers, ui::TTouchAction::Up);
      fingers.pop_back();
    }
    for (int b = 0; b < 3; ++b)
      if (down[b]) form.MouseUp(buttons[b], 0, 10, 10, true);
    Check(form.Pointer().Captured() == nullptr);
    Check(screen.Touches.TouchDownControl() == nullptr);
    form.SetHost(nullptr);
  }
  app::Application = nullptr;
  app::Form2 = nullptr;
  app::Form1 = nullptr;
  return 0;
}
