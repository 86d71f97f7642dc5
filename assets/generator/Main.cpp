// orvane_asset_gen: writes the scene's textures, the About picture and the program icons as
// PNG files into a folder. Usage:
//   orvane_asset_gen OUT_DIR [--threads N] [--only name[,name...]]
// The output depends only on the fixed seeds below, never on the thread count.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
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

// Encodes and writes finished pictures on a thread of its own, in the order they were handed
// in, while the workers go on making the next ones.
class TEncoder {
 public:
  explicit TEncoder(std::filesystem::path dir) : FDir(std::move(dir)), FThread([this] { Run(); }) {}
  ~TEncoder() { Finish(); }

  void Submit(std::string name, TImage image) {
    {
      std::lock_guard<std::mutex> guard(FLock);
      FQueue.push_back({std::move(name), std::move(image)});
    }
    FWake.notify_one();
  }
  // Waits for every submitted picture; false if any could not be written.
  bool Finish() {
    {
      std::lock_guard<std::mutex> guard(FLock);
      FDone = true;
    }
    FWake.notify_one();
    if (FThread.joinable()) FThread.join();
    return !FFailed;
  }

 private:
  void Run() {
    for (;;) {
      TOutput out;
      {
        std::unique_lock<std::mutex> lock(FLock);
        FWake.wait(lock, [&] { return FDone || !FQueue.empty(); });
        if (FQueue.empty()) return;
        out = std::move(FQueue.front());
        FQueue.pop_front();
      }
      try {
        const std::vector<std::uint8_t> png = EncodePng(out.Image, ShippedPngOptions());
        // Written under a temporary name and renamed, so a reader never sees half a file.
        const std::filesystem::path path = FDir / (out.Name + ".png");
        const std::filesystem::path temp = FDir / (out.Name + ".png.tmp");
        WriteFile(temp.string(), png);
        std::filesystem::rename(temp, path);
      } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", out.Name.c_str(), e.what());
        FFailed = true;
      }
    }
  }

  std::filesystem::path FDir;
  std::mutex FLock;
  std::condition_variable FWake;
  std::deque<TOutput> FQueue;
  bool FDone = false;
  std::atomic<bool> FFailed{false};
  std::thread FThread;
};

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
  try {
    fs::create_directories(outDir);
    TEncoder encoder(outDir);
    const auto timed = [&](const std::string& name, const std::function<TImage()>& make) {
      const auto t = std::chrono::steady_clock::now();
      TImage image = make();
      std::printf("  %-10s %4dx%-4d made in %5.2f s\n", name.c_str(), image.Width(), image.Height(),
                  Seconds(t));
      std::fflush(stdout);
      return image;
    };
    // The sky first: its encoding is the longest and runs while the rest is being made.
    if (wanted("sky")) encoder.Submit("sky", timed("sky", [] { return MakeSky(BaseSeed + 2); }));
    // The About picture and the icons are rendered from the planet, ring and moon maps, so
    // those are made whenever anything that needs them is asked for.
    const bool pictures = wanted("about") || wanted("icon");
    TImage planet, rings, titan, enceladus;
    if (wanted("planet") || pictures) {
      planet = timed("planet", [] { return MakePlanet(BaseSeed + 1); });
      if (wanted("planet")) encoder.Submit("planet", planet);
    }
    const std::vector<std::string> moons = {"mimas", "enceladus", "tethys", "dione",
                                            "rhea",  "titan",     "iapetus"};
    for (std::size_t i = 0; i < moons.size(); ++i) {
      const bool needed = pictures && (moons[i] == "titan" || moons[i] == "enceladus");
      if (!wanted(moons[i]) && !needed) continue;
      TImage image =
          timed(moons[i], [&] { return MakeMoon(static_cast<TMoon>(i), BaseSeed + 10 + i); });
      if (moons[i] == "titan") titan = image;
      if (moons[i] == "enceladus") enceladus = image;
      if (wanted(moons[i])) encoder.Submit(moons[i], std::move(image));
    }
    if (wanted("rings") || pictures) {
      rings = timed("rings", [] { return MakeRings(BaseSeed + 3); });
      if (wanted("rings")) encoder.Submit("rings", rings);
    }
    const TSceneMaps maps{&planet, &rings, &titan, &enceladus};
    if (wanted("about")) {
      encoder.Submit("about", timed("about", [&] { return MakeAboutPicture(maps, BaseSeed + 4); }));
    }
    if (wanted("icon")) {
      for (int size : {16, 32, 48, 64, 128, 256}) {
        encoder.Submit("icon-" + std::to_string(size), MakeIcon(maps, size));
      }
    }
    std::printf("made all in %.2f s; finishing the PNG files\n", Seconds(start));
    if (!encoder.Finish()) return 1;
    std::printf("total %.2f s with %d threads\n", Seconds(start), WorkerCount());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvane_asset_gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
