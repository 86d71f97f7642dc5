// Runs an index range over a fixed number of threads. Each index is processed by exactly one
// thread and must not depend on the others, so the result does not depend on scheduling.
#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace assets::gen {

int WorkerCount();
void SetWorkerCount(int count);

template <typename F>
void ParallelFor(int count, F&& body, int chunk = 8) {
  const int threads = std::min(WorkerCount(), (count + chunk - 1) / chunk);
  if (threads <= 1) {
    for (int i = 0; i < count; ++i)
      body(i);
    return;
  }
  std::atomic<int> next{0};
  auto run = [&] {
    for (;;) {
      const int begin = next.fetch_add(chunk);
      if (begin >= count) return;
      const int end = std::min(count, begin + chunk);
      for (int i = begin; i < end; ++i)
        body(i);
    }
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t)
    pool.emplace_back(run);
  run();
  for (auto& t : pool)
    t.join();
}

}  // namespace assets::gen
