// orvane_asset_timing [--survey]: how long the built-in textures take to decode with libpng
// (8-bit RGBA, as the program does at start-up) on one thread and on two, and their size.
// With --survey it re-encodes the same pixels with several zlib levels, PNG filters and
// strategies and reports size, encode time and decode time for each, which is how the
// shipped options were chosen. Timings are best of several runs; nothing here is asserted.
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <png.h>

#include "PngIo.h"
#include "assets/EmbeddedAssets.h"

namespace {

using assets::gen::TImage;
using Clock = std::chrono::steady_clock;

double Best(int runs, const std::function<void()>& fn) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    const auto t = Clock::now();
    fn();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - t).count());
  }
  return best;
}

// Decodes every file; with two threads each takes the next file, largest first.
void DecodeAll(const std::vector<std::span<const std::uint8_t>>& files, int threads) {
  std::vector<std::size_t> order(files.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return files[a].size() > files[b].size(); });
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t k; (k = next.fetch_add(1)) < order.size();) {
      const TImage image = assets::gen::DecodePng(files[order[k]]);
      if (image.Width() == 0) std::abort();
    }
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t)
    pool.emplace_back(work);
  work();
  for (auto& t : pool)
    t.join();
}

std::vector<std::span<const std::uint8_t>> Textures() {
  std::vector<std::span<const std::uint8_t>> files;
  for (int i = 0; i < assets::AssetCount; ++i) {
    const auto id = static_cast<assets::TAssetId>(i);
    if (id != assets::TAssetId::About) files.push_back(assets::EmbeddedImage(id));
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  const bool survey = argc > 1 && std::strcmp(argv[1], "--survey") == 0;
  const auto files = Textures();
  std::size_t bytes = 0;
  for (const auto& f : files)
    bytes += f.size();
  std::printf("ten textures: %.2f MB of PNG (libpng %s, zlib %s)\n", bytes / 1e6,
              PNG_LIBPNG_VER_STRING, ZLIB_VERSION);
  const double one = Best(3, [&] { DecodeAll(files, 1); });
  const double two = Best(3, [&] { DecodeAll(files, 2); });
  std::printf("libpng decode to RGBA: %.3f s on one thread, %.3f s on two\n", one, two);
  // Per picture, and what two threads would take on otherwise idle cores: each thread takes
  // the next picture, largest first, so the longer of the two queues decides.
  std::vector<double> each;
  for (std::size_t i = 0; i < files.size(); ++i) {
    each.push_back(Best(3, [&] { assets::gen::DecodePng(files[i]); }));
  }
  double sum = 0, queues[2] = {0, 0};
  std::vector<std::size_t> order(files.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return files[a].size() > files[b].size(); });
  for (std::size_t i : order) {
    sum += each[i];
    *std::min_element(queues, queues + 2) += each[i];
    std::printf("  %-10s %6.2f MB %7.3f s\n", assets::AssetName(static_cast<assets::TAssetId>(i)),
                files[i].size() / 1e6, each[i]);
  }
  std::printf("sum of single decodes %.3f s; two idle threads would need %.3f s\n", sum,
              std::max(queues[0], queues[1]));
  if (!survey) return 0;

  std::vector<TImage> images;
  for (const auto& f : files)
    images.push_back(assets::gen::DecodePng(f));
  struct TChoice {
    const char* Name;
    int Level, Filters, Strategy;
  };
  const TChoice choices[] = {
      {"level 1, no filter", 1, PNG_FILTER_NONE, -1},
      {"level 1, up", 1, PNG_FILTER_UP, -1},
      {"level 1, adaptive (all)", 1, -1, -1},
      {"level 3, up", 3, PNG_FILTER_UP, -1},
      {"level 4, no filter", 4, PNG_FILTER_NONE, -1},
      {"level 6, no filter", 6, PNG_FILTER_NONE, -1},
      {"level 6, sub", 6, PNG_FILTER_SUB, -1},
      {"level 6, up", 6, PNG_FILTER_UP, -1},
      {"level 6, paeth", 6, PNG_FILTER_PAETH, -1},
      {"level 6, adaptive (all)", 6, -1, -1},
      {"level 9, no filter", 9, PNG_FILTER_NONE, -1},
      {"level 9, up", 9, PNG_FILTER_UP, -1},
      {"level 9, adaptive (all)", 9, -1, -1},
      {"rle strategy, up", 6, PNG_FILTER_UP, Z_RLE},
      {"rle strategy, adaptive (all)", 6, -1, Z_RLE},
  };
  std::printf("\n%-30s %10s %12s %14s %14s\n", "PNG options", "MB", "encode s", "decode 1t s",
              "decode 2t s");
  for (const TChoice& c : choices) {
    assets::gen::TPngOptions options;
    options.Level = c.Level;
    options.Filters = c.Filters;
    options.Strategy = c.Strategy;
    std::vector<std::vector<std::uint8_t>> encoded(images.size());
    const auto t = Clock::now();
    for (std::size_t i = 0; i < images.size(); ++i)
      encoded[i] = assets::gen::EncodePng(images[i], options);
    const double encode = std::chrono::duration<double>(Clock::now() - t).count();
    std::size_t size = 0;
    std::vector<std::span<const std::uint8_t>> spans;
    for (const auto& e : encoded) {
      size += e.size();
      spans.emplace_back(e);
    }
    const double d1 = Best(3, [&] { DecodeAll(spans, 1); });
    const double d2 = Best(3, [&] { DecodeAll(spans, 2); });
    std::printf("%-30s %10.2f %12.2f %14.3f %14.3f\n", c.Name, size / 1e6, encode, d1, d2);
    std::fflush(stdout);
  }
  return 0;
}
