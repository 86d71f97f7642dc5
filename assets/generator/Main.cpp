// orvane_asset_gen: writes the scene's textures, the About picture and the program icons as
// PNG files into a folder. Usage:
//   orvane_asset_gen OUT_DIR [--threads N] [--only name[,name...]]
// The output depends only on the fixed seeds below, never on the thread count.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Parallel.h"
#include "PngIo.h"
#include "Textures.h"

namespace assets::gen {
namespace {

int GWorkers = 2;

constexpr std::uint64_t BaseSeed = 0x0A7A4E5EEDull;

struct TOutput {
  std::string Name;
  TImage Image;
};

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int WorkerCount() {
  return GWorkers;
}
void SetWorkerCount(int count) {
  GWorkers = std::max(1, count);
}

}  // namespace assets::gen

int main(int argc, char** argv) {
  using namespace assets::gen;
  namespace fs = std::filesystem;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT_DIR [--threads N] [--only name,...]\n", argv[0]);
    return 2;
  }
  const fs::path outDir = argv[1];
  std::set<std::string> only;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--threads" && i + 1 < argc) {
      SetWorkerCount(std::atoi(argv[++i]));
    } else if (arg == "--only" && i + 1 < argc) {
      std::stringstream list(argv[++i]);
      for (std::string name; std::getline(list, name, ',');)
        only.insert(name);
    } else {
      std::fprintf(stderr, "unknown argument: %s\n", arg.c_str());
      return 2;
    }
  }
  const auto wanted = [&](const std::string& name) { return only.empty() || only.count(name); };
  const auto start = std::chrono::steady_clock::now();
  std::vector<TOutput> outputs;
  const auto make = [&](const std::string& name, const std::function<TImage()>& fn) {
    const auto t = std::chrono::steady_clock::now();
    outputs.push_back({name, fn()});
    std::printf("  %-10s %5dx%-5d generated in %.2f s\n", name.c_str(),
                outputs.back().Image.Width(), outputs.back().Image.Height(), Seconds(t));
  };
  try {
    fs::create_directories(outDir);
    // The About picture and the icons are rendered from the planet, ring and moon maps, so
    // those are made whenever anything that needs them is asked for.
    const bool pictures = wanted("about") || wanted("icon");
    const std::vector<std::string> moons = {"mimas", "enceladus", "tethys", "dione",
                                            "rhea",  "titan",     "iapetus"};
    TImage planet, rings, titan, enceladus;
    if (wanted("planet") || pictures) {
      planet = MakePlanet(BaseSeed + 1);
      if (wanted("planet")) outputs.push_back({"planet", planet});
    }
    for (std::size_t i = 0; i < moons.size(); ++i) {
      const bool keep = moons[i] == "titan" || moons[i] == "enceladus";
      if (!wanted(moons[i]) && !(pictures && keep)) continue;
      const auto t = std::chrono::steady_clock::now();
      TImage image = MakeMoon(static_cast<TMoon>(i), BaseSeed + 10 + i);
      std::printf("  %-10s generated in %.2f s\n", moons[i].c_str(), Seconds(t));
      if (moons[i] == "titan") titan = image;
      if (moons[i] == "enceladus") enceladus = image;
      if (wanted(moons[i])) outputs.push_back({moons[i], std::move(image)});
    }
    if (wanted("sky")) make("sky", [] { return MakeSky(BaseSeed + 2); });
    if (wanted("rings") || pictures) {
      rings = MakeRings(BaseSeed + 3);
      if (wanted("rings")) outputs.push_back({"rings", rings});
    }
    const TSceneMaps maps{&planet, &rings, &titan, &enceladus};
    if (wanted("about")) make("about", [&] { return MakeAboutPicture(maps, BaseSeed + 4); });
    if (wanted("icon")) {
      for (int size : {16, 32, 48, 64, 128, 256}) {
        outputs.push_back({"icon-" + std::to_string(size), MakeIcon(maps, size)});
      }
    }
    std::printf("generated %zu images in %.2f s\n", outputs.size(), Seconds(start));
    // Encoding: one image per worker, largest first (the sky alone is about half the work).
    const auto encodeStart = std::chrono::steady_clock::now();
    std::vector<std::size_t> order(outputs.size());
    for (std::size_t i = 0; i < order.size(); ++i)
      order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return outputs[a].Image.Pixels().size() > outputs[b].Image.Pixels().size();
    });
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    auto worker = [&] {
      for (std::size_t k; (k = next.fetch_add(1)) < order.size();) {
        const TOutput& out = outputs[order[k]];
        try {
          const std::vector<std::uint8_t> png = EncodePng(out.Image, ShippedPngOptions());
          // Written under a temporary name and renamed, so a reader never sees half a file.
          const fs::path path = outDir / (out.Name + ".png");
          const fs::path temp = outDir / (out.Name + ".png.tmp");
          WriteFile(temp.string(), png);
          fs::rename(temp, path);
        } catch (const std::exception& e) {
          std::fprintf(stderr, "%s: %s\n", out.Name.c_str(), e.what());
          failed = true;
        }
      }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < WorkerCount(); ++t)
      pool.emplace_back(worker);
    worker();
    for (auto& t : pool)
      t.join();
    if (failed) return 1;
    std::printf("encoded in %.2f s; total %.2f s with %d threads\n", Seconds(encodeStart),
                Seconds(start), WorkerCount());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvane_asset_gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
