// Hot paths of the transform rules over a tree of 10,000 objects: an angle write with its
// matrix rebuild, and an absolute-matrix read after the parent has changed.
#include <benchmark/benchmark.h>

#include <vector>

#include "scene/objects/Control3D.h"

namespace {

// A root with 100 children of 99 children each: 1 + 100 + 9900 = 10,001 objects.
struct TTree {
  scene::TControl3D Root;
  std::vector<scene::TControl3D*> Branches;
  std::vector<scene::TControl3D*> Leaves;
  TTree() {
    for (int i = 0; i < 100; ++i) {
      auto* branch = new scene::TControl3D;
      Root.AddChild(branch);
      branch->Position().SetX(static_cast<float>(i));
      Branches.push_back(branch);
      for (int j = 0; j < 99; ++j) {
        auto* leaf = new scene::TControl3D;
        branch->AddChild(leaf);
        leaf->Position().SetPoint({1, 2, static_cast<float>(j)});
        leaf->RotationCenter().SetPoint({-1, 0, 0});
        Leaves.push_back(leaf);
      }
    }
  }
};

void BM_AngleWriteWithRebuild(benchmark::State& state) {
  TTree tree;
  scene::TControl3D* leaf = tree.Leaves[4321];
  float angle = 0;
  for (auto _ : state) {
    angle += 0.5f;
    leaf->RotationAngle().SetY(angle);
    benchmark::DoNotOptimize(leaf->LocalMatrix());
  }
}
BENCHMARK(BM_AngleWriteWithRebuild);

// The root turns (a drag step) and one leaf's absolute matrix is read: the write marks the
// subtree stale, the read recomputes the chain root - branch - leaf.
void BM_AbsoluteMatrixAfterRootChange(benchmark::State& state) {
  TTree tree;
  scene::TControl3D* leaf = tree.Leaves[4321];
  float angle = 0;
  for (auto _ : state) {
    angle += 0.5f;
    tree.Root.RotationAngle().SetX(angle);
    benchmark::DoNotOptimize(leaf->AbsoluteMatrix());
  }
}
BENCHMARK(BM_AbsoluteMatrixAfterRootChange);

// Every object's absolute matrix after a root change, as a render pass reads them.
void BM_AllAbsoluteMatricesAfterRootChange(benchmark::State& state) {
  TTree tree;
  float angle = 0;
  for (auto _ : state) {
    angle += 0.5f;
    tree.Root.RotationAngle().SetX(angle);
    for (scene::TControl3D* leaf : tree.Leaves)
      benchmark::DoNotOptimize(leaf->AbsoluteMatrix());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(tree.Leaves.size()));
}
BENCHMARK(BM_AllAbsoluteMatricesAfterRootChange);

}  // namespace

BENCHMARK_MAIN();
