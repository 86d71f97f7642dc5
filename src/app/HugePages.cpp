#include "app/HugePages.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace app {

namespace {

constexpr const char* Tunables = "GLIBC_TUNABLES";
constexpr const char* Setting = "glibc.malloc.hugetlb";
// Set in the restarted program: the user's own GLIBC_TUNABLES after a marker character (so
// that "unset" and "empty" differ).
constexpr const char* Before = "ORVANE_TUNABLES_BEFORE";

}  // namespace

void StartWithHugePages(char** argv) {
#if defined(__linux__) && defined(__GLIBC__)
  if (const char* before = std::getenv(Before)) {
    // The restarted program: the tunable did its work as it started.
    if (before[0] == '=')
      setenv(Tunables, before + 1, 1);
    else
      unsetenv(Tunables);
    unsetenv(Before);
    return;
  }
  const char* tunables = std::getenv(Tunables);
  const std::string current = tunables ? tunables : "";
  // The user chose a value (or none: hugetlb=0) themselves.
  if (current.find(Setting) != std::string::npos) return;
  setenv(Before, tunables ? ("=" + current).c_str() : "-", 1);
  const std::string wanted =
      current.empty() ? std::string(Setting) + "=1" : current + ":" + Setting + "=1";
  setenv(Tunables, wanted.c_str(), 1);
  execv("/proc/self/exe", argv);
  // Not started again (no /proc, say): go on as the program is.
  if (tunables)
    setenv(Tunables, current.c_str(), 1);
  else
    unsetenv(Tunables);
  unsetenv(Before);
#else
  (void)argv;
#endif
}

void WarmHeap(std::size_t bytes) {
  // The sanitizers' allocators keep freed memory aside instead of handing it out again.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
  // glibc maps a block of its mmap threshold or more afresh for each request and unmaps it when
  // freed. At its largest (32 MiB) the threshold is above a 1920 x 1080 view's four samples a
  // pixel (31.6 MiB), which then come from the heap; and the heap keeps what is freed.
  constexpr std::size_t Threshold = std::size_t{32} << 20, Piece = std::size_t{16} << 20;
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(Threshold));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(bytes + Threshold));
  auto pieces = std::make_shared<std::vector<void*>>();
  for (std::size_t reserved = 0; reserved < bytes; reserved += Piece)
    if (void* piece = std::malloc(Piece)) pieces->push_back(piece);
  std::thread([pieces] {
    for (void* piece : *pieces)
      std::memset(piece, 0, Piece);
    for (void* piece : *pieces)
      std::free(piece);
  }).detach();
#else
  (void)bytes;
#endif
}

}  // namespace app
