// orvane_asset_timing_qt: the same decode measurement as orvane_asset_timing, with Qt's
// QImage (PNG to premultiplied RGBA, as a Qt-based runtime would do it).
#include <QImage>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "assets/EmbeddedAssets.h"

namespace {

void DecodeAll(const std::vector<std::span<const std::uint8_t>>& files, int threads) {
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t k; (k = next.fetch_add(1)) < files.size();) {
      QImage image;
      image.loadFromData(files[k].data(), static_cast<int>(files[k].size()), "PNG");
      image = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
      if (image.isNull()) std::abort();
    }
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t)
    pool.emplace_back(work);
  work();
  for (auto& t : pool)
    t.join();
}

}  // namespace

int main() {
  std::vector<std::span<const std::uint8_t>> files;
  for (int i = 0; i < assets::AssetCount; ++i) {
    const auto id = static_cast<assets::TAssetId>(i);
    if (id != assets::TAssetId::About) files.push_back(assets::EmbeddedImage(id));
  }
  // Largest first, so two threads share the work evenly.
  std::sort(files.begin(), files.end(), [](auto a, auto b) { return a.size() > b.size(); });
  for (int threads : {1, 2}) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
      const auto t = std::chrono::steady_clock::now();
      DecodeAll(files, threads);
      best = std::min(best,
                      std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count());
    }
    std::printf("QImage decode to premultiplied RGBA: %.3f s on %d thread(s)\n", best, threads);
  }
  return 0;
}
