// Finding the object under the pointer in the main window's stored scene, as every uncaptured
// pointer move does: the pick ray, then every visible object's shape test. Empty space is
// the worst case (every object is tested and none is hit); a point on a moon and one on the
// planet end with a hit.
#include <benchmark/benchmark.h>

#include "BenchHost.h"
#include "app/StoredScene.h"
#include "ui/view3d/Viewport3D.h"
#include "ui/window/Form.h"

namespace {

// The stored scene in a 1920 x 1080 window with the camera where the start-up glide ends.
struct TMainWindow {
  bench::TBenchHost Host;
  ui::TFormBase Form;
  ui::TViewport3D* Viewport = new ui::TViewport3D;
  app::TStoredScene Scene;
  TMainWindow() {
    Form.SetHost(&Host);
    Form.BeginLoading();
    Form.AddChild(Viewport);
    Scene = app::BuildStoredScene(*Viewport, Form, {});
    Form.EndLoading();
    app::SetMoonRotationCentres(Scene);
    app::SetStartView(Scene);
    Scene.Camera1->Position().SetZ(-26);
    Form.ClientResized(1920, 1080);
    Viewport->PaintTo({0, 1920, 1080});  // the drawing context
  }
};

void Pick(benchmark::State& state, ui::TPointF point, const char* expected) {
  TMainWindow window;
  scene::TSceneNode* found = window.Form.Pointer().ObjectAtPoint(point);
  if (!found || found->Name() != expected) {
    state.SkipWithError("the point does not show what the benchmark expects");
    return;
  }
  for (auto _ : state)
    benchmark::DoNotOptimize(window.Form.Pointer().ObjectAtPoint(point));
}

void BM_PickEmptySpace(benchmark::State& state) {
  Pick(state, {200, 100}, "Viewport3D1");
}
void BM_PickThePlanet(benchmark::State& state) {
  Pick(state, {960, 340}, "Sphere1");
}
void BM_PickTheRings(benchmark::State& state) {
  Pick(state, {960, 540}, "Disk1");
}

BENCHMARK(BM_PickEmptySpace);
BENCHMARK(BM_PickThePlanet);
BENCHMARK(BM_PickTheRings);

}  // namespace

BENCHMARK_MAIN();
