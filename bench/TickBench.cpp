// One tick of the animation clock with the whole main window running, as 60 times a second
// while the bodies move: the planet's spin and the seven orbits advance, each rotation
// rebuilds its object's matrix, marks its subtree and asks for a render.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchHost.h"
#include "QuietPlatform.h"
#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "support/ManualAnimationPlatform.h"
#include "ui/window/Shell.h"

namespace {

void BM_AnimationTick(benchmark::State& state) {
  scene::testing::TManualAnimationScope clock;
  app::testing::TQuietPlatform platform;
  bench::TBenchHost host;
  {
    ui::TShell shell(platform);
    app::Application = &shell;
    shell.RegisterWindow(app::Form2);
    shell.RegisterWindow(app::Form1);
    shell.Run();
    app::Form2->SetHost(&host);
    app::Form2->ClientResized(1920, 1080);
    clock.Platform.TickAt(10);  // the glide is over: only the bodies move
    clock.Platform.RunQueuedTasks();
    const float before = app::Form2->Sphere1->RotationAngle().Y();
    for (auto _ : state)
      clock.Platform.Tick(1.0 / 60);
    if (app::Form2->Sphere1->RotationAngle().Y() == before)
      state.SkipWithError("the planet did not turn: nothing was animated");
    app::Form2->SetHost(nullptr);
  }
  app::Application = nullptr;
  app::Form2 = nullptr;
  app::Form1 = nullptr;
}

BENCHMARK(BM_AnimationTick)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
